// Table files: names, the file format, reading back field for field, damaged
// files, the save / open / tmp / test table commands and the memory file.
#include "core/apppaths.h"
#include "core/inifile.h"
#include "core/textfile.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "support/recorder.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::Recorder;
using optolune::test::Said;

namespace {

TableState sampleTable()
{
    TableState s;
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("80");
    s.nodal = QStringLiteral("-4");
    s.pupil = QStringLiteral("1,100");
    s.format = QStringLiteral("10x12 in");
    s.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8"), QStringLiteral("11")};
    s.distances = {QStringLiteral("1"), QStringLiteral("1,5"), QStringLiteral("3")};
    return s;
}

// Every field away from its default, so that a read that forgets one shows.
TableState everyFieldSet()
{
    TableState s = sampleTable();
    s.lensReferences = QStringLiteral("Test 150");
    s.comment = QStringLiteral("Prise de vue à l'éclairage naturel");
    s.format = QStringLiteral("4x5");
    s.fromFilm = false;
    s.horizontal = true;
    s.showP = s.showAB = s.showH = s.showGT = true;
    s.decimalsIndex = 3;
    s.columnWidth = 52;
    s.fa = s.faVisible = true;
    return s;
}

QStringList fileLines(const QString &path)
{
    QByteArray bytes;
    EXPECT_TRUE(readWhole(path, bytes)) << path.toStdString();
    return splitLines(decode1252(bytes));
}

void writeLines(const QString &path, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(path).path());
    writeWhole(path, joinLines(lines));
}

void expectSameSettings(const TableState &a, const TableState &b)
{
    EXPECT_EQ(a.circle, b.circle);
    EXPECT_EQ(a.focal, b.focal);
    EXPECT_EQ(a.nodal, b.nodal);
    EXPECT_EQ(a.pupil, b.pupil);
    EXPECT_EQ(a.format, b.format);
    EXPECT_EQ(a.lensReferences, b.lensReferences);
    EXPECT_EQ(a.comment, b.comment);
    EXPECT_EQ(a.fa, b.fa);
    EXPECT_EQ(a.faVisible, b.faVisible);
    EXPECT_EQ(a.fNumbers, b.fNumbers);
    EXPECT_EQ(a.distances, b.distances);
    EXPECT_EQ(a.fromFilm, b.fromFilm);
    EXPECT_EQ(a.horizontal, b.horizontal);
    EXPECT_EQ(a.showP, b.showP);
    EXPECT_EQ(a.showAB, b.showAB);
    EXPECT_EQ(a.showH, b.showH);
    EXPECT_EQ(a.showGT, b.showGT);
    EXPECT_EQ(a.decimalsIndex, b.decimalsIndex);
    EXPECT_EQ(a.columnWidth, b.columnWidth);
}

} // namespace

struct PrefixCase {
    const char *name;
    const char *circle;
    bool fa, fromFilm;
    const char *format, *lens;
    const char *prefix, *fileName;
};

class NamePrefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(NamePrefix, BuiltFromTheParameters)
{
    const PrefixCase &c = GetParam();
    TableState s = sampleTable();
    s.circle = QString::fromLatin1(c.circle);
    s.fa = c.fa;
    s.fromFilm = c.fromFilm;
    s.format = QString::fromLatin1(c.format);
    s.lensReferences = QString::fromLatin1(c.lens);
    EXPECT_EQ(BuildNamePrefix(s), QString::fromLatin1(c.prefix));
    EXPECT_EQ(TableFileName(s, QStringLiteral(".stf")), QString::fromLatin1(c.fileName));
    const TableNameParts parts = SplitTableFileName(TableFileName(s, QStringLiteral(".stf")));
    EXPECT_EQ(parts.format, s.format);
    EXPECT_EQ(parts.lensReferences, s.lensReferences);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamePrefix,
    testing::Values(
        PrefixCase{"Plain", "0,050", false, true, "10x12 in", "", "F80_C0050_PF_10x12 in",
                   "F80_C0050_PF_10x12 in.stf"},
        PrefixCase{"SmallestCircle", "0,005", false, true, "10x12 in", "", "F80_C0005_PF_10x12 in",
                   "F80_C0005_PF_10x12 in.stf"},
        PrefixCase{"LargestCircle", "0,500", false, true, "10x12 in", "", "F80_C0500_PF_10x12 in",
                   "F80_C0500_PF_10x12 in.stf"},
        PrefixCase{"LensReferences", "0,050", false, true, "10x12 in", "Test 150",
                   "F80_C0050_PF_10x12 in", "F80_C0050_PF_10x12 in_Test 150.stf"},
        PrefixCase{"FaFromTheLens", "0,050", true, false, "4x5", "Lens", "F80_C0050_Fa_PL_4x5",
                   "F80_C0050_Fa_PL_4x5_Lens.stf"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TableFileName, SplitAtTheUnderscores)
{
    const auto split = [](const char *name) {
        const TableNameParts p = SplitTableFileName(QString::fromLatin1(name));
        return QStringList{p.format, p.lensReferences};
    };
    EXPECT_EQ(split("F80_C0050_Fa_PF_4x5_Lens.stf"), (QStringList{"4x5", "Lens"}));
    EXPECT_EQ(split("/x/Tables/F80_C0050_PF_6x7.stf"), (QStringList{"6x7", ""}));
    EXPECT_EQ(split("F80_C0050_PF_a_b_c_d.stf"), (QStringList{"a", "b"})); // past six parts ignored
    EXPECT_EQ(split("Table.stf"), (QStringList{"", ""}));
    EXPECT_EQ(split("x"), (QStringList{"", ""}));
}

TEST(TableFile, LinesOfTheFormat)
{
    TableState s = everyFieldSet();
    s.bound = QStringLiteral("3");
    const QStringList lines = TableFileLines(s);
    ASSERT_EQ(lines.size(), 28 + 3 + 3);
    EXPECT_EQ(lines.mid(0, 22),
              (QStringList{"Version 1.0.0.0", "Ok", "p", "ab", "h", "dh", "dl", "52", "Ok", "Test 150", "",
                           "Prise de vue à l'éclairage naturel", "80", "0,050", "3", "3", "3", "3",
                           "-4", "4x5", "52", "1,100"}));
    EXPECT_EQ(lines.mid(22, 6), QStringList(6, QString()));
    EXPECT_EQ(lines.mid(28), (QStringList{"5,6", "8", "11", "1", "1,5", "3"}));

    const TableState plain = sampleTable();
    EXPECT_EQ(TableFileLines(plain).mid(1, 8),
              (QStringList{"No", "pn", "abn", "hn", "dv", "df", "40", "No"}));
}

TEST(TableFile, SavedTableReadsBackFieldForField)
{
    ProgramFolder folder;
    Recorder rec;
    TableState saved = everyFieldSet();
    saved.bound = QStringLiteral("3");
    TableModel model;
    ASSERT_TRUE(rec.keep(RefreshTable(saved, model)));
    const QString path = folder.file(QStringLiteral("Tables/") + TableFileName(saved, ".stf"));
    QDir().mkpath(folder.file(QStringLiteral("Tables")));
    ASSERT_TRUE(rec.keep(WriteTableFile(saved, model, path)));

    const QByteArray bytes = folder.read(QStringLiteral("Tables/") + TableFileName(saved, ".stf"));
    EXPECT_TRUE(bytes.startsWith("Version 1.0.0.0\r\nOk\r\n"));
    EXPECT_TRUE(bytes.contains("\xe0 l'\xe9" "clairage")); // Windows-1252

    TableState read;
    EXPECT_EQ(rec.keep(ReadTableFile(read, path, TableSource::UserFile)).status, TableStatus::Read);
    expectSameSettings(read, saved);
    EXPECT_EQ(read.bound, QStringLiteral("1000")); // a table always opens with the bound 1000
    EXPECT_EQ(read.namePrefix, QStringLiteral("F80_C0050_Fa_PL_4x5"));
    EXPECT_EQ(read.nDia, 3);
    EXPECT_EQ(read.nDist, 3);
    EXPECT_TRUE(rec.messages().empty());
}

TEST(TableFile, WidthOfLine8OnlyForAFileTheUserChose)
{
    ProgramFolder folder;
    TableState s = sampleTable();
    QStringList lines = TableFileLines(s);
    lines[7] = QStringLiteral("x"); // line 8 damaged: only a chosen file reads it
    lines[20] = QStringLiteral("64");
    const QString path = folder.file(QStringLiteral("tmp/F80_C0050_PF_10x12 in.tmp"));
    writeLines(path, lines);
    Recorder rec;
    TableState read;
    EXPECT_EQ(rec.keep(ReadTableFile(read, path, TableSource::TmpTable)).status, TableStatus::Read);
    EXPECT_EQ(read.columnWidth, 64);
    EXPECT_EQ(rec.keep(ReadTableFile(read, path, TableSource::UserFile)).status,
              TableStatus::ReadError);
}

TEST(TableFile, HorizontalTableOf120DistancesKeepsThemAllAndReopensWith100)
{
    ProgramFolder folder;
    Recorder rec;
    TableState s = sampleTable();
    s.horizontal = true;
    s.distances.clear();
    for (int i = 1; i <= 120; ++i)
        s.distances << QString::number(i);
    TableModel model;
    ASSERT_TRUE(rec.keep(RefreshTable(s, model)));
    const QString path = folder.file(QStringLiteral("t.stf"));
    ASSERT_TRUE(rec.keep(WriteTableFile(s, model, path)));
    const QStringList lines = fileLines(path);
    EXPECT_EQ(lines[17], QStringLiteral("100"));
    EXPECT_EQ(lines.size(), 28 + 3 + 120);
    TableState read;
    EXPECT_EQ(rec.keep(ReadTableFile(read, path, TableSource::UserFile)).status, TableStatus::Read);
    EXPECT_EQ(read.distances.size(), 100);
    EXPECT_EQ(read.distances.last(), QStringLiteral("100"));
}

// Line 1 names the version of the program that wrote the table. A program
// built as 1.2.0.0 reads the tables of every version of this program whose
// lines it knows, so that an upgrade keeps the saved tables; it refuses a
// line 1 that is no version text, and a table of another version whose
// lines are not of this format.
struct VersionLineCase {
    const char *name;
    const char *line1;
    TableStatus status;
};

class VersionLine : public testing::TestWithParam<VersionLineCase> {};

TEST_P(VersionLine, ReadByAProgramBuiltAs1200)
{
    const VersionLineCase &c = GetParam();
    ProgramFolder folder;
    const TableState written = everyFieldSet();
    QStringList lines = TableFileLines(written);
    lines[0] = QString::fromLatin1(c.line1);
    const QString path = folder.file(QStringLiteral("Tables/") + TableFileName(written, ".stf"));
    writeLines(path, lines);
    for (const TableSource source : {TableSource::UserFile, TableSource::TmpTable}) {
        Recorder rec;
        TableState s = sampleTable();
        const TableFileResult read =
            ReadTableFile(s, path, source, QStringLiteral("Version 1.2.0.0"));
        EXPECT_EQ(read.status, c.status);
        EXPECT_TRUE(rec.messages().empty());
        if (c.status == TableStatus::Read) {
            expectSameSettings(s, written);
            EXPECT_TRUE(read.messages.empty());
        } else {
            expectSameSettings(s, sampleTable());
            EXPECT_EQ(
                Said(read.messages),
                (std::vector<Message>{
                    {"information", "Fichier non compatible avec la version Version 1.2.0.0"}}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionLine,
    testing::Values(VersionLineCase{"Same", "Version 1.2.0.0", TableStatus::Read},
                    VersionLineCase{"Older", "Version 1.0.0.0", TableStatus::Read},
                    VersionLineCase{"MuchOlder", "Version 0.9.0.0", TableStatus::Read},
                    VersionLineCase{"Newer", "Version 2.0.3.17", TableStatus::Read},
                    VersionLineCase{"LargestNumbers", "Version 65535.65535.65535.65535",
                                    TableStatus::Read},
                    VersionLineCase{"Unknown", "Version Inconnue", TableStatus::OtherVersion},
                    VersionLineCase{"ThreeNumbers", "Version 1.0.0", TableStatus::OtherVersion},
                    VersionLineCase{"FiveNumbers", "Version 1.0.0.0.0", TableStatus::OtherVersion},
                    VersionLineCase{"LeadingZero", "Version 01.0.0.0", TableStatus::OtherVersion},
                    VersionLineCase{"Beyond16Bits", "Version 65536.0.0.0",
                                    TableStatus::OtherVersion},
                    VersionLineCase{"Negative", "Version -1.0.0.0", TableStatus::OtherVersion},
                    VersionLineCase{"Commas", "Version 1,0,0,0", TableStatus::OtherVersion},
                    VersionLineCase{"Lowercase", "version 1.0.0.0", TableStatus::OtherVersion},
                    VersionLineCase{"TrailingSpace", "Version 1.0.0.0 ", TableStatus::OtherVersion},
                    VersionLineCase{"TextAfter", "Version 1.0.0.0b", TableStatus::OtherVersion},
                    VersionLineCase{"Empty", "", TableStatus::OtherVersion}),
    [](const auto &info) { return std::string(info.param.name); });

// A table of another version whose lines this program does not know is of
// a format it cannot read: refused as another version, not reported as
// damaged. The same lines under this program's version are a damaged file.
TEST(TableFile, OtherVersionInAFormatThisProgramDoesNotKnow)
{
    ProgramFolder folder;
    QStringList lines = TableFileLines(everyFieldSet());
    lines[16] = QStringLiteral("trois"); // the count of f-numbers
    const QString path = folder.file(QStringLiteral("Tables/F80_C0050_PF_4x5.stf"));
    for (const TableSource source : {TableSource::UserFile, TableSource::TmpTable}) {
        lines[0] = QStringLiteral("Version 2.0.0.0");
        writeLines(path, lines);
        Recorder rec;
        TableState s = sampleTable();
        const TableFileResult read =
            ReadTableFile(s, path, source, QStringLiteral("Version 1.2.0.0"));
        EXPECT_EQ(read.status, TableStatus::OtherVersion);
        EXPECT_EQ(Said(read.messages),
                  (std::vector<Message>{
                      {"information", "Fichier non compatible avec la version Version 1.2.0.0"}}));
        expectSameSettings(s, sampleTable());

        lines[0] = QStringLiteral("Version 1.2.0.0");
        writeLines(path, lines);
        Recorder again;
        EXPECT_EQ(
            rec.keep(ReadTableFile(s, path, source, QStringLiteral("Version 1.2.0.0"))).status,
            TableStatus::ReadError);
        expectSameSettings(s, sampleTable());
    }
}

TEST(TableFile, UnderscoreInTheFormatSurvivesTheProgramsOwnName)
{
    ProgramFolder folder;
    Recorder rec;
    TableState s = sampleTable();
    s.format = QStringLiteral("4_5");
    s.lensReferences = QStringLiteral("Lens_A");
    TableModel model;
    ASSERT_TRUE(rec.keep(RefreshTable(s, model)));
    const QString path = folder.file(QStringLiteral("tmp/") + TableFileName(s, ".tmp"));
    QDir().mkpath(folder.file(QStringLiteral("tmp")));
    ASSERT_TRUE(rec.keep(WriteTableFile(s, model, path)));
    TableState read;
    ASSERT_EQ(rec.keep(ReadTableFile(read, path, TableSource::TmpTable)).status, TableStatus::Read);
    EXPECT_EQ(read.format, QStringLiteral("4_5"));
    EXPECT_EQ(read.lensReferences, QStringLiteral("Lens_A"));
}

TEST(TableFile, NameMadeByHandGivesFormatAndLensReferences)
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Tables/Ma table_X_PF_6x9_Planar.stf"));
    writeLines(path, TableFileLines(sampleTable()));
    Recorder rec;
    TableState read;
    EXPECT_EQ(rec.keep(ReadTableFile(read, path, TableSource::UserFile)).status, TableStatus::Read);
    EXPECT_EQ(read.format, QStringLiteral("6x9"));
    EXPECT_EQ(read.lensReferences, QStringLiteral("Planar"));

    const QString plain = folder.file(QStringLiteral("Tables/Table.stf"));
    writeLines(plain, TableFileLines(sampleTable()));
    EXPECT_EQ(rec.keep(ReadTableFile(read, plain, TableSource::UserFile)).status,
              TableStatus::Read);
    EXPECT_EQ(read.format, QString());
    EXPECT_EQ(read.lensReferences, QString());
    EXPECT_TRUE(rec.messages().empty());
}

struct DamageCase {
    const char *name;
    int line;             // 1-based line to replace; 0: the whole file is `bytes`
    const char *text;     // its new text
    int dropFromLine;     // when > 0, the file ends before this line
    TableStatus status;
};

class DamagedTableFile : public testing::TestWithParam<DamageCase> {};

// A damaged file changes nothing; a file the user chose says so, the tmp
// table does not.
TEST_P(DamagedTableFile, DefinedOutcome)
{
    const DamageCase &c = GetParam();
    ProgramFolder folder;
    QStringList lines = TableFileLines(everyFieldSet());
    QByteArray bytes;
    if (c.line > 0)
        lines[c.line - 1] = QString::fromLatin1(c.text);
    if (c.dropFromLine > 0)
        lines = lines.mid(0, c.dropFromLine - 1);
    bytes = c.line == 0 && c.dropFromLine == 0 ? QByteArray(c.text) : joinLines(lines);
    const QString path = folder.file(QStringLiteral("Tables/F80_C0050_PF_4x5.stf"));
    folder.write(QStringLiteral("Tables/F80_C0050_PF_4x5.stf"), bytes);

    for (const TableSource source : {TableSource::UserFile, TableSource::TmpTable}) {
        Recorder rec;
        TableState s = sampleTable();
        const TableFileResult read = ReadTableFile(s, path, source);
        EXPECT_EQ(read.status, c.status);
        expectSameSettings(s, sampleTable());
        std::vector<Message> expected;
        if (c.status == TableStatus::OtherVersion)
            expected.push_back({"information", "Fichier non compatible avec la version Version 1.0.0.0"});
        else if (source == TableSource::UserFile)
            expected.push_back({"error", "Fichier illisible ou endommagé : " + path});
        EXPECT_EQ(Said(read.messages), expected);
        EXPECT_TRUE(rec.messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTableFile,
    testing::Values(DamageCase{"HugeCount", 17, "2000000000", 0, TableStatus::ReadError},
                    DamageCase{"CountBeyondInt", 18, "99999999999", 0, TableStatus::ReadError},
                    DamageCase{"NegativeCount", 18, "-3", 0, TableStatus::ReadError},
                    DamageCase{"CountAboveAnyList", 17, "1001", 0, TableStatus::ReadError},
                    DamageCase{"CountBeyondTheLines", 18, "4", 0, TableStatus::ReadError},
                    DamageCase{"CountNotANumber", 17, "trois", 0, TableStatus::ReadError},
                    DamageCase{"BadColumnWidth", 21, "4O", 0, TableStatus::ReadError},
                    DamageCase{"DecimalsOutOfRange", 15, "12", 0, TableStatus::ReadError},
                    DamageCase{"CutInTheHeader", 0, "", 10, TableStatus::ReadError},
                    DamageCase{"OnlyTheVersionLine", 0, "", 2, TableStatus::ReadError},
                    DamageCase{"CutInTheLists", 0, "", 31, TableStatus::ReadError},
                    DamageCase{"EmptyFile", 0, "", 0, TableStatus::OtherVersion},
                    DamageCase{"BinaryBytes", 0, "\x01\xff\x00\x7f\x80\r\n\x9d", 0,
                               TableStatus::OtherVersion},
                    DamageCase{"NoVersionLine", 1, "", 0, TableStatus::OtherVersion}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TableFile, ColumnWidthOutOfTheSpinnerRangeBecomes40)
{
    ProgramFolder folder;
    QStringList lines = TableFileLines(sampleTable());
    lines[7] = lines[20] = QStringLiteral("500");
    const QString path = folder.file(QStringLiteral("t.stf"));
    writeLines(path, lines);
    Recorder rec;
    TableState s;
    s.columnWidth = 70;
    EXPECT_EQ(rec.keep(ReadTableFile(s, path, TableSource::UserFile)).status, TableStatus::Read);
    EXPECT_EQ(s.columnWidth, 40);
}

TEST(TableFile, ItemThatIsNotANumberIsReportedByTheRefresh)
{
    ProgramFolder folder;
    QStringList lines = TableFileLines(sampleTable());
    lines[29] = QStringLiteral("huit"); // the second f-number
    const QString path = folder.file(QStringLiteral("Tables/F80_C0050_PF_10x12 in.stf"));
    writeLines(path, lines);

    Recorder rec;
    TableState s = sampleTable();
    TableModel model;
    ASSERT_TRUE(rec.keep(RefreshTable(s, model)));
    const QString before = model.cell(1, 1);
    rec.answerFile(path);
    EXPECT_EQ(rec.keep(OpenTable(s, model, rec.opening())).status, TableStatus::Read);
    EXPECT_EQ(s.fNumbers, (QStringList{"5,6", "huit", "11"}));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"warning", "La liste des diaphragmes contient une valeur incorrecte : 'huit'"}}));
    EXPECT_EQ(model.cell(1, 1), before);
}

TEST(WriteTableFile, EmptyTableWritesNothing)
{
    ProgramFolder folder;
    Recorder rec;
    EXPECT_FALSE(rec.keep(
        WriteTableFile(sampleTable(), TableModel(), folder.file(QStringLiteral("t.stf")))));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"plain", "Table vide"}}));
    EXPECT_FALSE(folder.exists(QStringLiteral("t.stf")));
}

struct UsableCase {
    const char *name;
    const char *fileName;
    bool usable;
};

class UsableName : public testing::TestWithParam<UsableCase> {};

TEST_P(UsableName, Checked)
{
    const UsableCase &c = GetParam();
    ProgramFolder folder;
    folder.write(QStringLiteral("Tables/exists.stf"), "x");
    folder.write(QStringLiteral("Tables/.hidden.stf"), "x");
    folder.write(QStringLiteral("Tables/locked.stf"), "x");
    QFile::setPermissions(folder.file(QStringLiteral("Tables/locked.stf")),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QDir().mkpath(folder.file(QStringLiteral("Tables/folder.stf")));
    // "LONG": a name past the 255 bytes a file system allows.
    const QString name = qstrcmp(c.fileName, "LONG") == 0 ? QString(256, u'F') + QStringLiteral(".stf")
                                                        : QString::fromUtf8(c.fileName);
    EXPECT_EQ(IsUsableFileName(folder.file(QStringLiteral("Tables")), name), c.usable);
    // No probe file is left behind.
    EXPECT_EQ(QDir(folder.file(QStringLiteral("Tables"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsableName,
    testing::Values(UsableCase{"New", "F80_C0050_PF_10x12 in.stf", true},
                    UsableCase{"ExistingFile", "exists.stf", true},
                    UsableCase{"Accents", "F80_C0050_PF_4x5_Optique éclairée.stf", true},
                    UsableCase{"Slash", "F150_C0100_PF_4x5_Symmar 5,6/150.stf", false},
                    UsableCase{"Colon", "F80:x.stf", false},
                    UsableCase{"Question", "F80?.stf", false},
                    UsableCase{"Empty", "", false},
                    UsableCase{"Dots", "..", false},
                    UsableCase{"TooLong", "LONG", false},
                    UsableCase{"Folder", "folder.stf", false},
                    UsableCase{"Hidden", ".hidden.stf", false},
                    UsableCase{"ReadOnly", "locked.stf", false}),
    [](const auto &info) { return std::string(info.param.name); });

// SaveTable, OpenTable, the tmp table and the test table run in a fresh
// program folder with the installation data.
class TableCommands : public testing::Test {
protected:
    ProgramFolder folder;
    Recorder rec;
    TableState state = sampleTable();
    TableModel model;
    const QString name = QStringLiteral("F80_C0050_PF_10x12 in.stf");
    QString saveQuestion() const
    {
        return QStringLiteral("La table va être enregistrée dans le fichier:\r\n") + name +
               QStringLiteral("\r\nContinuer?");
    }
};

TEST_F(TableCommands, SaveWritesInTablesAfterTheConfirmation)
{
    rec.answerConfirm(true);
    EXPECT_TRUE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"confirm", saveQuestion()}}));
    EXPECT_EQ(fileLines(folder.file(QStringLiteral("Tables/") + name)), TableFileLines(state));
    EXPECT_FALSE(model.isEmpty()); // saving refreshes first
}

TEST_F(TableCommands, SaveOverAnExistingTableAsksAgain)
{
    folder.write(QStringLiteral("Tables/") + name, "ancienne table");
    rec.answerConfirm(true);
    rec.answerConfirm(false);
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.texts(), (QStringList{saveQuestion(), "Le fichier " + name +
                                                            " existe, il sera remplacé.\r\nContinuer?"}));
    EXPECT_EQ(folder.read(QStringLiteral("Tables/") + name), QByteArray("ancienne table"));

    rec.clear();
    rec.answerConfirm(true);
    rec.answerConfirm(true);
    EXPECT_TRUE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_TRUE(folder.read(QStringLiteral("Tables/") + name).startsWith("Version 1.0.0.0\r\n"));
}

// The refresh's repairs are read before the question, as they were made.
TEST_F(TableCommands, SaveShowsTheRepairsBeforeItAsks)
{
    state.focal = QStringLiteral("2000");
    rec.answerConfirm(false);
    const TableReport saved = SaveTable(state, model, rec.asking());
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.messages.empty());
    const QString question = QStringLiteral("La table va être enregistrée dans le fichier:\r\n") +
                             QStringLiteral("F1200_C0050_PF_10x12 in.stf\r\nContinuer?");
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"warning", "Valeur hors intervalle 10,0-1200,0"},
                                    {"confirm", question}}));
}

TEST_F(TableCommands, SaveAnsweredNoWritesNothing)
{
    rec.answerConfirm(false);
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_FALSE(folder.exists(QStringLiteral("Tables/") + name));
}

TEST_F(TableCommands, SaveRefusesAnUnderscore)
{
    state.format = QStringLiteral("4_5");
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"information", "Le caractère _ n'est pas  autorisé dans le format et les "
                                  "références de l'objectif"}}));
    EXPECT_FALSE(folder.exists(QStringLiteral("Tables")));
}

// Lens references as makers write them hold characters no file name may:
// the name maps them, the fields and the file keep them as typed, and the
// table reopens (from Tables/ and as the tmp table) with them.
struct MakerReferenceCase {
    const char *name;
    const char16_t *references, *format;
    const char16_t *fileName;
};

class MakerReferences : public TableCommands,
                        public testing::WithParamInterface<MakerReferenceCase> {};

TEST_P(MakerReferences, SavedUnderASafeNameAndReopenedAsTyped)
{
    const MakerReferenceCase &c = GetParam();
    state.lensReferences = QString::fromUtf16(c.references);
    state.format = QString::fromUtf16(c.format);
    const QString fileName = QString::fromUtf16(c.fileName);
    EXPECT_EQ(TableFileName(state, QStringLiteral(".stf")), fileName);
    EXPECT_EQ(TableFileName(state, QStringLiteral(".pdf")),
              fileName.chopped(4) + QStringLiteral(".pdf"));

    rec.answerConfirm(true);
    ASSERT_TRUE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.texts(),
              QStringList{QStringLiteral("La table va être enregistrée dans le fichier:\r\n") +
                          fileName + QStringLiteral("\r\nContinuer?")});
    const QStringList lines = fileLines(folder.file(QStringLiteral("Tables/") + fileName));
    EXPECT_EQ(lines.value(9), state.lensReferences);
    EXPECT_EQ(lines.value(19), state.format);

    TableState reopened;
    rec.answerFile(folder.file(QStringLiteral("Tables/") + fileName));
    EXPECT_EQ(rec.keep(OpenTable(reopened, model, rec.opening())).status, TableStatus::Read);
    expectSameSettings(reopened, state);

    QString tmpTablePath = rec.keep(SaveTmpTable(state, model)).path;
    ASSERT_FALSE(tmpTablePath.isEmpty());
    EXPECT_EQ(QFileInfo(tmpTablePath).fileName(), fileName.chopped(4) + QStringLiteral(".tmp"));
    TableState restored;
    ASSERT_EQ(rec.keep(LoadTmpTable(restored, tmpTablePath)).status, TableStatus::Read);
    expectSameSettings(restored, state);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakerReferences,
    testing::Values(
        MakerReferenceCase{"SuperSymmar", u"Super Symmar 5,6/150", u"4x5",
                           u"F80_C0050_PF_4x5_Super Symmar 5,6-150.stf"},
        MakerReferenceCase{"PlanarStar", u"Planar T* 2,8/80 C", u"6x6",
                           u"F80_C0050_PF_6x6_Planar T_ 2,8-80 C.stf"},
        MakerReferenceCase{"FormatWithASlash", u"Nikkor W 5,6/210", u"9/12 cm",
                           u"F80_C0050_PF_9-12 cm_Nikkor W 5,6-210.stf"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TableCommands, SaveStopsWhenTheTableCannotBeComputed)
{
    state.distances.clear();
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_EQ(rec.texts(), QStringList{"Créez une liste des distances"});
}

TEST_F(TableCommands, OpenReadsTheChosenFileAndRefreshes)
{
    TableState saved = everyFieldSet();
    writeLines(folder.file(QStringLiteral("Tables/F80_C0050_Fa_PL_4x5_Test 150.stf")),
               TableFileLines(saved));
    rec.answerFile(folder.file(QStringLiteral("Tables/F80_C0050_Fa_PL_4x5_Test 150.stf")));
    EXPECT_EQ(rec.keep(OpenTable(state, model, rec.opening())).status, TableStatus::Read);
    EXPECT_EQ(rec.fileRequests,
              QStringList{"open:" + folder.file(QStringLiteral("Tables/")) + "|optolune (*.stf)"});
    expectSameSettings(state, saved);
    EXPECT_EQ(model.cell(1, 0), QStringLiteral("1")); // horizontal: distances across
    EXPECT_EQ(model.nDia, 3);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TableCommands, OpenCancelledOrMissing)
{
    rec.answerFile(std::nullopt);
    EXPECT_EQ(rec.keep(OpenTable(state, model, rec.opening())).status, TableStatus::Cancelled);
    rec.answerFile(folder.file(QStringLiteral("Tables/absente.stf")));
    EXPECT_EQ(rec.keep(OpenTable(state, model, rec.opening())).status, TableStatus::Missing);
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"error", "Impossible d'ouvrir le fichier " + folder.file("Tables/absente.stf")}}));
    expectSameSettings(state, sampleTable());
    EXPECT_TRUE(model.isEmpty());
}

// A fresh program folder has no Tables/ yet: the open dialog still starts
// there, not wherever the process happens to be.
TEST_F(TableCommands, OpenStartsInTablesInAFreshProgramFolder)
{
    ASSERT_FALSE(folder.exists(QStringLiteral("Tables")));
    rec.answerFile(std::nullopt);
    EXPECT_EQ(rec.keep(OpenTable(state, model, rec.opening())).status, TableStatus::Cancelled);
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("Tables"))).isDir());
    EXPECT_EQ(rec.fileRequests,
              QStringList{"open:" + folder.file(QStringLiteral("Tables/")) + "|optolune (*.stf)"});
}

// The Western characters of a format, lens references and comment survive
// the tmp table's name, its contents and the settings file that names it,
// from one run to the next.
TEST_F(TableCommands, WesternCharactersSurviveARestart)
{
    state.format = QStringLiteral("6×7 é€");
    state.lensReferences = QStringLiteral("Planar œ");
    state.comment = QStringLiteral("Été à 5 €");
    const TmpTableSave saved = rec.keep(SaveTmpTable(state, model));
    ASSERT_TRUE(saved);
    IniFile ini;
    ini.load(appPaths().iniFileName);
    FichtempSettings{saved.path}.save(ini);
    ini.save(appPaths().iniFileName);

    IniFile next;
    next.load(appPaths().iniFileName);
    FichtempSettings fichtemp;
    fichtemp.load(next);
    QString tmpTablePath = fichtemp.table;
    TableState reopened;
    ASSERT_EQ(rec.keep(LoadTestTable(reopened)).status, TableStatus::Read);
    ASSERT_EQ(rec.keep(LoadTmpTable(reopened, tmpTablePath)).status, TableStatus::Read);
    expectSameSettings(reopened, state);
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("tmp"))).isEmpty());
}

// A name the file system gives may hold characters the files' code page
// has no place for: they are left out, so that the tmp table written from
// this table keeps its name through the settings file.
TEST_F(TableCommands, CharactersBeyondTheCodePageInAFileNameAreLeftOut)
{
    const QString fileName = QString::fromUtf16(u"F80_C0050_PF_6x7\u03A9_Lens \U0001F600.stf");
    writeLines(folder.file(QStringLiteral("Tables/") + fileName), TableFileLines(sampleTable()));
    TableState read;
    ASSERT_EQ(rec.keep(ReadTableFile(read, folder.file(QStringLiteral("Tables/") + fileName),
                                     TableSource::UserFile))
                  .status,
              TableStatus::Read);
    EXPECT_EQ(read.format, QStringLiteral("6x7"));
    EXPECT_EQ(read.lensReferences, QStringLiteral("Lens "));
}

// What the reader would refuse is never written: a list longer than a
// table file holds, or a file beyond a megabyte.
TEST_F(TableCommands, ATableTooLargeToReadBackIsNotWritten)
{
    ASSERT_TRUE(rec.keep(RefreshTable(state, model)));
    TableState large = state;
    for (int i = 0; i < kMaxTableListItems; ++i)
        large.fNumbers << QStringLiteral("8");
    const QString path = folder.file(QStringLiteral("large.stf"));
    EXPECT_FALSE(rec.keep(WriteTableFile(large, model, path)));
    TableState longItems = state;
    longItems.comment = QString(2 * 1024 * 1024, u'x');
    EXPECT_FALSE(rec.keep(WriteTableFile(longItems, model, path)));
    EXPECT_FALSE(QFileInfo::exists(path));
    const QString refusal = QStringLiteral("Table trop grande pour être enregistrée : 1000 "
                                           "diaphragmes et 1000 distances au plus");
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"information", refusal}, {"information", refusal}}));
    // At the limit itself it is written and reads back.
    TableState full = state;
    full.fNumbers.clear();
    for (int i = 0; i < kMaxTableListItems; ++i)
        full.fNumbers << QStringLiteral("8");
    EXPECT_TRUE(rec.keep(WriteTableFile(full, model, path)));
    TableState back;
    EXPECT_EQ(rec.keep(ReadTableFile(back, path, TableSource::UserFile)).status, TableStatus::Read);
    EXPECT_EQ(back.fNumbers.size(), kMaxTableListItems);
}

TEST_F(TableCommands, TmpTableKeepsTheWindowFromOneOpeningToTheNext)
{
    state.comment = QStringLiteral("en cours");
    QString tmpTablePath = rec.keep(SaveTmpTable(state, model)).path;
    const QString path = folder.file(QStringLiteral("tmp/F80_C0050_PF_10x12 in.tmp"));
    EXPECT_EQ(tmpTablePath, QDir::toNativeSeparators(path));
    EXPECT_TRUE(QFileInfo::exists(path));

    TableState reopened;
    ASSERT_EQ(rec.keep(LoadTestTable(reopened)).status, TableStatus::Read);
    EXPECT_EQ(rec.keep(LoadTmpTable(reopened, tmpTablePath)).status, TableStatus::Read);
    expectSameSettings(reopened, state);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(rec.messages().empty());
}

// The tmp table holds the last session: the first start after an upgrade
// brings it back and deletes it, as any other start.
TEST_F(TableCommands, TmpTableKeptAcrossAnUpgrade)
{
    state = everyFieldSet();
    QString tmpTablePath = rec.keep(SaveTmpTable(state, model)).path;
    ASSERT_FALSE(tmpTablePath.isEmpty());
    const QString path = QDir::fromNativeSeparators(tmpTablePath);
    QStringList lines = fileLines(path);
    lines[0] = QStringLiteral("Version 1.0.0.0"); // written by version 1.0.0.0
    writeLines(path, lines);

    TableState reopened;
    ASSERT_EQ(rec.keep(LoadTestTable(reopened)).status, TableStatus::Read);
    EXPECT_EQ(
        rec.keep(LoadTmpTable(reopened, tmpTablePath, QStringLiteral("Version 1.2.0.0"))).status,
        TableStatus::Read);
    expectSameSettings(reopened, state);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TableCommands, TmpTableNotWrittenWithAnEmptyField)
{
    state.nodal.clear();
    const TmpTableSave saved = rec.keep(SaveTmpTable(state, model));
    EXPECT_FALSE(saved);
    EXPECT_FALSE(folder.exists(QStringLiteral("tmp")));
    EXPECT_TRUE(saved.path.isEmpty());
}

TEST_F(TableCommands, TmpTableWrittenEvenWhenAListIsEmpty)
{
    ASSERT_TRUE(rec.keep(RefreshTable(state, model)));
    state.fNumbers.clear();
    QString tmpTablePath = rec.keep(SaveTmpTable(state, model)).path;
    EXPECT_FALSE(tmpTablePath.isEmpty());
    EXPECT_EQ(rec.texts(), QStringList{"Créez une liste des diaphragmes"});
    TableState reopened;
    EXPECT_EQ(rec.keep(LoadTmpTable(reopened, tmpTablePath)).status, TableStatus::Read);
    EXPECT_TRUE(reopened.fNumbers.isEmpty());
    EXPECT_EQ(reopened.distances, state.distances);
}

TEST_F(TableCommands, DamagedTmpTableIsLeftInPlace)
{
    folder.write(QStringLiteral("tmp/F80_C0050_PF_10x12 in.tmp"), "Version 1.0.0.0\r\nOk\r\n");
    QString tmpTablePath = folder.file(QStringLiteral("tmp/F80_C0050_PF_10x12 in.tmp"));
    EXPECT_EQ(rec.keep(LoadTmpTable(state, tmpTablePath)).status, TableStatus::ReadError);
    EXPECT_TRUE(folder.exists(QStringLiteral("tmp/F80_C0050_PF_10x12 in.tmp")));
    EXPECT_TRUE(rec.messages().empty());
    expectSameSettings(state, sampleTable());
}

struct ForeignPathCase {
    const char *name;
    const char *file;   // the file that exists, relative to the program folder
    const char *path;   // the tmp table's path, relative to the program folder
    bool linkInTmp;
};

class TmpTableOutsideTmp : public testing::TestWithParam<ForeignPathCase> {};

// A damaged settings file must not make the program read or delete a user's
// table: only a ".tmp" file right inside tmp/ is taken.
TEST_P(TmpTableOutsideTmp, NeitherReadNorDeleted)
{
    const ForeignPathCase &c = GetParam();
    ProgramFolder folder;
    Recorder rec;
    TableState user = everyFieldSet();
    writeLines(folder.file(QString::fromLatin1(c.file)), TableFileLines(user));
    QDir().mkpath(folder.file(QStringLiteral("tmp")));
    if (c.linkInTmp) {
        ASSERT_TRUE(QFile::link(folder.file(QString::fromLatin1(c.file)),
                                folder.file(QString::fromLatin1(c.path))));
    }
    QString tmpTablePath = folder.file(QString::fromLatin1(c.path));
    TableState s;
    EXPECT_EQ(rec.keep(LoadTmpTable(s, tmpTablePath)).status,
              TableStatus::Read); // the test table instead
    EXPECT_EQ(s.lensReferences, QStringLiteral("Test Optolune"));
    EXPECT_TRUE(folder.exists(QString::fromLatin1(c.file)));
    EXPECT_TRUE(tmpTablePath.isEmpty());
    EXPECT_TRUE(rec.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TmpTableOutsideTmp,
    testing::Values(
        ForeignPathCase{"UserTable", "Tables/F80_C0050_Fa_PL_4x5_Test 150.stf",
                        "Tables/F80_C0050_Fa_PL_4x5_Test 150.stf", false},
        ForeignPathCase{"TmpNamedFileInTables", "Tables/x.tmp", "Tables/x.tmp", false},
        ForeignPathCase{"ClimbingOutOfTmp", "Tables/x.tmp", "tmp/../Tables/x.tmp", false},
        ForeignPathCase{"LinkInTmp", "Tables/x.stf", "tmp/x.tmp", true},
        ForeignPathCase{"NotATmpFile", "tmp/x.stf", "tmp/x.stf", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TableCommands, DeliveredTestTable)
{
    EXPECT_EQ(fileLines(TestTablePath()).first(), VersionText());
    ASSERT_EQ(rec.keep(LoadTestTable(state)).status, TableStatus::Read);
    EXPECT_EQ(state.focal, QStringLiteral("148,1"));
    EXPECT_EQ(state.circle, QStringLiteral("0,100"));
    EXPECT_EQ(state.nodal, QStringLiteral("24,8"));
    EXPECT_EQ(state.pupil, QStringLiteral("1,1"));
    EXPECT_EQ(state.format, QStringLiteral("4x5"));
    EXPECT_EQ(state.lensReferences, QStringLiteral("Test Optolune"));
    EXPECT_EQ(state.namePrefix, QStringLiteral("F148,1_C0100_PF_4x5"));
    EXPECT_TRUE(state.fromFilm);
    EXPECT_FALSE(state.fNumbers.isEmpty());
    EXPECT_FALSE(state.distances.isEmpty());
    EXPECT_TRUE(rec.keep(RefreshTable(state, model)));
    // Every distance of the test table can be focused with this lens.
    for (int r = 1; r <= state.nDist; ++r)
        EXPECT_FALSE(model.cell(1, r).isEmpty()) << r;
    EXPECT_TRUE(rec.messages().empty());
}

TEST(TestTable, MissingOrWithoutAVersionLine)
{
    ProgramFolder folder(false);
    Recorder rec;
    TableState s;
    EXPECT_EQ(rec.keep(LoadTestTable(s)).status, TableStatus::Missing);
    QStringList lines = TableFileLines(sampleTable());
    lines[0] = QStringLiteral("Version 0.0.1");
    writeLines(TestTablePath(), lines);
    EXPECT_EQ(rec.keep(LoadTestTable(s)).status, TableStatus::OtherVersion);
    EXPECT_EQ(rec.texts(), QStringList{"Fichier non compatible avec la version Version 1.0.0.0"});
}

TEST_F(TableCommands, MemoryFileStoresAndRecallsTheFourFields)
{
    state.circle = QStringLiteral("0.1");
    state.focal = QStringLiteral("150");
    state.nodal = QStringLiteral("");
    state.pupil = QStringLiteral("0,9");
    ASSERT_TRUE(rec.keep(StoreParameters(state)));
    EXPECT_EQ(folder.read(QStringLiteral("Data/memf.slc")), QByteArray("0.1\r\n150\r\n\r\n0,9\r\n"));

    TableState other = sampleTable();
    EXPECT_TRUE(rec.keep(RecallParameters(other, model)));
    EXPECT_EQ(other.circle, QStringLiteral("0,100")); // recalled, then validated
    EXPECT_EQ(other.focal, QStringLiteral("150"));
    EXPECT_EQ(other.nodal, QStringLiteral("0"));
    EXPECT_EQ(other.pupil, QStringLiteral("0,900"));
    EXPECT_FALSE(model.isEmpty());
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TableCommands, MemoryFileMissingOrIncompleteChangesNothing)
{
    EXPECT_FALSE(rec.keep(RecallParameters(state, model)));
    folder.write(QStringLiteral("Data/memf.slc"), "0,1\r\n150\r\n");
    EXPECT_FALSE(rec.keep(RecallParameters(state, model)));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"error", "Impossible d'ouvrir le fichier " + folder.file("Data/memf.slc")},
                  {"error", "Fichier illisible ou endommagé : " + folder.file("Data/memf.slc")}}));
    expectSameSettings(state, sampleTable());
    EXPECT_TRUE(model.isEmpty());
}
