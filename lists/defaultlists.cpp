#include "defaultlists.h"

#include "listeditor.h"

#include "core/language.h"
#include "core/numerictext.h"

#include <QCoreApplication>
#include <cmath>

namespace optolune {

QStringList TheoreticalFNumbers()
{
    // Half a stop multiplies the f-number by the fourth root of 2 (the area of
    // the aperture halves every two half stops). The product is accumulated,
    // as on the program's earlier lists; after 32 steps it is 2^8 up to
    // rounding, and the tolerance keeps 256,0 whichever side of 256 it falls.
    constexpr long double kRoundingTolerance = 1e-9L;
    const long double r = std::sqrt(std::sqrt(2.0L));
    QStringList texts;
    long double v = 1;
    auto keep = [&texts](long double value) {
        if (value >= ValueLimits::DiaMin && value <= ValueLimits::DiaMax + kRoundingTolerance)
            texts.append(FixedText(value, 5, 1));
    };
    keep(v);
    for (int i = 0; i < 32; ++i) {
        v *= r;
        keep(v);
    }
    return texts;
}

QString RangeLine(ListWording wording, ListKind kind)
{
    using namespace ValueLimits;
    const int d = ListDecimals(kind);
    auto fixed = [d](long double value) { return LocalNumbers(FixedText(value, 5, d)); };
    const bool variations = wording == ListWording::Variations;
    switch (kind) {
    case ListKind::Dia:
        return QCoreApplication::translate("DefaultLists", "Diaphragme min.: %1      Diaphragme max.: %2")
            .arg(fixed(DiaMin), fixed(DiaMax));
    case ListKind::Dis:
        if (variations)
            return QCoreApplication::translate("DefaultLists", "Mètres   Distance min.: %1   Distance max.: %2")
                .arg(fixed(DistMin), fixed(DistMax));
        return QCoreApplication::translate("DefaultLists", "Mètres  Distance min.: %1      Distance max.: %2")
            .arg(fixed(DistMin), fixed(DistMax));
    case ListKind::Foc:
        return QCoreApplication::translate("DefaultLists", "Focale min.: %1 mm      Focale max.: %2 mm")
            .arg(fixed(FocMin), fixed(FocMax));
    case ListKind::Cer:
        return QCoreApplication::translate("DefaultLists", "Diamètre min.: %1 mm      Diamètre max.: %2 mm")
            .arg(fixed(CerMin), fixed(CerMax));
    case ListKind::Cgr: break;
    }
    return QString();
}

QString CallerCaption(ListKind kind)
{
    switch (kind) {
    case ListKind::Dia: return QCoreApplication::translate("DefaultLists", "Diaphragmes");
    case ListKind::Dis: return QCoreApplication::translate("DefaultLists", "Distances de mise au point");
    case ListKind::Foc: return QCoreApplication::translate("DefaultLists", "Focales");
    case ListKind::Cer: return QCoreApplication::translate("DefaultLists", "Diamètres du cercle de confusion");
    case ListKind::Cgr: break;
    }
    return QString();
}

ListSourceResult RunListSource(const QString &dataFolder, ListKind kind, ListSource source,
                               ListReceiver *receiver)
{
    ListEditor editor(dataFolder, kind);
    ListSourceResult result;
    if (source == ListSource::DefaultList)
        result.notices = editor.LoadDefaultList();
    else
        editor.BuildTheoreticalList();
    editor.CheckAll();
    result.handedBack = editor.OkCommand(receiver) && receiver && receiver->accepts(kind);
    return result;
}

} // namespace optolune
