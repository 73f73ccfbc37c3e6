#include "titlelines.h"

#include "core/diffractiontext.h"
#include "core/language.h"
#include "tablestate.h"

#include <QCoreApplication>

namespace optolune {

QStringList ComposeTitleLines(const TableState &state, const QString &title, bool printComment,
                              const QString &versionText)
{
    const QString sep(7, u' ');
    QStringList lines;
    // The title and the format are the user's texts, shown as typed; the
    // lens parameters are numbers, shown as the user's language writes them.
    lines << title + sep +
                 QCoreApplication::translate("TitleLines", "format %1").arg(state.format) + sep +
                 (state.fromFilm ? QCoreApplication::translate("TitleLines", "distances PF")
                                 : QCoreApplication::translate("TitleLines", "distances PL"));
    if (state.diffraction)
        lines.last() += sep + DiffractionTitleText(state.wavelengthUm, state.blurModel);
    lines << QStringLiteral("f= ") + LocalNumbers(state.focal) + QStringLiteral("mm") + sep +
                 QStringLiteral("c= ") + LocalNumbers(state.circle) + QStringLiteral(" mm") + sep +
                 QStringLiteral("dn= ") + LocalNumbers(state.nodal) + QStringLiteral("mm") + sep +
                 QStringLiteral("gp= ") + LocalNumbers(state.pupil);
    if (printComment)
        lines << state.comment;
    lines << QStringLiteral("Optolune") + sep + versionText;
    lines << QString();
    return lines;
}

} // namespace optolune
