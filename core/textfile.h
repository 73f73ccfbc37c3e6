// The program's 8-bit text files: Windows-1252 with CR LF line ends (LF alone
// is accepted on reading), written whole so that an interrupted write leaves
// the previous file intact.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QSaveFile;

namespace optolune {

QString decode1252(QByteArrayView bytes);
// Characters outside Windows-1252 become '?'.
QByteArray encode1252(QStringView text);

// Splits a file's text into lines: CR LF or LF ends a line, a final line
// without its end is still a line, a line break at the very end adds nothing.
QStringList splitLines(const QString &text);

// Each line followed by CR LF, encoded in Windows-1252.
QByteArray joinLines(const QStringList &lines);

// Whether a character has a place in Windows-1252, the code page of every
// file the program writes and of its settings file: a text made of such
// characters is stored, and read back, exactly.
bool FitsWindows1252(QChar c);
// The text without the characters Windows-1252 cannot hold (a character
// beyond the basic plane, an emoji, is a pair of surrogates: both go).
// `removed`, when given, receives what was taken out, in order.
QString KeepWindows1252(QStringView text, QString *removed = nullptr);

// A text made fit to be a file name on Linux and on Windows alike, where
// tables travel: '/' becomes '-' (a lens reference "5,6/150" reads
// "5,6-150"), each of \\ : * ? " < > | and every control character becomes
// '_'. Everything else is kept, so the name still reads as typed; the fields,
// the titles and the files' contents keep the text itself.
QString SafeFileName(QStringView text);

// Files are read with a bound: whatever size the file system claims (0 for a
// device or a pipe), no more than the limit and one byte is ever read.
inline constexpr qint64 kDefaultReadLimit = 16 * 1024 * 1024;

enum class ReadStatus {
    Read,       // the whole file, at most the limit
    CannotOpen, // missing, a folder, no permission, a read error
    TooLarge,   // more than the limit: bytes holds its first `limit` bytes
};

struct BoundedRead {
    ReadStatus status = ReadStatus::CannotOpen;
    QByteArray bytes;
};

// Reads at most limit + 1 bytes of the file, in pieces, from regular files,
// devices (/dev/zero) and pipes alike.
BoundedRead readBounded(const QString &path, qint64 limit);

// The whole file when it can be opened and holds at most `limit` bytes;
// false otherwise (bytes is then left as it was).
bool readWhole(const QString &path, QByteArray &bytes, qint64 limit = kDefaultReadLimit);

// Commits a file written through QSaveFile: every file the program writes
// goes through here. False when the file could not be committed; the file
// that was there before is then intact and no temporary file is left.
bool commitSaveFile(QSaveFile &file);

// How a save is committed: QSaveFile::commit, unless a test installed
// another (to play a full disk, for instance). Returns the previous one; an
// empty committer puts back the program's own.
using SaveCommitter = std::function<bool(QSaveFile &)>;
SaveCommitter setSaveCommitter(SaveCommitter committer);

// Writes the bytes through QSaveFile. Throws UserError
// "Impossible de créer le fichier <path>" when the file cannot be written.
void writeWhole(const QString &path, const QByteArray &bytes);

} // namespace optolune
