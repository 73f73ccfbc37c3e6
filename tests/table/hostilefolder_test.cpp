// The program folder turned hostile: read-only Data/, Tables/ and tmp/, a tmp/
// that is a link to elsewhere, a full disk, a settings file naming a file
// outside tmp/, a plain file standing where a folder should be. Each gives its
// message; nothing outside the program folder is read, written or deleted,
// and nothing saved before is lost.
#include "circle/formatgrid.h"
#include "core/apppaths.h"
#include "core/bitmapexport.h"
#include "core/datafiles.h"
#include "core/inifile.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "lens/lensdata.h"
#include "lists/listeditor.h"
#include "lists/listfiles.h"
#include "lists/valuelist.h"
#include "support/fulldisk.h"
#include "support/programfolder.h"
#include "support/readonlyfolder.h"
#include "support/recorder.h"
#include "table/displayoptions.h"
#include "table/tablecompute.h"
#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace optolune;
using optolune::test::builtDataFolder;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::ReadOnlyFolder;
using optolune::test::Recorder;
using optolune::test::Said;

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
    EXPECT_FALSE(rec.keep(StoreParameters(state)));
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
    const DataFilesCheck check = CheckDataFiles(folder.dataPath());
    EXPECT_TRUE(check.usable);
    const QString missing = folder.file(QStringLiteral("Data/cbxdis7.stf"));
    EXPECT_EQ(Said(check.notices),
              (std::vector<Message>{{"plain", "Fichier manquant " + missing},
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
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
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
    const TmpTableSave saved = rec.keep(SaveTmpTable(state, model));
    EXPECT_FALSE(saved);
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", cannotCreate(QStringLiteral("tmp/") + kTmpTable)}}));
    EXPECT_TRUE(saved.path.isEmpty());
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
    const TmpTableSave saved = rec.keep(SaveTmpTable(state, model));
    EXPECT_FALSE(saved);
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", cannotCreate(QStringLiteral("tmp/") + kTmpTable)}}));
    EXPECT_TRUE(saved.path.isEmpty());

    // Opening it with a tmp table recorded through the link: the file
    // elsewhere is neither read nor deleted; the test table is taken instead.
    rec.clear();
    QString tmpTablePath = folder.file(QStringLiteral("tmp/") + kTmpTable);
    TableState reopened;
    EXPECT_EQ(rec.keep(LoadTmpTable(reopened, tmpTablePath)).status, TableStatus::Read);
    EXPECT_EQ(reopened.lensReferences, QStringLiteral("Test Optolune"));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(snapshot(elsewhere.path()), before);
}

TEST_F(HostileFolder, FullDiskLosesNothingSavedBefore)
{
    const auto data = snapshot(folder.dataPath());
    test::FullDisk fullDisk;

    rec.answerConfirm(true);
    rec.answerConfirm(true);
    EXPECT_FALSE(rec.keep(SaveTable(state, model, rec.asking())));
    EXPECT_FALSE(rec.keep(StoreParameters(state)));
    EXPECT_FALSE(rec.keep(SaveTmpTable(state, model)));
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
    test::FullDisk fullDisk;
    const DataFilesCheck check = CheckDataFiles(folder.dataPath());
    EXPECT_FALSE(check.usable);
    const QString missing = folder.file(QStringLiteral("Data/cbxcer7.stf"));
    EXPECT_EQ(Said(check.notices).back(),
              (Message{"plain", missing + " La récupération a échoué"}));
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
        QString tmpTablePath = fichtemp.table;
        TableState s;
        EXPECT_EQ(rec.keep(LoadTmpTable(s, tmpTablePath)).status, TableStatus::Read)
            << named.toStdString();
        EXPECT_EQ(s.lensReferences, QStringLiteral("Test Optolune")); // the test table instead
        EXPECT_TRUE(tmpTablePath.isEmpty());
    }
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(snapshot(outside.path()), before);
}

// A plain file standing where the program expects a folder (Tables/, tmp/,
// Data/, bmp_dev/, the user's own folder): nothing can be created in it,
// whoever runs the test, root included. Each writer says it cannot create its
// file (or the folder) with the path, asks no more than it asked before, and
// leaves everything in the program folder as it was, the file in the way
// included.
namespace {

// How a writer tells its failure: a UserError its caller shows, an error
// message of its own (and false), or the text it returns.
enum class Says { Throws, Reports, Returns };

struct FileWhereAFolderShouldBeCase {
    const char *name;
    const char *inTheWay; // the folder, relative to the program folder
    int questions;        // confirmations answered Yes before the failure
    Says says;
    const char *message;  // %1 is the program folder, ending with '/'
    // Runs the writer; returns the text it returned (Says::Returns).
    std::function<QString(const ProgramFolder &)> write;
};

void PrintTo(const FileWhereAFolderShouldBeCase &c, std::ostream *os) { *os << c.name; }

// Every entry under a folder, with the bytes of each file.
QMap<QString, QByteArray> everything(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    const QDir root(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile f(info.filePath());
        entries.insert(root.relativeFilePath(info.filePath()),
                       info.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll()
                                                                     : QByteArray("<folder>"));
    }
    return entries;
}

TableModel refreshedSample()
{
    TableState s = sampleTable();
    TableModel m;
    EXPECT_TRUE(RefreshTable(s, m));
    return m;
}

// The per-user layout of an installed program, its folder in the test's.
AppPaths perUserLayout(const ProgramFolder &folder)
{
    AppPaths p = AppPaths::compute(folder.file(QStringLiteral("usr/bin/optolune")),
                                   folder.file(QStringLiteral("optolune")));
    p.rule = FolderRule::PerUser;
    p.installedDataFolder = folder.file(QStringLiteral("usr/share/optolune/Data/"));
    return p;
}

class FileWhereAFolderShouldBe : public testing::TestWithParam<FileWhereAFolderShouldBeCase> {};

} // namespace

TEST_P(FileWhereAFolderShouldBe, TheWriterSaysSoAndChangesNothing)
{
    const FileWhereAFolderShouldBeCase &c = GetParam();
    ProgramFolder folder(false);
    Recorder rec;
    const QByteArray inTheWay("un fichier, pas un dossier");
    folder.write(QString::fromUtf8(c.inTheWay), inTheWay);
    const auto before = everything(folder.path());
    for (int i = 0; i < c.questions; ++i)
        rec.answerConfirm(true);

    QString returned, thrown;
    bool threw = false;
    try {
        returned = c.write(folder);
    } catch (const UserError &e) {
        threw = true;
        thrown = e.text();
    }

    const QString expected = QString::fromUtf8(c.message).arg(folder.path());
    const auto &said = rec.messages();
    for (int i = 0; i < c.questions; ++i) {
        EXPECT_EQ(said.size() > size_t(i) ? said[i].kind : QString(), QStringLiteral("confirm")) << i;
    }
    switch (c.says) {
    case Says::Throws:
        EXPECT_TRUE(threw);
        EXPECT_EQ(thrown, expected);
        EXPECT_EQ(said.size(), size_t(c.questions));
        break;
    case Says::Reports:
        EXPECT_FALSE(threw) << thrown.toStdString();
        ASSERT_EQ(said.size(), size_t(c.questions) + 1);
        EXPECT_EQ(said.back(), (Message{"error", expected}));
        break;
    case Says::Returns:
        EXPECT_FALSE(threw) << thrown.toStdString();
        EXPECT_EQ(returned, expected);
        EXPECT_EQ(said.size(), size_t(c.questions));
        break;
    }
    EXPECT_TRUE(QFileInfo(folder.file(QString::fromUtf8(c.inTheWay))).isFile());
    EXPECT_EQ(folder.read(QString::fromUtf8(c.inTheWay)), inTheWay);
    EXPECT_EQ(everything(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, FileWhereAFolderShouldBe,
    testing::Values(
        FileWhereAFolderShouldBeCase{"TableSave", "Tables", 1, Says::Reports,
                                     "Impossible de créer le fichier %1Tables/F80_C0050_PF_4x5.stf",
                                     [](const ProgramFolder &) {
                                         TableState s = sampleTable();
                                         TableModel m;
                                         const TableReport saved =
                                             SaveTable(s, m, ConfirmThroughMessages);
                                         ShowNotices(saved.messages);
                                         EXPECT_FALSE(saved);
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{"TmpTableOnClosingTheTableWindow", "tmp", 0, Says::Reports,
                                     "Impossible de créer le fichier %1tmp/F80_C0050_PF_4x5.tmp",
                                     [](const ProgramFolder &) {
                                         TableState s = sampleTable();
                                         TableModel m;
                                         const TmpTableSave saved = SaveTmpTable(s, m);
                                         ShowNotices(saved.messages);
                                         EXPECT_FALSE(saved);
                                         EXPECT_TRUE(saved.path.isEmpty());
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{"LensParametersMemory", "Data", 0, Says::Reports,
                                     "Impossible de créer le fichier %1Data/memf.slc",
                                     [](const ProgramFolder &) {
                                         const TableReport stored = StoreParameters(sampleTable());
                                         ShowNotices(stored.messages);
                                         EXPECT_FALSE(stored);
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{"ListFile", "Data", 0, Says::Throws,
                                     "Impossible de créer le fichier %1Data/cbxdia3.stf",
                                     [](const ProgramFolder &folder) {
                                         SaveListFile(folder.dataPath(), ListKind::Dia, 3,
                                                      listOf({"2,8"}), false);
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{"ListEditorStoredList", "Data", 1, Says::Throws,
                                     "Impossible de créer le fichier %1Data/cbxdis1.stf",
                                     [](const ProgramFolder &folder) {
                                         ListEditor editor(folder.dataPath(), ListKind::Dis);
                                         ValueList list;
                                         list.append(QStringLiteral("3"), true);
                                         editor.current = list;
                                         try {
                                             // The question goes to the recorder, as the window
                                             // would ask it.
                                             editor.SaveStoredList(
                                                 false, [](const QString &question) {
                                                     return messages().confirm(question);
                                                 });
                                         } catch (const UserError &) {
                                             // The list being edited stays as it was.
                                             EXPECT_EQ(editor.current.count(), 1);
                                             EXPECT_EQ(editor.current.text(0), QStringLiteral("3"));
                                             EXPECT_TRUE(editor.current.isChecked(0));
                                             throw;
                                         }
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{"FormatGridFile", "Data", 0, Says::Throws,
                                     "Impossible de créer le fichier %1Data/cbxcgr1.stf",
                                     [](const ProgramFolder &folder) {
                                         WriteGridFile(NewFormatGrid(), folder.file(QStringLiteral(
                                                                            "Data/cbxcgr1.stf")));
                                         return QString();
                                     }},
        FileWhereAFolderShouldBeCase{
            "InstallationDataCopy", "Data", 0, Says::Throws,
            "Impossible de créer le fichier %1Data/cbxdis7.stf",
            [](const ProgramFolder &folder) {
                CopyFileContents(QDir(builtDataFolder()).filePath(QStringLiteral("cbxdis7.stf")),
                                 folder.file(QStringLiteral("Data/cbxdis7.stf")));
                return QString();
            }},
        FileWhereAFolderShouldBeCase{
            "CsvExport", "Tables", 0, Says::Throws,
            "Impossible de créer le fichier %1Tables/table.csv",
            [](const ProgramFolder &folder) {
                ShowNotices(ExportTableCsv(refreshedSample(),
                                           folder.file(QStringLiteral("Tables/table.csv")))
                                .messages);
                return QString();
            }},
        FileWhereAFolderShouldBeCase{
            "Bitmap", "bmp_dev", 0, Says::Throws, "Impossible de créer le dossier %1bmp_dev/",
            [](const ProgramFolder &) {
                QImage image(8, 8, QImage::Format_RGB32);
                image.fill(0xff0000);
                return SaveClipboardBitmap(image, appPaths().bitmapFolder(), QStringLiteral("table 1"));
            }},
        FileWhereAFolderShouldBeCase{
            "SettingsFile", "optolune", 0, Says::Throws,
            "Impossible de créer le fichier %1optolune/optolune.INI",
            [](const ProgramFolder &folder) {
                IniFile ini;
                ini.setValue(QStringLiteral("fichtemp"), QStringLiteral("table"), QStringLiteral("x"));
                ini.save(folder.file(QStringLiteral("optolune/optolune.INI")));
                return QString();
            }},
        FileWhereAFolderShouldBeCase{
            "LensWindowSettings", "optolune", 0, Says::Throws,
            "Impossible de créer le fichier %1optolune/optolune.INI",
            [](const ProgramFolder &folder) {
                writeBladSettings(folder.file(QStringLiteral("optolune/optolune.INI")), BladSettings());
                return QString();
            }},
        FileWhereAFolderShouldBeCase{
            "DisplayOptions", "optolune", 0, Says::Throws,
            "Impossible de créer le fichier %1optolune/optolune.INI",
            [](const ProgramFolder &folder) {
                writeDisplayOptions(folder.file(QStringLiteral("optolune/optolune.INI")),
                                    DisplayOptions{});
                return QString();
            }},
        FileWhereAFolderShouldBeCase{
            "SeedingTheUsersFolder", "optolune", 0, Says::Returns,
            "Impossible de créer le dossier %1optolune/",
            [](const ProgramFolder &folder) { return SeedProgramFolder(perUserLayout(folder)); }},
        FileWhereAFolderShouldBeCase{
            "SeedingTheUsersData", "optolune/Data", 0, Says::Returns,
            "Impossible de créer le dossier %1optolune/Data/",
            [](const ProgramFolder &folder) { return SeedProgramFolder(perUserLayout(folder)); }}),
    [](const auto &info) { return std::string(info.param.name); });
