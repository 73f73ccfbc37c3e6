#include "listfiles.h"

#include "core/showntext.h"
#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace optolune {

namespace {

// A thousand values take a few kilobytes; no list file is read beyond this.
constexpr qint64 kMaxListFileBytes = 1024 * 1024;

} // namespace

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

ListLoadResult LoadListFile(const QString &dataFolder, ListKind kind, int listNumber,
                            ValueList &list)
{
    const QString path = ListFilePath(dataFolder, kind, listNumber);
    if (!QFileInfo::exists(path))
        return {ListLoad::Missing, std::nullopt};
    // A folder of that name, or a file the user may not read, is no list.
    BoundedRead read = readBounded(path, kMaxListFileBytes);
    if (read.status == ReadStatus::CannotOpen)
        throw UserError(QCoreApplication::translate("ListFiles", "Impossible d'ouvrir le fichier %1").arg(ShownPath(path)));
    const bool tooLarge = read.status == ReadStatus::TooLarge;
    if (tooLarge) {
        // The last line read is cut in the middle: it is no value.
        const qsizetype lastEnd = read.bytes.lastIndexOf('\n');
        read.bytes.truncate(lastEnd < 0 ? 0 : lastEnd + 1);
    }
    QStringList lines = splitLines(decode1252(read.bytes));
    const bool cut = tooLarge || lines.size() > kMaxListItems;
    if (lines.size() > kMaxListItems)
        lines.resize(kMaxListItems);
    list = ValueList::fromTexts(lines, false);
    if (!cut)
        return {ListLoad::Loaded, std::nullopt};
    return {ListLoad::Loaded,
            QCoreApplication::translate(
                "ListFiles",
                "Le fichier %1 est trop long : la liste a été coupée (%2 valeurs au plus).")
                .arg(ShownPath(path), QString::number(kMaxListItems))};
}

bool ListFileExists(const QString &dataFolder, ListKind kind, int listNumber)
{
    return QFileInfo::exists(ListFilePath(dataFolder, kind, listNumber));
}

void DeleteListFile(const QString &dataFolder, ListKind kind, int listNumber)
{
    const QString path = ListFilePath(dataFolder, kind, listNumber);
    if (!QFile::remove(path) && QFileInfo::exists(path))
        throw UserError(QCoreApplication::translate("ListFiles", "Impossible de supprimer le fichier %1").arg(path));
}

} // namespace optolune
