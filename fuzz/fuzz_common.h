// Shared support of the fuzz targets (one per reader of text from outside).
//
// Each target defines LLVMFuzzerInitialize and LLVMFuzzerTestOneInput. In the
// fuzz preset libFuzzer drives them; in every build replay_main.cpp feeds them
// the files of fuzz/regressions/<target>/ and fuzz/corpus/<target>/, so each
// finding, once mended, stays mended.
//
// - A program folder of the process's own (OPTOLUNE_HOME), with Data/ copied
//   from the built installation data.
// - Silent messages: every message is counted, every question answered No or
//   Cancel.
// - An oracle that fails (a round trip that loses data, an exception escaping
//   a function that reports its errors itself, a file outside the program
//   folder touched) aborts with its reason, as a sanitizer error does, so
//   that libFuzzer keeps the input.
#pragma once

#include "core/apppaths.h"
#include "core/messages.h"
#include "core/usererror.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <unistd.h>

#ifndef FUZZ_DATA_DIR
#error "FUZZ_DATA_DIR must name the built Data folder"
#endif

namespace fuzz {

class Silent final : public optolune::Messages, public optolune::Prompts {
public:
    void information(const QString &) override { ++count; }
    void warning(const QString &) override { ++count; }
    void plain(const QString &) override { ++count; }
    void error(const QString &) override { ++count; }
    bool confirm(const QString &) override
    {
        ++count;
        return false;
    }
    std::optional<QString> openFile(const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool choosePrinter(QPrinter &) override { return false; }
    long count = 0;
};

inline Silent &silent()
{
    static Silent s;
    return s;
}

// An oracle failed: the reason, then abort() so that the input is kept.
[[noreturn]] inline void fail(const std::string &what, const std::string &detail = std::string())
{
    std::fprintf(stderr, "FUZZ FAILURE: %s %s\n", what.c_str(), detail.substr(0, 400).c_str());
    std::abort();
}

// The text of the exception being handled.
inline std::string currentExceptionText()
{
    try {
        throw;
    } catch (const optolune::UserError &e) {
        return e.text().toStdString();
    } catch (const std::exception &e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}

// Runs f; any exception is a failure.
template <typename F>
void noThrow(const char *what, F &&f)
{
    try {
        f();
    } catch (...) {
        fail(std::string(what) + " threw", currentExceptionText());
    }
}

// Runs f; a UserError is what the program reports to the user and goes on
// from, anything else is a failure.
template <typename F>
void onlyUserErrors(const char *what, F &&f)
{
    try {
        f();
    } catch (const optolune::UserError &) {
    } catch (...) {
        fail(std::string(what) + " threw other than a UserError", currentExceptionText());
    }
}

// The folder of this process's program folder: FUZZ_HOME_BASE (fuzz.sh sets
// a memory file system when there is one), else the system's temporary
// folder; the process id keeps two runs apart.
inline QString homeFor(const char *target)
{
    const QString base = qEnvironmentVariable("FUZZ_HOME_BASE", QDir::tempPath());
    return base + QStringLiteral("/optolune-fuzz-%1-%2/")
                      .arg(QString::fromLatin1(target))
                      .arg(::getpid());
}

// Creates the program folder at `home` (emptied), with Data/, Tables/ and
// tmp/, the installation data in Data/, and points OPTOLUNE_HOME at it. The
// folder is removed when the process ends normally.
inline QString setUpHome(const char *target)
{
    static QString home;
    home = homeFor(target);
    QDir(home).removeRecursively();
    for (const char *sub : {"Data", "Tables", "tmp"})
        QDir().mkpath(home + QString::fromLatin1(sub));
    const QDir source(QStringLiteral(FUZZ_DATA_DIR));
    for (const QString &name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), home + QStringLiteral("Data/") + name);
    qputenv("OPTOLUNE_HOME", QFile::encodeName(home));
    optolune::resetAppPaths();
    optolune::installMessages(&silent());
    optolune::installPrompts(&silent());
    std::atexit([] { QDir(home).removeRecursively(); });
    return home;
}

inline void writeFile(const QString &path, const char *data, size_t size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail("cannot write the input file", path.toStdString());
    if (size)
        f.write(data, static_cast<qint64>(size));
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
