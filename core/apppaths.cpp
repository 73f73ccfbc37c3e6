#include "apppaths.h"

#include "core/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

#ifndef OPTOLUNE_VERSION
#define OPTOLUNE_VERSION ""
#endif

namespace optolune {

namespace {

// The program file's name with its extension replaced ("optolune" -> "optolune.INI").
QString withExtension(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName() + extension;
}

std::optional<AppPaths> g_paths;
QStringList g_scaLines;

} // namespace

AppPaths AppPaths::compute(const QString &exeFileName, const QString &home)
{
    AppPaths p;
    QString exe = QFileInfo(exeFileName).absoluteFilePath();
    if (!home.isEmpty()) {
        QString folder = QDir(home).absolutePath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        // The program's own name, whatever the running file is called (a
        // test runner, a wrapper), so that the settings file is optolune.INI.
        exe = folder + QStringLiteral("optolune");
    }
    p.exeFileName = exe;
    p.programFolder = QFileInfo(exe).path();
    if (!p.programFolder.endsWith(u'/'))
        p.programFolder += u'/';
    p.iniFileName = withExtension(exe, QStringLiteral(".INI"));
    p.helpFileName = withExtension(exe, QStringLiteral(".HLP"));
    p.scaFileName = withExtension(exe, QStringLiteral(".SCA"));
    p.utiFileName = withExtension(exe, QStringLiteral(".UTI"));
    p.dataFolder = p.programFolder + QStringLiteral("Data/");
    return p;
}

const AppPaths &appPaths()
{
    if (!g_paths) {
        QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                   : QString();
        if (exe.isEmpty())
            exe = QDir::current().filePath(QStringLiteral("optolune"));
        g_paths = AppPaths::compute(exe, qEnvironmentVariable("OPTOLUNE_HOME"));
    }
    return *g_paths;
}

void resetAppPaths() { g_paths.reset(); }

QStringList &scaLines() { return g_scaLines; }

void loadScaLines(const AppPaths &paths)
{
    g_scaLines.clear();
    // Lines kept for the run and read by nothing: a megabyte is plenty.
    QByteArray bytes;
    if (QFileInfo(paths.scaFileName).isFile() && readWhole(paths.scaFileName, bytes, 1024 * 1024))
        g_scaLines = splitLines(decode1252(bytes));
}

QString VersionTextFor(const QString &dottedVersion)
{
    static const QRegularExpression fourNumbers(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)\\.(\\d+)$"));
    const auto match = fourNumbers.match(dottedVersion);
    if (!match.hasMatch())
        return QStringLiteral("Version Inconnue");
    QStringList parts;
    for (int i = 1; i <= 4; ++i)
        parts << QString::number(match.captured(i).toUInt()); // no leading zeros
    return QStringLiteral("Version ") + parts.join(u'.');
}

QString VersionText() { return VersionTextFor(QStringLiteral(OPTOLUNE_VERSION)); }

} // namespace optolune

namespace optolune {

QString &TempTablePath()
{
    static QString path;
    return path;
}

} // namespace optolune
