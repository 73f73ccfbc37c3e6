#include "variationsfields.h"

#include "core/language.h"
#include "core/lensfields.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "lists/listkind.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace optolune {

namespace {

QString rangeHint(const QString &head, long double minimum, long double maximum, int decimals)
{
    return QCoreApplication::translate("VariationsFields", "%1|  minimum: %2  maximum: %3")
        .arg(head, LocalNumbers(FixedText(minimum, 5, decimals)), LocalNumbers(FixedText(maximum, 5, decimals)));
}

// sqrt(sqrt(2)) = 1,1892071150027210667: the area of the aperture halves
// every two half stops.
long double halfStop() { return std::sqrt(std::sqrt(2.0L)); }

} // namespace

void NormaliseDecimalPoints(VariationsInput &input)
{
    for (QString *text : {&input.cText, &input.dnText, &input.fText, &input.dText, &input.gpText})
        *text = DecimalCommaText(std::move(*text));
}

int DistanceDecimals(int decimals) { return std::max(decimals, 2); }

ManualFieldsCheck CheckManualFields(VariationsInput &input, ListsEmpty lists)
{
    if (lists.focal) {
        return {4,
                {InformationNotice(QCoreApplication::translate("VariationsFields",
                                                               "Créez une liste des focales"))}};
    }
    if (lists.fNumbers) {
        return {5,
                {InformationNotice(QCoreApplication::translate(
                    "VariationsFields", "Créez une liste des diaphragmes"))}};
    }
    if (lists.circles) {
        return {5,
                {InformationNotice(QCoreApplication::translate("VariationsFields",
                                                               "Créez une liste des diamètres"))}};
    }
    if (lists.distances) {
        return {5,
                {InformationNotice(QCoreApplication::translate("VariationsFields",
                                                               "Créez une liste des distances"))}};
    }
    ManualFieldsCheck result;
    result.notices = FitLensFields(input.gpText, input.dnText, input.cText, input.fText);
    input.dText = DecimalCommaText(std::move(input.dText));
    if (auto warning =
            NumericField::Fit(input.dText, 12, DistanceDecimals(input.decimals),
                              VariationsLimits::DistCheckMin, VariationsLimits::DistMax, true)
                .warning)
        result.notices.push_back(WarningNotice(std::move(*warning)));
    return result;
}

ParameterHints VariationsParameterHints()
{
    using namespace ValueLimits;
    ParameterHints hints;
    hints.circle = rangeHint(QCoreApplication::translate("VariationsFields", "Diamètre du cercle de confusion (mm)"), CerMin, CerMax, 3);
    hints.focal = rangeHint(QCoreApplication::translate("VariationsFields", "Focale (mm)"), FocMin, FocMax, 2);
    hints.nodal = rangeHint(QCoreApplication::translate("VariationsFields", "Distance nodale (mm)"),
                            ValueLimits::NodMin, ValueLimits::NodMax, LensFieldDecimals::Nodal);
    hints.pupil =
        rangeHint(QCoreApplication::translate("VariationsFields", "Grandissement pupillaire"),
                  ValueLimits::GpMin, ValueLimits::GpMax, 2);
    hints.distance = rangeHint(QCoreApplication::translate("VariationsFields", "Distance de mise au point (m)"),
                               VariationsLimits::DistHintMin, VariationsLimits::DistMax, 2);
    hints.fNumber = rangeHint(QCoreApplication::translate("VariationsFields", "Diaphragme sélectionné dans la liste"), DiaMin, DiaMax, 1);
    return hints;
}

QString HalfStopUp(const QString &fNumber)
{
    return FixedText(ToNumber(fNumber) * halfStop(), 5, 1);
}

QString HalfStopDown(const QString &fNumber)
{
    return FixedText(ToNumber(fNumber) / halfStop(), 5, 1);
}

std::optional<QString> ReleaseAfterUp(const QString &fNumber)
{
    const long double x = ToNumber(fNumber);
    if (x != ValueLimits::DiaMin && x / halfStop() >= ValueLimits::DiaMin)
        return FixedText(x / halfStop(), 5, 1);
    return std::nullopt;
}

std::optional<QString> ReleaseAfterDown(const QString &fNumber)
{
    const long double x = ToNumber(fNumber);
    if (x != ValueLimits::DiaMax && x * halfStop() <= ValueLimits::DiaMax + 1)
        return FixedText(x * halfStop(), 5, 1);
    return std::nullopt;
}

} // namespace optolune
