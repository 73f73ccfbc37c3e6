#include "titlelines.h"

#include "core/diffractiontext.h"
#include "tablestate.h"

namespace optolune {

QStringList ComposeTitleLines(const TableState &state, const QString &title, bool printComment,
                              const QString &versionText)
{
    const QString sep(7, u' ');
    QStringList lines;
    lines << title + sep + QStringLiteral("format ") + state.format + sep +
                 (state.fromFilm ? QStringLiteral("distances PF") : QStringLiteral("distances PL"));
    if (state.diffraction)
        lines.last() += sep + DiffractionTitleText(state.wavelengthUm, state.blurModel);
    lines << QStringLiteral("f= ") + state.focal + QStringLiteral("mm") + sep +
                 QStringLiteral("c= ") + state.circle + QStringLiteral(" mm") + sep +
                 QStringLiteral("dn= ") + state.nodal + QStringLiteral("mm") + sep +
                 QStringLiteral("gp= ") + state.pupil;
    if (printComment)
        lines << state.comment;
    lines << QStringLiteral("Optolune") + sep + versionText;
    lines << QString();
    return lines;
}

} // namespace optolune
