// Runs optolune-cli in the test's process and keeps what it printed, for the
// tests of its commands.
#pragma once

#include "cli/clitable.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>

namespace optolune::test {

struct CliRun {
    int code;
    QString out;
    QString err;
};

// The command line without the program's name: cli({"table", "--csv"}).
inline CliRun cli(QStringList args)
{
    args.prepend(QStringLiteral("optolune-cli"));
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = RunCli(args, out, err);
    return run;
}

// The value column of the aligned output of a calculator, by label.
inline std::map<QString, QString> values(const QString &out)
{
    std::map<QString, QString> v;
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
        // label, two spaces at least, value, two spaces, meaning
        const QStringList parts = line.split(QStringLiteral("  "), Qt::SkipEmptyParts);
        if (parts.size() >= 3)
            v[parts[0].trimmed()] = parts[1].trimmed();
        else if (parts.size() == 2) // an empty value
            v[parts[0].trimmed()] = QString();
    }
    return v;
}

} // namespace optolune::test
