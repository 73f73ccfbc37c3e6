#include "memoryfile.h"

#include "apppaths.h"
#include "showntext.h"
#include "textfile.h"
#include "usererror.h"

#include <QCoreApplication>
#include <QDir>

namespace optolune {

namespace {

// Four short texts take a few dozen bytes; a file far larger is not one.
constexpr qint64 kMaxMemoryFileBytes = 4096;

QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool isTextLine(const QString &line)
{
    for (const QChar c : line)
        if (c.unicode() < 0x20 && c != u'\t')
            return false;
    return true;
}

} // namespace

QString MemoryFilePath() { return appPaths().dataFolder + QStringLiteral("memf.slc"); }

void WriteMemoryFile(const QString &path, const LensMemory &memory)
{
    writeWhole(path, joinLines({oneLine(memory.circle), oneLine(memory.focal),
                                oneLine(memory.nodal), oneLine(memory.pupil)}));
}

LensMemory ReadMemoryFile(const QString &path)
{
    const QString shown = ShownPath(QDir::toNativeSeparators(path));
    // One byte more than the bound tells a file that is too large, whatever
    // size it claims.
    const BoundedRead read = readBounded(path, kMaxMemoryFileBytes);
    if (read.status == ReadStatus::CannotOpen)
        throw UserError(
            QCoreApplication::translate("MemoryFile", "Impossible d'ouvrir le fichier %1")
                .arg(shown));
    const UserError damaged(
        QCoreApplication::translate("MemoryFile", "Fichier illisible ou endommagé : %1")
            .arg(shown));
    if (read.status == ReadStatus::TooLarge)
        throw damaged;
    const QStringList lines = splitLines(decode1252(read.bytes));
    if (lines.size() < 4)
        throw damaged;
    for (const QString &line : lines)
        if (!isTextLine(line))
            throw damaged;
    return LensMemory{lines[0], lines[1], lines[2], lines[3]};
}

} // namespace optolune
