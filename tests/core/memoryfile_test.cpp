// The memory of lens parameters shared by the table and the variations
// calculator: four lines written whole, read whole or refused whole.
#include "core/memoryfile.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace optolune;
using optolune::test::ProgramFolder;

namespace {

QString errorOf(const QString &path)
{
    try {
        ReadMemoryFile(path);
    } catch (const UserError &e) {
        return e.text();
    }
    return QString();
}

TEST(MemoryFile, WritesFourLinesAndReadsThemBack)
{
    ProgramFolder folder;
    EXPECT_EQ(MemoryFilePath(), folder.file("Data/memf.slc"));
    // Texts as they stand, unchecked; a line break inside one would shift
    // the lines after it.
    WriteMemoryFile(MemoryFilePath(), {"0.1", "150", "", "1,1\n2"});
    EXPECT_EQ(folder.read("Data/memf.slc"), QByteArray("0.1\r\n150\r\n\r\n1,1 2\r\n"));
    const LensMemory m = ReadMemoryFile(MemoryFilePath());
    EXPECT_EQ(m.circle, QStringLiteral("0.1"));
    EXPECT_EQ(m.focal, QStringLiteral("150"));
    EXPECT_EQ(m.nodal, QString());
    EXPECT_EQ(m.pupil, QStringLiteral("1,1 2"));

    // A file with LF alone and no final line end reads the same way.
    folder.write("Data/memf.slc", "0,05\n80\n-4\n1,2");
    EXPECT_EQ(ReadMemoryFile(MemoryFilePath()).pupil, QStringLiteral("1,2"));
}

TEST(MemoryFile, DamagedFilesAreRefusedWhole)
{
    ProgramFolder folder;
    const QString path = MemoryFilePath();
    const QString damaged = QStringLiteral("Fichier illisible ou endommagé : ") + path;
    EXPECT_EQ(errorOf(path), QStringLiteral("Impossible d'ouvrir le fichier ") + path);
    folder.write("Data/memf.slc", "0,1\r\n150\r\n24,8\r\n");
    EXPECT_EQ(errorOf(path), damaged);
    folder.write("Data/memf.slc", QByteArray("0,1\r\n150\r\n2\0\x01\r\n1,1\r\n", 18));
    EXPECT_EQ(errorOf(path), damaged);
    folder.write("Data/memf.slc", "0,1\r\n150\r\n0\r\n1,1\r\n" + QByteArray(8192, ' '));
    EXPECT_EQ(errorOf(path), damaged);
    // A folder of that name is no file.
    QFile::remove(path);
    QDir().mkpath(path);
    EXPECT_EQ(errorOf(path), QStringLiteral("Impossible d'ouvrir le fichier ") + path);
}

TEST(MemoryFile, AFileThatCannotBeWrittenIsReported)
{
    ProgramFolder folder;
    // A folder where the file should be cannot be replaced, even by root.
    QDir().mkpath(MemoryFilePath());
    QString error;
    try {
        WriteMemoryFile(MemoryFilePath(), {"1", "2", "3", "4"});
    } catch (const UserError &e) {
        error = e.text();
    }
    EXPECT_EQ(error, QStringLiteral("Impossible de créer le fichier ") + MemoryFilePath());
    EXPECT_TRUE(QFileInfo(MemoryFilePath()).isDir());
}

TEST(MemoryFile, AFolderThatCannotBeWrittenKeepsThePreviousFile)
{
    ProgramFolder folder;
    folder.write("Data/memf.slc", "0,1\r\n150\r\n0\r\n1,1\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(folder.dataPath()).constData(), 0555), 0);
    QString error;
    try {
        WriteMemoryFile(MemoryFilePath(), {"1", "2", "3", "4"});
    } catch (const UserError &e) {
        error = e.text();
    }
    chmod(QFile::encodeName(folder.dataPath()).constData(), 0755);
    if (getuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    EXPECT_EQ(error, QStringLiteral("Impossible de créer le fichier ") + MemoryFilePath());
    EXPECT_EQ(folder.read("Data/memf.slc"), QByteArray("0,1\r\n150\r\n0\r\n1,1\r\n"));
}

} // namespace
