// Writes the manual page of optolune-cli to the file named by its argument;
// the build runs it so that the page follows the help texts.
#include "climan.h"
#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: optolune-cli-manpage <fichier>\n", stderr);
        return 2;
    }
    try {
        optolune::writeWhole(QString::fromLocal8Bit(argv[1]), optolune::CliManPage().toUtf8());
    } catch (const optolune::UserError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
