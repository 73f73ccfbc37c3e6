#include "lists/listfiles.h"
#include "lists/listsort.h"

#include "core/usererror.h"
#include "listtext.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class ListFilesTest : public testing::Test {
protected:
    QString data() const { return m_dir.path() + u'/'; }
    void writeRaw(const QString &name, const QByteArray &bytes) const
    {
        QFile f(data() + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readRaw(const QString &name) const
    {
        QFile f(data() + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ListFilesTest, PathFollowsPrefixAndNumber)
{
    EXPECT_EQ(ListFilePath(QStringLiteral("/p/Data/"), ListKind::Dis, DefaultListNumber),
              QStringLiteral("/p/Data/cbxdis7.stf"));
    EXPECT_EQ(ListFilePath(QStringLiteral("/p/Data/"), ListKind::Cer, 3),
              QStringLiteral("/p/Data/cbxcer3.stf"));
}

TEST_F(ListFilesTest, SavesEveryItemOrOnlyTheCheckedOnesWithCrLf)
{
    const ValueList list = marked("2,8* 4 5,6*");
    SaveListFile(data(), ListKind::Dia, 1, list, false);
    EXPECT_EQ(readRaw("cbxdia1.stf"), QByteArray("2,8\r\n4\r\n5,6\r\n"));
    SaveListFile(data(), ListKind::Dia, 1, list, true);
    EXPECT_EQ(readRaw("cbxdia1.stf"), QByteArray("2,8\r\n5,6\r\n"));

    // Nothing checked: an empty file, read back as an empty list.
    SaveListFile(data(), ListKind::Dia, 2, marked("2,8 4"), true);
    EXPECT_EQ(readRaw("cbxdia2.stf"), QByteArray());
    ValueList loaded = marked("9");
    EXPECT_EQ(LoadListFile(data(), ListKind::Dia, 2, loaded).status, ListLoad::Loaded);
    EXPECT_TRUE(loaded.isEmpty());
}

struct LoadCase {
    const char *name;
    QByteArray bytes;
    const char *items; // unchecked, as read
    int count;
};

class LoadLinesTest : public ListFilesTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadLinesTest, EachLineIsOneUncheckedItem)
{
    const LoadCase &c = GetParam();
    writeRaw("cbxfoc4.stf", c.bytes);
    ValueList list = marked("1* 2*");
    ASSERT_EQ(LoadListFile(data(), ListKind::Foc, 4, list).status, ListLoad::Loaded);
    EXPECT_EQ(list.count(), c.count);
    EXPECT_EQ(list.countChecked(), 0);
    if (c.items) {
        EXPECT_EQ(list.texts().join(u'|'), QString::fromUtf8(c.items));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadLinesTest,
    testing::Values(
        LoadCase{"CrLfEveryLine", "2,8\r\n4\r\n", "2,8|4", 2},
        LoadCase{"EmptyLineInTheMiddleIsAnItem", "2,8\r\n\r\n4\r\n", "2,8||4", 3},
        LoadCase{"LastLineWithoutEnd", "2,8\r\n4", "2,8|4", 2},
        LoadCase{"LfAlone", "50\n60\n", "50|60", 2},
        LoadCase{"EmptyFile", "", "", 0},
        LoadCase{"OnlyALineEnd", "\r\n", "", 1},
        LoadCase{"NotANumberKeptAsWritten", "35\r\nabc\r\n50,0\r\n", "35|abc|50,0", 3},
        LoadCase{"Windows1252Text", "\xe9t\xe9\r\n\x80\r\n", "été|€", 2},
        LoadCase{"BinaryBytes", QByteArray("\x00\x01\xff\r\n4\r\n", 8), nullptr, 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListFilesTest, MissingFileLeavesTheListAlone)
{
    ValueList list = marked("2,8* 4");
    EXPECT_EQ(LoadListFile(data(), ListKind::Dia, 5, list).status, ListLoad::Missing);
    EXPECT_EQ(shown(list), QStringLiteral("2,8* 4"));
    EXPECT_FALSE(ListFileExists(data(), ListKind::Dia, 5));
}

TEST_F(ListFilesTest, LongLineLoadsAsOneItem)
{
    writeRaw("cbxdis1.stf", "1\r\n" + QByteArray(100 * 1024, '5') + "\r\n2\r\n");
    ValueList list;
    ASSERT_EQ(LoadListFile(data(), ListKind::Dis, 1, list).status, ListLoad::Loaded);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.text(1).size(), 100 * 1024);
}

// A list is cut at the thousand values the table files take, and a file is
// read no further than a megabyte, whatever it holds: either way the list
// keeps its first complete lines and a message says it was cut.
TEST_F(ListFilesTest, TooLongAListIsCutWithAMessage)
{
    Recorder rec;
    const QString cut = QStringLiteral("Le fichier %1 est trop long : la liste a été coupée "
                                       "(1000 valeurs au plus).");
    QByteArray many;
    for (int i = 1; i <= 1500; ++i)
        many += QByteArray::number(i) + "\r\n";
    writeRaw("cbxdis1.stf", many);
    ValueList list;
    ListLoadResult load = LoadListFile(data(), ListKind::Dis, 1, list);
    ASSERT_EQ(load.status, ListLoad::Loaded);
    ASSERT_EQ(list.count(), 1000);
    EXPECT_EQ(list.text(999), QStringLiteral("1000"));
    EXPECT_EQ(load.cut, cut.arg(data() + "cbxdis1.stf"));

    // A thousand lines are a whole list, said nothing about.
    many.truncate(many.indexOf("1001\r\n"));
    writeRaw("cbxdis2.stf", many);
    load = LoadListFile(data(), ListKind::Dis, 2, list);
    ASSERT_EQ(load.status, ListLoad::Loaded);
    EXPECT_EQ(list.count(), 1000);
    EXPECT_FALSE(load.cut.has_value());

    // Beyond a megabyte, the line cut in the middle is dropped too.
    writeRaw("cbxdis3.stf", "1\r\n2\r\n" + QByteArray(3 * 1024 * 1024, '5') + "\r\n3\r\n");
    load = LoadListFile(data(), ListKind::Dis, 3, list);
    ASSERT_EQ(load.status, ListLoad::Loaded);
    EXPECT_EQ(list.texts(), (QStringList{"1", "2"}));
    EXPECT_EQ(load.cut, cut.arg(data() + "cbxdis3.stf"));
    EXPECT_TRUE(rec.messages().empty()); // the caller shows it
}

// A device that never ends is read to the bound, not until memory runs out.
TEST_F(ListFilesTest, EndlessDeviceInPlaceOfTheFileIsCut)
{
    Recorder rec;
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), data() + "cbxdia4.stf"));
    ValueList list = marked("2,8*");
    const ListLoadResult load = LoadListFile(data(), ListKind::Dia, 4, list);
    ASSERT_EQ(load.status, ListLoad::Loaded);
    EXPECT_TRUE(list.isEmpty()); // a megabyte of NUL bytes holds no complete line
    EXPECT_TRUE(load.cut.has_value());
}

TEST_F(ListFilesTest, FolderInPlaceOfTheFileIsAClearError)
{
    ASSERT_TRUE(QDir().mkpath(data() + "cbxcer2.stf"));
    ValueList list = marked("0,03*");
    try {
        static_cast<void>(LoadListFile(data(), ListKind::Cer, 2, list));
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("Impossible d'ouvrir le fichier ") + data() + "cbxcer2.stf");
    }
    EXPECT_EQ(shown(list), QStringLiteral("0,03*"));
    try {
        DeleteListFile(data(), ListKind::Cer, 2);
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("Impossible de supprimer le fichier ") + data() + "cbxcer2.stf");
    }
}

TEST_F(ListFilesTest, DeleteRemovesTheFile)
{
    SaveListFile(data(), ListKind::Foc, 6, marked("50"), false);
    ASSERT_TRUE(ListFileExists(data(), ListKind::Foc, 6));
    DeleteListFile(data(), ListKind::Foc, 6);
    EXPECT_FALSE(ListFileExists(data(), ListKind::Foc, 6));
}

TEST(DeliveredLists, DefaultListsReadAsNumbersInAscendingOrder)
{
    ProgramFolder folder;
    for (ListKind kind : {ListKind::Dia, ListKind::Dis, ListKind::Foc, ListKind::Cer}) {
        ValueList list;
        ASSERT_EQ(LoadListFile(folder.dataPath(), kind, DefaultListNumber, list).status,
                  ListLoad::Loaded)
            << ListPrefix(kind).toStdString();
        ASSERT_GT(list.count(), 0);
        ValueList sorted = list;
        SortListNumeric(sorted);
        EXPECT_EQ(sorted, list) << ListPrefix(kind).toStdString();
    }
}
