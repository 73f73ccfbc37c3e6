#include "diffractiontext.h"

#include "language.h"
#include "numerictext.h"

#include <QCoreApplication>

namespace optolune {

QString WavelengthText(long double wavelengthUm)
{
    QString text = FixedText(wavelengthUm, 15, 4);
    while (text.endsWith(u'0') && text.size() - text.indexOf(u',') > 3)
        text.chop(1);
    return text;
}

std::optional<long double> ReadWavelength(QStringView text)
{
    const QString typed = DecimalCommaText(text.trimmed().toString());
    const qsizetype comma = typed.indexOf(u',');
    if (comma >= 0 && typed.size() - comma - 1 > 4)
        return std::nullopt;
    // Digits and the comma only: no sign, no exponent.
    for (const QChar c : typed)
        if (!(c.isDigit() || c == u','))
            return std::nullopt;
    const std::optional<long double> value = ReadNumber(typed);
    if (!value || !(*value >= kWavelengthMinUm && *value <= kWavelengthMaxUm))
        return std::nullopt;
    return value;
}

QString WavelengthRangeMessage()
{
    return QCoreApplication::translate("DiffractionText",
                                       "La longueur d'onde va de %1 à %2 µm, 4 décimales au plus")
        .arg(LocalNumbers(FixedText(kWavelengthMinUm, 15, 2)),
             LocalNumbers(FixedText(kWavelengthMaxUm, 15, 2)));
}

QString BlurModelKey(BlurModel model)
{
    return model == BlurModel::Sum ? QStringLiteral("sum") : QStringLiteral("rss");
}

std::optional<BlurModel> ReadBlurModel(QStringView key)
{
    if (key == u"rss")
        return BlurModel::RootSumSquare;
    if (key == u"sum")
        return BlurModel::Sum;
    return std::nullopt;
}

QString DiffractionTitleText(long double wavelengthUm, BlurModel model)
{
    const QString wavelength = LocalNumbers(WavelengthText(wavelengthUm));
    return model == BlurModel::Sum
               ? QCoreApplication::translate("DiffractionText",
                                             "avec diffraction (λ %1 µm, flou somme)")
                     .arg(wavelength)
               : QCoreApplication::translate("DiffractionText", "avec diffraction (λ %1 µm)")
                     .arg(wavelength);
}

} // namespace optolune
