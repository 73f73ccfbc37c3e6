// The program's 8-bit text files: Windows-1252 with CR LF line ends (LF alone
// is accepted on reading), written whole so that an interrupted write leaves
// the previous file intact.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Reads a whole file; nullopt-like empty result with ok=false when it cannot
// be opened.
bool readWhole(const QString &path, QByteArray &bytes);

// Commits a file written through QSaveFile: every file the program writes
// goes through here. False when the file could not be committed; the file
// that was there before is then intact and no temporary file is left.
bool commitSaveFile(QSaveFile &file);

// Stands in for a full disk in tests: while an object lives, every commit
// fails as a full disk makes it fail, after the bytes were written to the
// temporary file.
class FullDiskForTests {
public:
    FullDiskForTests();
    ~FullDiskForTests();
    FullDiskForTests(const FullDiskForTests &) = delete;
    FullDiskForTests &operator=(const FullDiskForTests &) = delete;
};

// Writes the bytes through QSaveFile. Throws UserError
// "Impossible de créer le fichier <path>" when the file cannot be written.
void writeWhole(const QString &path, const QByteArray &bytes);

} // namespace optolune
