#include "datafiles.h"

#include "core/messages.h"
#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>

namespace optolune {

namespace {

constexpr qint64 kMaxCopyBytes = 16 * 1024 * 1024;

} // namespace

const QStringList &RequiredDataFiles()
{
    static const QStringList names = {
        QStringLiteral("cbxcer7.stf"), QStringLiteral("cbxdis7.stf"),
        QStringLiteral("cbxdia7.stf"), QStringLiteral("cbxfoc7.stf"),
        QStringLiteral("cbxcgr7.stf"), QStringLiteral("cbxcer7.sts"),
        QStringLiteral("cbxdis7.sts"), QStringLiteral("cbxdia7.sts"),
        QStringLiteral("cbxfoc7.sts"), QStringLiteral("cbxcgr7.sts")};
    return names;
}

QString FindMissingDataFile(const QString &dataFolder)
{
    for (const QString &name : RequiredDataFiles()) {
        const QString path = dataFolder + name;
        if (!QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

DataFilesCheck CheckDataFiles(const QString &dataFolder)
{
    DataFilesCheck check;
    const QString missing = FindMissingDataFile(dataFolder);
    if (missing.isEmpty())
        return check;
    const QString backup = QFileInfo(missing).path() + u'/' +
                           QFileInfo(missing).completeBaseName() + QStringLiteral(".sts");
    check.notices.push_back(
        PlainNotice(QCoreApplication::translate("DataFiles", "Fichier manquant %1").arg(missing)));
    check.notices.push_back(
        PlainNotice(QCoreApplication::translate("DataFiles", "Tentative de récupération")));
    try {
        CopyFileContents(backup, missing);
    } catch (const UserError &e) {
        check.notices.push_back(ErrorNotice(e.text()));
        return check;
    }
    if (!QFileInfo(missing).isFile()) {
        check.notices.push_back(PlainNotice(
            QCoreApplication::translate("DataFiles", "%1 La récupération a échoué").arg(missing)));
        check.usable = false;
    }
    return check;
}

bool HasFileAttributes(const QString &fileName, unsigned attributes)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return false;
    unsigned held = 0;
    if (info.isDir())
        held |= DirectoryAttribute;
    if (!info.isWritable())
        held |= ReadOnlyAttribute;
    return (held & attributes) == attributes;
}

void CopyFileContents(const QString &source, const QString &destination)
{
    QString target = QFileInfo(destination).absoluteFilePath();
    if (HasFileAttributes(target, DirectoryAttribute)) {
        if (!target.endsWith(u'/'))
            target += u'/';
        target += QFileInfo(source).fileName();
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw UserError(
            QCoreApplication::translate("DataFiles", "Impossible d'ouvrir le fichier %1")
                .arg(source));
    // Written beside the target and renamed over it at the end, so that a copy
    // cut short never leaves half a file.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        throw UserError(
            QCoreApplication::translate("DataFiles", "Impossible de créer le fichier %1")
                .arg(target));
    std::array<char, 8192> buffer;
    qint64 read = 0;
    qint64 copied = 0;
    do {
        read = in.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (read > 0)
            out.write(buffer.data(), read);
        copied += std::max<qint64>(read, 0);
        // The installation data are lists of a few kilobytes: a source that
        // goes on (a device, a pipe, a huge file) is not copied.
        if (copied > kMaxCopyBytes) {
            out.cancelWriting();
            throw UserError(QCoreApplication::translate("DataFiles", "Fichier trop volumineux : %1")
                                .arg(source));
        }
    } while (read == static_cast<qint64>(buffer.size()));
    // A failed write or rename leaves the target as it was; the caller checks
    // that the file is there.
    commitSaveFile(out);
}

} // namespace optolune
