// Runs optolune-cli in the test's process and keeps what it printed, for the
// tests of its commands.
#pragma once

#include "cli/clitable.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>
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

// A calculator's run that succeeded without a message and printed each
// expected value beside its label.
inline void expectResults(const CliRun &run, const std::map<QString, QString> &expected)
{
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const auto got = values(run.out);
    for (const auto &[label, value] : expected) {
        ASSERT_TRUE(got.count(label)) << label.toStdString() << " in\n" << run.out.toStdString();
        EXPECT_EQ(got.at(label), value) << label.toStdString();
    }
}

// A subcommand's run refused as a usage error: exit code 2, nothing printed,
// the message and the pointer to the subcommand's help on the error stream.
inline void expectUsageError(const CliRun &run, const QString &command, const char *message)
{
    EXPECT_EQ(run.code, kCliBadUsage);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: ") + QString::fromUtf8(message) +
                           QStringLiteral("\nVoir optolune-cli %1 --help.\n").arg(command));
}

} // namespace optolune::test
