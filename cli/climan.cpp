#include "climan.h"

#include "clicircle.h"
#include "clispread.h"
#include "clistack.h"
#include "clitilt.h"
#include "clitable.h"
#include "clivariations.h"
#include "core/apppaths.h"

#include <QCoreApplication>
#include <QStringList>

namespace optolune {

namespace {

// Text for troff: backslashes doubled, hyphens of options kept as hyphens,
// and no line starting with a control character.
QString escaped(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// An option line of a help text: two spaces, the option, at least two
// spaces, its meaning ("  --focal <mm>            focale (80)").
bool splitOption(const QString &line, QString &option, QString &meaning)
{
    if (!line.startsWith(QStringLiteral("  ")) || line.size() < 3 || line[2] == u' ')
        return false;
    const qsizetype gap = line.indexOf(QStringLiteral("  "), 2);
    option = line.mid(2, gap < 0 ? -1 : gap - 2).trimmed();
    meaning = gap < 0 ? QString() : line.mid(gap).trimmed();
    return true;
}

// One command's help text as a part of the page: the usage line ("Usage : "
// in French, "Usage: " in English) as the subsection's title, headings
// ("Paramètres ... :") in bold, option lines as tagged paragraphs, their
// continuation lines joined to them.
QString section(const QString &help)
{
    QString page;
    const QStringList lines = help.split(u'\n');
    bool inParagraph = false;
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("Usage"))) {
            const qsizetype colon = line.indexOf(QStringLiteral(": "));
            if (colon > 0 && line.left(colon).trimmed() == u"Usage") {
                page += QStringLiteral(".SS ") + escaped(line.mid(colon + 2)) + u'\n';
                continue;
            }
        }
        if (line.trimmed().isEmpty()) {
            page += QStringLiteral(".PP\n");
            inParagraph = false;
            continue;
        }
        QString option, meaning;
        if (splitOption(line, option, meaning)) {
            page += QStringLiteral(".TP\n.B ") + escaped(option) + u'\n';
            if (!meaning.isEmpty())
                page += escaped(meaning) + u'\n';
            inParagraph = true;
            continue;
        }
        if (line.startsWith(QStringLiteral("   "))) { // continues an option's meaning
            page += escaped(line.trimmed()) + u'\n';
            continue;
        }
        if (!line.startsWith(u' ') && line.endsWith(u':') && !inParagraph) {
            page += QStringLiteral(".PP\n.B ") + escaped(line) + u'\n';
            page += QStringLiteral(".PP\n");
            continue;
        }
        page += escaped(line.trimmed()) + u'\n';
        inParagraph = true;
    }
    return page;
}

} // namespace

QString CliManPage()
{
    QString version = VersionText();
    version.remove(QStringLiteral("Version "));
    // The page's own words are written for troff already: its headings and
    // its lines, in the user's language, with the version and the help texts.
    QString page =
        QCoreApplication::translate(
            "CliMan",
            ".\\\" Generated from the help texts of optolune-cli; do not edit.\n"
            ".TH OPTOLUNE\\-CLI 1 \"\" \"Optolune %1\" \"Commandes utilisateur\"\n"
            ".SH NOM\n"
            "optolune\\-cli \\- la table de profondeur de champ et les calculateurs d'Optolune\n"
            "en ligne de commande\n"
            ".SH SYNOPSIS\n"
            ".B optolune\\-cli table\n[options]\n.br\n"
            ".B optolune\\-cli variations\n[options]\n.br\n"
            ".B optolune\\-cli circle\n[options]\n.br\n"
            ".B optolune\\-cli spread\n[options]\n.br\n"
            ".B optolune\\-cli stack\n[options]\n.br\n"
            ".B optolune\\-cli tilt\n[options]\n.br\n"
            ".B optolune\\-cli\n\\-\\-help\n"
            ".SH COMMANDES\n")
            .arg(escaped(version));
    page += section(CliHelpText());
    page += section(VariationsHelpText());
    page += section(CircleHelpText());
    page += section(SpreadHelpText());
    page += section(StackHelpText());
    page += section(TiltHelpText());
    page += QCoreApplication::translate(
        "CliMan",
        ".SH FICHIERS\n"
        "Les listes par défaut et la table test sont lues dans le dossier Data à côté du\n"
        "programme, ou dans le dossier que nomme la variable d'environnement\n"
        ".BR OPTOLUNE_HOME .\n"
        ".SH VOIR AUSSI\n"
        ".BR optolune (1)\n");
    return page;
}

} // namespace optolune
