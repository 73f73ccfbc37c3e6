// Writes the manual page of optolune-cli to the file named by its first
// argument, in French, or in English when the folder of the program's
// translation follows; the build runs it so that the pages follow the help
// texts.
#include "climan.h"
#include "core/language.h"
#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fputs("usage: optolune-cli-manpage <fichier> [<dossier de la traduction anglaise>]\n",
                   stderr);
        return 2;
    }
    if (argc == 3 && !optolune::InstallProgramTranslation(optolune::Language::English,
                                                          QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "optolune-cli-manpage: no optolune_en.qm in %s\n", argv[2]);
        return 1;
    }
    try {
        optolune::writeWhole(QString::fromLocal8Bit(argv[1]), optolune::CliManPage().toUtf8());
    } catch (const optolune::UserError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
