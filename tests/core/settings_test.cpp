#include "core/apppaths.h"
#include "core/datafiles.h"
#include "core/inifile.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::ProgramFolder;
using optolune::test::Recorder;
using optolune::test::Said;

TEST(AppPaths, DerivedFromTheProgramFile)
{
    const AppPaths p = AppPaths::compute(QStringLiteral("/opt/optolune/optolune"));
    EXPECT_EQ(p.programFolder, QStringLiteral("/opt/optolune/"));
    EXPECT_EQ(p.iniFileName, QStringLiteral("/opt/optolune/optolune.INI"));
    EXPECT_EQ(p.helpFileName, QStringLiteral("/opt/optolune/optolune.HLP"));
    EXPECT_EQ(p.utiFileName, QStringLiteral("/opt/optolune/optolune.UTI"));
    EXPECT_EQ(p.dataFolder, QStringLiteral("/opt/optolune/Data/"));

    const AppPaths home = AppPaths::compute(QStringLiteral("/usr/bin/optolune.bin"),
                                            QStringLiteral("/home/ann/optolune"));
    EXPECT_EQ(home.programFolder, QStringLiteral("/home/ann/optolune/"));
    EXPECT_EQ(home.iniFileName, QStringLiteral("/home/ann/optolune/optolune.INI"));
    EXPECT_EQ(home.dataFolder, QStringLiteral("/home/ann/optolune/Data/"));
}

TEST(AppPaths, HomeVariableNamesTheProgramFolder)
{
    ProgramFolder folder(false);
    EXPECT_EQ(appPaths().programFolder, folder.path());
    EXPECT_EQ(appPaths().dataFolder, folder.dataPath());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

// An installed layout in a temporary root: <root>/usr/bin/optolune with the
// installation data in <root>/usr/share/optolune/Data, and a user's data
// folder <root>/home/.local/share/optolune that does not exist yet.
class InstalledLayout : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        QDir().mkpath(bin());
        QDir().mkpath(installedData());
        const QDir built(test::builtDataFolder());
        for (const QString &name : built.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(built.filePath(name), installedData() + name));
        }
        m_names = QDir(installedData()).entryList(QDir::Files);
    }
    QString root() const { return m_root.path() + u'/'; }
    QString bin() const { return root() + QStringLiteral("usr/bin/"); }
    QString exe() const { return bin() + QStringLiteral("optolune"); }
    QString installedData() const { return root() + QStringLiteral("usr/share/optolune/Data/"); }
    QString user() const { return root() + QStringLiteral("home/.local/share/optolune"); }
    AppPaths resolve() const { return AppPaths::resolve(exe(), QString(), user()); }
    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    QTemporaryDir m_root;
    QStringList m_names;
};

TEST_F(InstalledLayout, EachRuleInItsOrder)
{
    // Installed: the user's folder, its settings file inside it.
    AppPaths p = resolve();
    EXPECT_EQ(p.rule, FolderRule::PerUser);
    EXPECT_EQ(p.programFolder, user() + u'/');
    EXPECT_EQ(p.iniFileName, user() + QStringLiteral("/optolune.INI"));
    EXPECT_EQ(p.dataFolder, user() + QStringLiteral("/Data/"));
    EXPECT_EQ(p.tablesFolder(), user() + QStringLiteral("/Tables/"));
    EXPECT_EQ(p.tmpFolder(), user() + QStringLiteral("/tmp/"));
    EXPECT_EQ(p.installedDataFolder, installedData());

    // OPTOLUNE_HOME wins over everything.
    p = AppPaths::resolve(exe(), root() + QStringLiteral("portable"), user());
    EXPECT_EQ(p.rule, FolderRule::Home);
    EXPECT_EQ(p.programFolder, root() + QStringLiteral("portable/"));

    // No user folder known: the program's own folder, as before.
    EXPECT_EQ(AppPaths::resolve(exe(), QString(), QString()).rule, FolderRule::BesideProgram);

    // A Data/ folder beside the program (a build tree, an unpacked copy) keeps
    // everything there, even with installation data around.
    QDir().mkpath(bin() + QStringLiteral("Data"));
    p = resolve();
    EXPECT_EQ(p.rule, FolderRule::BesideProgram);
    EXPECT_EQ(p.programFolder, bin());
    EXPECT_TRUE(p.installedDataFolder.isEmpty());

    // Neither beside nor installed: beside the program, whose data check
    // then reports what is missing.
    QDir(bin() + QStringLiteral("Data")).removeRecursively();
    QDir(root() + QStringLiteral("usr/share")).removeRecursively();
    EXPECT_EQ(resolve().rule, FolderRule::BesideProgram);
}

TEST_F(InstalledLayout, FirstStartSeedsTheUsersFolderWithEveryInstalledFile)
{
    const AppPaths p = resolve();
    ASSERT_EQ(SeedProgramFolder(p), QString());
    for (const QString &name : RequiredDataFiles()) {
        EXPECT_TRUE(QFileInfo(p.dataFolder + name).isFile()) << name.toStdString();
    }
    for (const QString &name : m_names) {
        EXPECT_EQ(bytesOf(p.dataFolder + name), bytesOf(installedData() + name)) << name.toStdString();
    }
    EXPECT_EQ(FindMissingDataFile(p.dataFolder), QString());
}

TEST_F(InstalledLayout, SeedingNeverReplacesTheUsersFiles)
{
    const AppPaths p = resolve();
    ASSERT_EQ(SeedProgramFolder(p), QString());
    // The user changed the default distances and lost a backup; an old
    // program left a test table of its own version.
    writeFile(p.dataFolder + QStringLiteral("cbxdis7.stf"), "1\r\n2\r\n");
    QFile::remove(p.dataFolder + QStringLiteral("cbxdia7.sts"));
    const QString testTable = QDir(installedData()).entryList({QStringLiteral("*.slc")}).value(0);
    ASSERT_FALSE(testTable.isEmpty());
    writeFile(p.dataFolder + testTable, "Version 0.9.0.0\r\n");
    writeFile(p.programFolder + QStringLiteral("Tables/F80_C0050_PF_4x5.stf"), "mine");

    ASSERT_EQ(SeedProgramFolder(p), QString());
    EXPECT_EQ(bytesOf(p.dataFolder + QStringLiteral("cbxdis7.stf")), QByteArray("1\r\n2\r\n"));
    EXPECT_EQ(bytesOf(p.dataFolder + QStringLiteral("cbxdia7.sts")),
              bytesOf(installedData() + QStringLiteral("cbxdia7.sts")));
    EXPECT_EQ(bytesOf(p.dataFolder + testTable), bytesOf(installedData() + testTable));
    EXPECT_EQ(bytesOf(p.programFolder + QStringLiteral("Tables/F80_C0050_PF_4x5.stf")),
              QByteArray("mine"));
}

TEST_F(InstalledLayout, SeedingWritesNothingThroughLinksOrOverFolders)
{
    const AppPaths p = resolve();
    QDir().mkpath(p.dataFolder);
    // A link that points outside the user's folder, and a folder where a
    // list should be: both are left as they are.
    const QString outside = root() + QStringLiteral("outside.stf");
    ASSERT_TRUE(QFile::link(outside, p.dataFolder + QStringLiteral("cbxcer7.stf")));
    QDir().mkpath(p.dataFolder + QStringLiteral("cbxfoc7.stf"));
    ASSERT_EQ(SeedProgramFolder(p), QString());
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_TRUE(QFileInfo(p.dataFolder + QStringLiteral("cbxfoc7.stf")).isDir());
    EXPECT_TRUE(QFileInfo(p.dataFolder + QStringLiteral("cbxdis7.stf")).isFile());
}

// A file where the user's folder or its Data/ should be is a case of the
// table of writers in hostilefolder_test.cpp.
TEST_F(InstalledLayout, UnderTheOtherRulesNothingIsSeeded)
{
    EXPECT_EQ(SeedProgramFolder(AppPaths::compute(exe(), root() + QStringLiteral("nowhere"))),
              QString());
    EXPECT_FALSE(QFileInfo::exists(root() + QStringLiteral("nowhere")));
}

TEST(VersionText, FourNumbersOrUnknown)
{
    EXPECT_EQ(VersionText(), QStringLiteral("Version 1.0.0.0"));
    EXPECT_EQ(VersionTextFor(QStringLiteral("2.10.03.4")), QStringLiteral("Version 2.10.3.4"));
    EXPECT_EQ(VersionTextFor(QString()), QStringLiteral("Version Inconnue"));
    EXPECT_EQ(VersionTextFor(QStringLiteral("1.0")), QStringLiteral("Version Inconnue"));
}

// The texts every version of the program writes as line 1 of a table are
// recognised as such, whatever the version reading them.
TEST(VersionText, EveryVersionsTextIsAVersionText)
{
    for (const char *dotted : {"1.0.0.0", "1.2.0.0", "0.0.0.0", "2.10.03.4", "65535.65535.65535.65535"}) {
        EXPECT_TRUE(IsVersionText(VersionTextFor(QString::fromLatin1(dotted)))) << dotted;
    }
    EXPECT_TRUE(IsVersionText(VersionText()));
    for (const char *text : {"Version Inconnue", "Version 1.0.0", "Version 01.0.0.0",
                             "Version 65536.0.0.0", "Version 1.0.0.0 ", " Version 1.0.0.0",
                             "Version 1.0.0.0\r", "version 1.0.0.0", "Version 1..0.0", ""})
        EXPECT_FALSE(IsVersionText(QString::fromLatin1(text))) << text;
}

struct SettingsCase {
    const char *name;
    QByteArray content;
    bool present;
    const char *table;
};

class SettingsFileTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsFileTest, DamagedOrMissingGivesDefaults)
{
    ProgramFolder folder(false);
    const SettingsCase &c = GetParam();
    if (c.present)
        folder.write(QStringLiteral("optolune.INI"), c.content);
    IniFile ini;
    ini.load(appPaths().iniFileName);
    FichtempSettings fichtemp;
    fichtemp.load(ini);
    EXPECT_EQ(fichtemp.table, QString::fromUtf8(c.table));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileTest,
    testing::Values(
        SettingsCase{"Missing", {}, false, ""},
        SettingsCase{"Empty", {}, true, ""},
        SettingsCase{"NoSection", "[optaff]\r\nx=1\r\n", true, ""},
        SettingsCase{"EmptyValue", "[fichtemp]\r\ntable=\r\n", true, ""},
        SettingsCase{"Value", "[fichtemp]\r\ntable=/t/tmp/F80_C0050.tmp\r\n", true,
                     "/t/tmp/F80_C0050.tmp"},
        SettingsCase{"HalfWritten", "[fichtemp]\r\ntab", true, ""},
        SettingsCase{"Binary", QByteArray("\x00\xff\xfe[\x01\x02]\n\x80=\x00", 12), true, ""},
        SettingsCase{"Windows1252", "[fichtemp]\r\ntable=/t/tmp/\xe9t\xe9.tmp\r\n", true,
                     "/t/tmp/été.tmp"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SettingsFile, SavingKeepsEveryOtherSectionAndValueAsItStands)
{
    ProgramFolder folder(false);
    folder.write(QStringLiteral("optolune.INI"),
                 "[blad]\r\nf=81,2\r\nref=Planar T 2,8-80 CFE\r\n[fichtemp]\r\ntable=old\r\n");
    IniFile ini;
    ini.load(appPaths().iniFileName);
    FichtempSettings{QString()}.save(ini);
    ini.save(appPaths().iniFileName);

    IniFile again;
    again.load(appPaths().iniFileName);
    EXPECT_EQ(again.value("blad", "f"), QStringLiteral("81,2"));
    EXPECT_EQ(again.value("blad", "ref"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(again.value("fichtemp", "table", "absent"), QString());
    const QByteArray bytes = folder.read(QStringLiteral("optolune.INI"));
    EXPECT_TRUE(bytes.contains("table=\r\n")) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("\r\r"));
}

// The file is written back line for line: only the lines of the keys set
// change, whatever the others hold.
TEST(SettingsFile, SavingWritesBackWhatItDoesNotUnderstandByteForByte)
{
    ProgramFolder folder(false);
    const QByteArray odd("; commentaire\r\n"
                         "[blad]\r\nref=Planar\0T 2,8\r\nligne sans signe\r\n\r\n"
                         "[optaff\r]\r\np=1\r\n"
                         "[Impression]\r\nOrientation=1\r\n",
                         106);
    folder.write(QStringLiteral("optolune.INI"), odd);
    IniFile ini;
    ini.load(appPaths().iniFileName);
    // A NUL byte is a byte of its value; what follows it is still read.
    EXPECT_EQ(ini.value("blad", "ref"), QString::fromLatin1("Planar\0T 2,8", 12));
    EXPECT_EQ(ini.intValue("Impression", "Orientation", 0), 1);
    // "[optaff<CR>]" is a section of its own name, never "[optaff]".
    EXPECT_EQ(ini.value("optaff", "p", "absent"), QStringLiteral("absent"));
    FichtempSettings{QStringLiteral("/t/tmp/F80.tmp")}.save(ini);
    ini.setValue("blad", "f", "81,2");
    ini.save(appPaths().iniFileName);

    const QByteArray expected = QByteArray("; commentaire\r\n"
                                           "[blad]\r\nref=Planar\0T 2,8\r\nligne sans signe\r\n"
                                           "f=81,2\r\n\r\n"
                                           "[optaff\r]\r\np=1\r\n"
                                           "[Impression]\r\nOrientation=1\r\n"
                                           "[fichtemp]\r\ntable=/t/tmp/F80.tmp\r\n",
                                           148);
    EXPECT_EQ(folder.read(QStringLiteral("optolune.INI")), expected);
}

// An integer setting kept within its range (an item of a list, a radio
// button): anything else gives the fallback.
TEST(SettingsFile, AnIntegerOutsideItsRangeGivesTheFallback)
{
    ProgramFolder folder(false);
    folder.write(QStringLiteral("optolune.INI"), "[s]\r\nlast=2\r\nfirst=0\r\nlow=-1\r\nhigh=3\r\nword=deux\r\n");
    IniFile ini;
    ini.load(appPaths().iniFileName);
    EXPECT_EQ(ini.intValueIn("s", "last", 0, 2, 1), 2);
    EXPECT_EQ(ini.intValueIn("s", "first", 0, 2, 1), 0);
    for (const char *key : {"low", "high", "word", "missing"}) {
        EXPECT_EQ(ini.intValueIn("s", key, 0, 2, 1), 1) << key;
    }
}

TEST(SettingsFile, AFileThatCannotBeReadWholeIsNeverWrittenOver)
{
    ProgramFolder folder(false);
    const QByteArray huge = "[fichtemp]\r\ntable=x\r\n" + QByteArray(2 * 1024 * 1024, ';');
    folder.write(QStringLiteral("optolune.INI"), huge);
    IniFile ini;
    ini.load(appPaths().iniFileName);
    EXPECT_EQ(ini.value("fichtemp", "table", "absent"), QStringLiteral("absent"));
    FichtempSettings{QStringLiteral("/t/tmp/F80.tmp")}.save(ini);
    EXPECT_THROW(ini.save(appPaths().iniFileName), UserError);
    EXPECT_EQ(folder.read(QStringLiteral("optolune.INI")), huge);
}

TEST(DataFiles, AllPresentSaysNothing)
{
    ProgramFolder folder;
    Recorder rec;
    EXPECT_EQ(FindMissingDataFile(appPaths().dataFolder), QString());
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_TRUE(check.usable);
    EXPECT_TRUE(Said(check.notices).empty());
}

TEST(DataFiles, FirstMissingInListOrderIsRestoredFromItsBackup)
{
    ProgramFolder folder;
    const QByteArray original = folder.read(QStringLiteral("Data/cbxdis7.stf"));
    QFile::remove(folder.dataPath() + "cbxdia7.stf");
    QFile::remove(folder.dataPath() + "cbxdis7.stf");
    Recorder rec;
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_TRUE(check.usable);
    EXPECT_EQ(
        Said(check.notices),
        (std::vector<Message>{{"plain", "Fichier manquant " + folder.dataPath() + "cbxdis7.stf"},
                              {"plain", "Tentative de récupération"}}));
    EXPECT_EQ(folder.read(QStringLiteral("Data/cbxdis7.stf")), original);
    EXPECT_FALSE(folder.exists(QStringLiteral("Data/cbxdia7.stf")));
}

TEST(DataFiles, MissingBackupGivesTheOpenErrorWithItsOwnPath)
{
    ProgramFolder folder;
    const QString path = folder.dataPath() + "cbxfoc7.sts";
    QFile::remove(path);
    Recorder rec;
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_TRUE(check.usable); // the buttons stay enabled
    EXPECT_EQ(Said(check.notices),
              (std::vector<Message>{{"plain", "Fichier manquant " + path},
                                    {"plain", "Tentative de récupération"},
                                    {"error", "Impossible d'ouvrir le fichier " + path}}));
}

TEST(DataFiles, MissingDataFolderReportsAndGoesOn)
{
    ProgramFolder folder(false);
    Recorder rec;
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_TRUE(check.usable);
    ASSERT_EQ(Said(check.notices).size(), 3u);
    EXPECT_EQ(Said(check.notices)[2], (Message{"error", "Impossible d'ouvrir le fichier " +
                                                            folder.dataPath() + "cbxcer7.sts"}));
}

TEST(DataFiles, RecoveryThatLeavesNoFileDisablesTheCommands)
{
    ProgramFolder folder;
    // The default list's name is taken by a folder: it is "missing" as a file,
    // and copying to it writes inside that folder, never a file of that name.
    QFile::remove(folder.dataPath() + "cbxcer7.stf");
    QDir().mkpath(folder.dataPath() + "cbxcer7.stf");
    Recorder rec;
    const DataFilesCheck check = CheckDataFiles(appPaths().dataFolder);
    EXPECT_FALSE(check.usable);
    EXPECT_EQ(check.notices.back().text,
              folder.dataPath() + "cbxcer7.stf La récupération a échoué");
}

class CopySizeTest : public testing::TestWithParam<int> {};

TEST_P(CopySizeTest, CopiesEveryByte)
{
    ProgramFolder folder(false);
    QByteArray bytes(GetParam(), Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    folder.write(QStringLiteral("source.bin"), bytes);
    folder.write(QStringLiteral("target.bin"), QByteArray(20000, 'x')); // truncated by the copy
    CopyFileContents(folder.file("source.bin"), folder.file("target.bin"));
    EXPECT_EQ(folder.read(QStringLiteral("target.bin")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopySizeTest, testing::Values(0, 1, 8191, 8192, 8193, 40000),
                         [](const auto &info) { return "Bytes" + std::to_string(info.param); });

TEST(CopyFileContents, IntoAFolderAndItsErrors)
{
    ProgramFolder folder(false);
    folder.write(QStringLiteral("a.stf"), "4\r\n");
    QDir().mkpath(folder.file("sub"));
    CopyFileContents(folder.file("a.stf"), folder.file("sub"));
    EXPECT_EQ(folder.read(QStringLiteral("sub/a.stf")), QByteArray("4\r\n"));
    CopyFileContents(folder.file("a.stf"), folder.file("sub/"));
    EXPECT_TRUE(HasFileAttributes(folder.file("sub"), DirectoryAttribute));
    EXPECT_FALSE(HasFileAttributes(folder.file("a.stf"), DirectoryAttribute));
    EXPECT_FALSE(HasFileAttributes(folder.file("none"), 0));

    try {
        CopyFileContents(QStringLiteral("none.stf"), folder.file("b.stf"));
        FAIL();
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Impossible d'ouvrir le fichier none.stf"));
    }
    // A destination whose folder is a plain file: the table of writers in
    // hostilefolder_test.cpp.
}
