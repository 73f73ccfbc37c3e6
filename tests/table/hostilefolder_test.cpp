// The program folder turned hostile: read-only Data/, Tables/ and tmp/, a tmp/
// that is a link to elsewhere, a full disk, a settings file naming a file
// outside tmp/. Each gives its message; nothing outside the program folder is
// read, written or deleted, and nothing saved before is lost.
#include "core/apppaths.h"
#include "core/datafiles.h"
#include "core/inifile.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "lists/listfiles.h"
#include "lists/valuelist.h"
#include "support/programfolder.h"
#include "support/readonlyfolder.h"
#include "support/recorder.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::ReadOnlyFolder;
using optolune::test::Recorder;

namespace {

const QString kTable = QStringLiteral("F80_C0050_PF_4x5.stf");
const QString kTmpTable = QStringLiteral("F80_C0050_PF_4x5.tmp");

TableState sampleTable()
{
    TableState s;
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("80");
    s.nodal = QStringLiteral("0");
    s.pupil = QStringLiteral("1,000");
    s.format = QStringLiteral("4x5");
    s.fNumbers = {QStringLiteral("5,6"), QStringLiteral("8")};
    s.distances = {QStringLiteral("1"), QStringLiteral("3")};
    return s;
}

ValueList listOf(const QStringList &texts)
{
    ValueList list;
    for (const QString &t : texts)
        list.append(t, true);
    return list;
}

// Every name in a folder, with the bytes of each file: what must not change.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot)) {
        QFile f(info.filePath());
        files.insert(info.fileName(), info.isFile() && f.open(QIODevice::ReadOnly)
                                          ? f.readAll()
                                          : QByteArray("<not a file>"));
    }
    return files;
}

class HostileFolder : public testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(folder.file(QStringLiteral("Tables")));
        QDir().mkpath(folder.file(QStringLiteral("tmp")));
        folder.write(QStringLiteral("Tables/") + kTable, "table saved before\r\n");
        folder.write(QStringLiteral("Data/memf.slc"), "0,030\r\n150\r\n0\r\n1\r\n");
        SaveListFile(folder.dataPath(), ListKind::Dia, 3, listOf({"5,6", "8"}), false);
    }
    QString cannotCreate(const QString &relative) const
    {
        return QStringLiteral("Impossible de créer le fichier ") + folder.file(relative);
    }

    ProgramFolder folder;
    Recorder rec;
    TableState state = sampleTable();
    TableModel model;
};

} // namespace

TEST_F(HostileFolder, ReadOnlyDataKeepsTheListsAndTheMemoryFile)
{
    const auto before = snapshot(folder.dataPath());
    ReadOnlyFolder readOnly(folder.dataPath());
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "this file system cannot make a folder read-only";

    try {
        SaveListFile(folder.dataPath(), ListKind::Dia, 3, listOf({"11"}), false);
        ADD_FAILURE() << "a list was saved in a read-only folder";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), cannotCreate(QStringLiteral("Data/cbxdia3.stf")));
    }
    EXPECT_FALSE(StoreParameters(state));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", cannotCreate(QStringLiteral("Data/memf.slc"))}}));
    EXPECT_EQ(snapshot(folder.dataPath()), before);
}

TEST_F(HostileFolder, ReadOnlyDataCannotRestoreAMissingFileAndSaysSo)
{
    QFile::remove(folder.file(QStringLiteral("Data/cbxdis7.stf")));
    ReadOnlyFolder readOnly(folder.dataPath());
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    // The copy cannot be created: its error, and the commands stay usable.
    EXPECT_TRUE(CheckDataFiles(folder.dataPath()));
    const QString missing = folder.file(QStringLiteral("Data/cbxdis7.stf"));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{
                                  {"plain", "Fichier manquant " + missing},
                                  {"plain", "Tentative de récupération"},
                                  {"error", "Impossible de créer le fichier " + missing}}));
}

TEST_F(HostileFolder, ReadOnlyTablesKeepsTheTableSavedBefore)
{
    ReadOnlyFolder readOnly(folder.file(QStringLiteral("Tables")));
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    rec.answerConfirm(true); // save
    rec.answerConfirm(true); // replace
    EXPECT_FALSE(SaveTable(state, model));
    ASSERT_EQ(rec.messages().size(), 3u);
    EXPECT_EQ(rec.messages()[2],
              (Message{"error", cannotCreate(QStringLiteral("Tables/") + kTable)}));
    EXPECT_EQ(folder.read(QStringLiteral("Tables/") + kTable), QByteArray("table saved before\r\n"));
    EXPECT_EQ(snapshot(folder.file(QStringLiteral("Tables"))).size(), 1);
}

TEST_F(HostileFolder, ReadOnlyTmpSaysTheTableWindowCannotKeepItsState)
{
    ReadOnlyFolder readOnly(folder.file(QStringLiteral("tmp")));
    if (!readOnly.isReadOnly())
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    EXPECT_FALSE(SaveTmpTable(state, model));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", cannotCreate(QStringLiteral("tmp/") + kTmpTable)}}));
    EXPECT_TRUE(TempTablePath().isEmpty());
    EXPECT_TRUE(snapshot(folder.file(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(HostileFolder, TmpLinkedElsewhereIsNeitherWrittenNorEmptied)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    QDir(folder.file(QStringLiteral("tmp"))).removeRecursively();
    ASSERT_TRUE(QFile::link(elsewhere.path(), folder.file(QStringLiteral("tmp"))));
    const QString foreign = elsewhere.path() + u'/' + kTmpTable;
    {
        QFile f(foreign);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(joinLines(TableFileLines(sampleTable())));
    }
    const auto before = snapshot(elsewhere.path());

    // Closing the table window: nothing is written through the link.
    EXPECT_FALSE(SaveTmpTable(state, model));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", cannotCreate(QStringLiteral("tmp/") + kTmpTable)}}));
    EXPECT_TRUE(TempTablePath().isEmpty());

    // Opening it with a tmp table recorded through the link: the file
    // elsewhere is neither read nor deleted; the test table is taken instead.
    rec.clear();
    TempTablePath() = folder.file(QStringLiteral("tmp/") + kTmpTable);
    TableState reopened;
    EXPECT_EQ(LoadTmpTable(reopened), TableStatus::Read);
    EXPECT_EQ(reopened.lensReferences, QStringLiteral("Test Optolune"));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(snapshot(elsewhere.path()), before);
}

TEST_F(HostileFolder, FullDiskLosesNothingSavedBefore)
{
    const auto data = snapshot(folder.dataPath());
    FullDiskForTests fullDisk;

    rec.answerConfirm(true);
    rec.answerConfirm(true);
    EXPECT_FALSE(SaveTable(state, model));
    EXPECT_FALSE(StoreParameters(state));
    EXPECT_FALSE(SaveTmpTable(state, model));
    try {
        SaveListFile(folder.dataPath(), ListKind::Dia, 3, listOf({"11"}), false);
        ADD_FAILURE() << "a list was saved on a full disk";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), cannotCreate(QStringLiteral("Data/cbxdia3.stf")));
    }
    try {
        IniFile ini;
        ini.setValue(QStringLiteral("fichtemp"), QStringLiteral("table"), QStringLiteral("x"));
        ini.save(appPaths().iniFileName);
        ADD_FAILURE() << "the settings were saved on a full disk";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), cannotCreate(QStringLiteral("optolune.INI")));
    }
    const std::vector<Message> expected{
        {"confirm", "La table va être enregistrée dans le fichier:\r\n" + kTable + "\r\nContinuer?"},
        {"confirm", "Le fichier " + kTable + " existe, il sera remplacé.\r\nContinuer?"},
        {"error", cannotCreate(QStringLiteral("Tables/") + kTable)},
        {"error", cannotCreate(QStringLiteral("Data/memf.slc"))},
        {"error", cannotCreate(QStringLiteral("tmp/") + kTmpTable)}};
    EXPECT_EQ(rec.messages(), expected);

    // Every file as it was, and no half-written file left anywhere.
    EXPECT_EQ(snapshot(folder.dataPath()), data);
    EXPECT_EQ(snapshot(folder.file(QStringLiteral("Tables"))),
              (QMap<QString, QByteArray>{{kTable, "table saved before\r\n"}}));
    EXPECT_TRUE(snapshot(folder.file(QStringLiteral("tmp"))).isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("optolune.INI")));
}

TEST_F(HostileFolder, FullDiskDuringARecoveryDisablesTheCommands)
{
    QFile::remove(folder.file(QStringLiteral("Data/cbxcer7.stf")));
    FullDiskForTests fullDisk;
    EXPECT_FALSE(CheckDataFiles(folder.dataPath()));
    const QString missing = folder.file(QStringLiteral("Data/cbxcer7.stf"));
    EXPECT_EQ(rec.messages().back(), (Message{"plain", missing + " La récupération a échoué"}));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(HostileFolder, SettingsNamingAFileOutsideTmpNeitherReadNorDeleteIt)
{
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    const QString foreign = outside.path() + QStringLiteral("/F80_C0050_PF_4x5.tmp");
    {
        QFile f(foreign);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(joinLines(TableFileLines(sampleTable())));
    }
    const auto before = snapshot(outside.path());
    for (const QString &named : {foreign, folder.file(QStringLiteral("tmp/../")) +
                                              QDir(folder.path()).relativeFilePath(foreign)}) {
        folder.write(QStringLiteral("optolune.INI"), "[fichtemp]\r\ntable=" + named.toUtf8() + "\r\n");
        IniFile ini;
        ini.load(appPaths().iniFileName);
        FichtempSettings fichtemp;
        fichtemp.load(ini);
        TempTablePath() = fichtemp.table;
        TableState s;
        EXPECT_EQ(LoadTmpTable(s), TableStatus::Read) << named.toStdString();
        EXPECT_EQ(s.lensReferences, QStringLiteral("Test Optolune")); // the test table instead
        EXPECT_TRUE(TempTablePath().isEmpty());
    }
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(snapshot(outside.path()), before);
}
