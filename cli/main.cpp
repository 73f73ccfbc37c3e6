#include "clitable.h"
#include "core/apppaths.h"
#include "core/language.h"

#include <QLocale>

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The user's locale chooses the language; --lang, read by RunCli,
    // overrides it.
    optolune::InstallProgramTranslation(optolune::LanguageOfLocale(QLocale::system().uiLanguages()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Installed, the command line reads the same per-user folder as the
    // program, filled from the installation data at its first start.
    const QString seeding = optolune::SeedProgramFolder(optolune::appPaths());
    if (!seeding.isEmpty())
        err << seeding << '\n';
    const int code = optolune::RunCli(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return code;
}
