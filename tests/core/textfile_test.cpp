#include "core/textfile.h"
#include "core/usererror.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace optolune;

TEST(TextFile, LinesFollowTheListRules)
{
    EXPECT_EQ(splitLines(QStringLiteral("2,8\r\n4\r\n")), (QStringList{"2,8", "4"}));
    EXPECT_EQ(splitLines(QStringLiteral("2,8\r\n\r\n4")), (QStringList{"2,8", "", "4"}));
    EXPECT_EQ(splitLines(QStringLiteral("2,8\n4\n")), (QStringList{"2,8", "4"}));
    EXPECT_EQ(splitLines(QString()), QStringList());
    EXPECT_EQ(splitLines(QStringLiteral("\r\n")), QStringList{""});
}

TEST(TextFile, Windows1252RoundTrip)
{
    const QString text = QStringLiteral("Début à 5 € — œ");
    const QByteArray bytes = encode1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xE9); // é
    EXPECT_EQ(decode1252(bytes), text);
    EXPECT_EQ(encode1252(u"\u4e2d"), QByteArray("?"));
    EXPECT_EQ(joinLines({"a", ""}), QByteArray("a\r\n\r\n"));
}

TEST(TextFile, WriteWholeLeavesThePreviousFileWhenItCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.stf"));
    writeWhole(path, "old\r\n");
    // A folder that is a file cannot hold anything, whoever runs the test.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        writeWhole(dir.filePath(QStringLiteral("blocked/list.stf")), "new");
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Impossible de créer le fichier ")));
    }
    QByteArray bytes;
    ASSERT_TRUE(readWhole(path, bytes));
    EXPECT_EQ(bytes, QByteArray("old\r\n"));
}
