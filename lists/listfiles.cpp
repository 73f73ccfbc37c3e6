#include "listfiles.h"

#include "core/textfile.h"
#include "core/usererror.h"

#include <QFile>
#include <QFileInfo>

namespace optolune {

QString ListFilePath(const QString &dataFolder, ListKind kind, int listNumber)
{
    return dataFolder + ListPrefix(kind) + QString::number(listNumber) + QStringLiteral(".stf");
}

void SaveListFile(const QString &dataFolder, ListKind kind, int listNumber,
                  const ValueList &list, bool onlyChecked)
{
    const QStringList lines = onlyChecked ? list.checkedTexts() : list.texts();
    writeWhole(ListFilePath(dataFolder, kind, listNumber), joinLines(lines));
}

ListLoad LoadListFile(const QString &dataFolder, ListKind kind, int listNumber, ValueList &list)
{
    const QString path = ListFilePath(dataFolder, kind, listNumber);
    if (!QFileInfo::exists(path))
        return ListLoad::Missing;
    QByteArray bytes;
    // A folder of that name, or a file the user may not read, is no list.
    if (QFileInfo(path).isDir() || !readWhole(path, bytes))
        throw UserError(QStringLiteral("Impossible d'ouvrir le fichier %1").arg(path));
    list = ValueList::fromTexts(splitLines(decode1252(bytes)), false);
    return ListLoad::Loaded;
}

bool ListFileExists(const QString &dataFolder, ListKind kind, int listNumber)
{
    return QFileInfo::exists(ListFilePath(dataFolder, kind, listNumber));
}

void DeleteListFile(const QString &dataFolder, ListKind kind, int listNumber)
{
    const QString path = ListFilePath(dataFolder, kind, listNumber);
    if (!QFile::remove(path) && QFileInfo::exists(path))
        throw UserError(QStringLiteral("Impossible de supprimer le fichier %1").arg(path));
}

} // namespace optolune
