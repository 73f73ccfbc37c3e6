#include "apppaths.h"

#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <optional>

#ifndef OPTOLUNE_VERSION
#define OPTOLUNE_VERSION ""
#endif
// Where an installation puts its data, relative to the folder of the
// executables ("../share/optolune/Data" for the usual GNU layout).
#ifndef OPTOLUNE_INSTALLED_DATA
#define OPTOLUNE_INSTALLED_DATA "../share/optolune/Data"
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
    p.utiFileName = withExtension(exe, QStringLiteral(".UTI"));
    p.dataFolder = p.programFolder + QStringLiteral("Data/");
    return p;
}

AppPaths AppPaths::resolve(const QString &exeFileName, const QString &home,
                           const QString &userFolder)
{
    if (!home.isEmpty()) {
        AppPaths p = compute(exeFileName, home);
        p.rule = FolderRule::Home;
        return p;
    }
    const QDir exeDir = QFileInfo(exeFileName).absoluteDir();
    if (QFileInfo(exeDir.filePath(QStringLiteral("Data"))).isDir() || userFolder.isEmpty())
        return compute(exeFileName);
    const QFileInfo installed(exeDir.filePath(QStringLiteral(OPTOLUNE_INSTALLED_DATA)));
    if (!installed.isDir())
        return compute(exeFileName);
    AppPaths p = compute(exeFileName, userFolder);
    p.rule = FolderRule::PerUser;
    p.installedDataFolder = QDir::cleanPath(installed.absoluteFilePath()) + u'/';
    return p;
}

const AppPaths &appPaths()
{
    if (!g_paths) {
        QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                   : QString();
        if (exe.isEmpty())
            exe = QDir::current().filePath(QStringLiteral("optolune"));
        // The generic data folder, not the application's: the program and
        // optolune-cli share one folder whatever the running file is called.
        QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!user.isEmpty())
            user += QStringLiteral("/optolune");
        g_paths = AppPaths::resolve(exe, qEnvironmentVariable("OPTOLUNE_HOME"), user);
    }
    return *g_paths;
}

namespace {

// Whether a name in the user's folder is free: nothing there, not even a
// link that points nowhere (writing through it would land elsewhere).
bool isFree(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

QString cannotCreateFolder(const QString &path)
{
    return QCoreApplication::translate("AppPaths", "Impossible de créer le dossier %1")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

QString SeedProgramFolder(const AppPaths &paths)
{
    if (paths.rule != FolderRule::PerUser)
        return QString();
    for (const QString &folder : {paths.programFolder, paths.dataFolder}) {
        const QFileInfo info(folder);
        if (info.isSymLink() && !info.isDir())
            return cannotCreateFolder(folder);
        if (!info.isDir() && !QDir().mkpath(folder))
            return cannotCreateFolder(folder);
    }
    const QDir installed(paths.installedDataFolder);
    for (const QString &name : installed.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString target = paths.dataFolder + name;
        QByteArray delivered;
        if (!readWhole(installed.filePath(name), delivered))
            return QCoreApplication::translate("AppPaths", "Impossible d'ouvrir le fichier %1")
                .arg(installed.filePath(name));
        if (!isFree(target)) {
            // The test table is the installation's: after an upgrade it
            // follows the installed one, version line included. The program
            // never writes it.
            const QFileInfo info(target);
            if (!name.endsWith(QStringLiteral(".slc"), Qt::CaseInsensitive) || info.isSymLink() ||
                !info.isFile())
                continue;
            QByteArray current;
            if (readWhole(target, current) && current == delivered)
                continue;
        }
        try {
            writeWhole(target, delivered);
        } catch (const UserError &e) {
            return e.text();
        }
    }
    return QString();
}

void resetAppPaths() { g_paths.reset(); }

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

bool IsVersionText(const QString &text)
{
    static const QRegularExpression versionText(
        QStringLiteral("^Version (0|[1-9][0-9]{0,4})\\.(0|[1-9][0-9]{0,4})\\."
                       "(0|[1-9][0-9]{0,4})\\.(0|[1-9][0-9]{0,4})$"));
    const auto match = versionText.match(text);
    if (!match.hasMatch())
        return false;
    for (int i = 1; i <= 4; ++i) {
        if (match.captured(i).toUInt() > 0xFFFF) // each number is 16 bits
            return false;
    }
    return true;
}

} // namespace optolune
