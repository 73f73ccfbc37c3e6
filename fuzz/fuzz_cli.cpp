// The command line of optolune-cli (cli/clitable RunCli): option parsing,
// lists typed on the command line, --file, the table printed as text or CSV.
//
// Input: the arguments, separated by NUL bytes (argument 0, the program name,
// is added). A part after the first "\x01\x01" is written as the file
// Tables/in.stf, and an argument "@" stands for its path.
// Oracles: RunCli never throws and returns 0, 1 or 2; a success prints the
// table; a failure says why on the error stream.
#include "fuzz_common.h"

#include "cli/clitable.h"

#include <QTextStream>

using namespace optolune;

namespace {
QString g_home;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("cli");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray all(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString filePath = g_home + QStringLiteral("Tables/in.stf");
    const qsizetype sep = all.indexOf("\x01\x01");
    if (sep >= 0) {
        const QByteArray file = all.mid(sep + 2);
        fuzz::writeFile(filePath, file.constData(), static_cast<size_t>(file.size()));
        all.truncate(sep);
    } else {
        QFile::remove(filePath);
    }
    QStringList args{QStringLiteral("optolune-cli")};
    for (const QByteArray &part : all.split('\0')) {
        const QString arg = QString::fromLocal8Bit(part);
        args << (arg == u"@" ? filePath : arg);
    }
    // Arguments are bounded by the system; keep to that order of size.
    if (args.size() > 4096)
        return 0;

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    int code = -1;
    try {
        code = RunCli(args, out, err);
    } catch (...) {
        fuzz::fail("RunCli threw", fuzz::currentExceptionText());
    }
    out.flush();
    err.flush();
    if (code != kCliOk && code != kCliFailed && code != kCliBadUsage)
        fuzz::fail("RunCli-bad-exit-code", std::to_string(code));
    if (code == kCliOk && outText.isEmpty())
        fuzz::fail("RunCli-ok-without-output");
    if (code != kCliOk && errText.isEmpty())
        fuzz::fail("RunCli-failed-silently", std::to_string(code));
    return 0;
}
