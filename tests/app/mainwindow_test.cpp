#include "app/mainwindow.h"
#include "core/apppaths.h"
#include "core/application.h"
#include "core/inifile.h"
#include "core/language.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class MainWindowTest : public testing::Test {
protected:
    QStringList opened;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [this](const QUrl &url) {
        opened << url.toLocalFile();
        return true;
    }};
};

} // namespace

TEST_F(MainWindowTest, ActivationSetsTheCaptionAndSaysNothingWhenDataIsComplete)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Version 1.0.0.0"));
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OPTOLUNE Version 1.0.0.0") + QString(11, u' ') +
                                      MainWindow::rightsNotice());
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_TRUE(child<QToolButton>(&form, "TableBtn")->isEnabled());
    EXPECT_TRUE(child<QToolButton>(&form, "IsolBtn")->isEnabled());
    EXPECT_EQ(child<QToolButton>(&form, "NotesBtn")->toolTip(), QStringLiteral("Bloc-notes de Windows"));
    saveScreenshot(&form, QStringLiteral("main-window"));

    // A second show (back from a modal child) is no new activation.
    form.hide();
    activate(form);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(MainWindowTest, FailedRecoveryDisablesTableAndVariations)
{
    ProgramFolder folder;
    QFile::remove(folder.dataPath() + "cbxcer7.stf");
    QDir().mkpath(folder.dataPath() + "cbxcer7.stf");
    Recorder rec;
    MainWindow form;
    int tableOpened = 0;
    form.setTableOpener([&](QWidget *, QString &) { ++tableOpened; });
    activate(form);
    EXPECT_EQ(rec.texts().last(), folder.dataPath() + "cbxcer7.stf La récupération a échoué");
    auto *table = child<QToolButton>(&form, "TableBtn");
    EXPECT_FALSE(table->isEnabled());
    EXPECT_FALSE(child<QToolButton>(&form, "IsolBtn")->isEnabled());
    QTest::mouseClick(table, Qt::LeftButton);
    EXPECT_EQ(tableOpened, 0);
}

TEST_F(MainWindowTest, TableButtonOpensThroughItsOpener)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow form;
    QWidget *owner = nullptr;
    form.setTableOpener([&](QWidget *w, QString &) { owner = w; });
    activate(form);
    QTest::mouseClick(child<QToolButton>(&form, "TableBtn"), Qt::LeftButton);
    EXPECT_EQ(owner, &form);
}

TEST_F(MainWindowTest, NotesCreatesTheFileOnceAndOpensIt)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow form;
    activate(form);
    auto *notes = child<QToolButton>(&form, "NotesBtn");
    QTest::mouseClick(notes, Qt::LeftButton);
    ASSERT_TRUE(folder.exists(QStringLiteral("memo.txt")));
    EXPECT_EQ(folder.read(QStringLiteral("memo.txt")), QByteArray());
    folder.write(QStringLiteral("memo.txt"), "rendez-vous\r\n");
    QTest::mouseClick(notes, Qt::LeftButton);
    EXPECT_EQ(folder.read(QStringLiteral("memo.txt")), QByteArray("rendez-vous\r\n"));
    EXPECT_EQ(opened, (QStringList{folder.file("memo.txt"), folder.file("memo.txt")}));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(MainWindowTest, CtrlQClosesAndWritesTheSettingWhileCtrlNAndCtrlSDoNothing)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("optolune.INI"), "[optaff]\r\nlignes=1\r\n");
    Recorder rec;
    MainWindow form;
    activate(form);
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(form.isVisible());
    form.setTmpTablePath(folder.file("tmp/F80_C0050.tmp"));
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
    IniFile ini;
    ini.load(appPaths().iniFileName);
    EXPECT_EQ(ini.value("fichtemp", "table"), folder.file("tmp/F80_C0050.tmp"));
    EXPECT_EQ(ini.value("optaff", "lignes"), QStringLiteral("1"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(MainWindowTest, HintsShowInTheStatusBar)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow form;
    activate(form);
    auto *quit = child<QToolButton>(&form, "SpeedButton5");
    QStatusTipEvent tip(quit->statusTip());
    QCoreApplication::sendEvent(quit, &tip);
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(), QStringLiteral("Quitter OPTOLUNE"));
}

// "Langue": the choice goes to the settings file, shows checked, and is
// said to apply at the next start; ChosenLanguage then follows it, and
// without a choice the locale decides.
TEST_F(MainWindowTest, LanguageMenuStoresTheChoiceForTheNextStart)
{
    ProgramFolder folder;
    Recorder rec;
    {
        MainWindow form;
        activate(form);
        EXPECT_TRUE(child<QAction>(&form, "LangueSysteme")->isChecked());
        child<QAction>(&form, "LangueAnglais")->trigger();
        EXPECT_TRUE(child<QAction>(&form, "LangueAnglais")->isChecked());
        EXPECT_FALSE(child<QAction>(&form, "LangueSysteme")->isChecked());
    }
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"information",
                                     "La langue choisie s'appliquera au prochain démarrage d'Optolune."}}));
    EXPECT_TRUE(folder.read(QStringLiteral("optolune.INI")).contains("[langue]\r\nlangue=en\r\n"));
    EXPECT_EQ(ChosenLanguage(appPaths().iniFileName), Language::English);
    {
        MainWindow form;
        EXPECT_TRUE(child<QAction>(&form, "LangueAnglais")->isChecked());
        child<QAction>(&form, "LangueFrancais")->trigger();
    }
    EXPECT_EQ(ChosenLanguage(appPaths().iniFileName), Language::French);
    {
        MainWindow form;
        child<QAction>(&form, "LangueSysteme")->trigger();
    }
    EXPECT_EQ(ChosenLanguage(appPaths().iniFileName),
              LanguageOfLocale(QLocale::system().uiLanguages()));
}

TEST(Language, LocaleAndKeys)
{
    EXPECT_EQ(LanguageOfLocale({"fr-FR", "en-US"}), Language::French);
    EXPECT_EQ(LanguageOfLocale({"fr"}), Language::French);
    EXPECT_EQ(LanguageOfLocale({"fr-CA"}), Language::French);
    EXPECT_EQ(LanguageOfLocale({"en-US", "fr-FR"}), Language::English);
    EXPECT_EQ(LanguageOfLocale({"de-DE"}), Language::English);
    EXPECT_EQ(LanguageOfLocale({"C"}), Language::English);
    EXPECT_EQ(LanguageOfLocale({}), Language::English);
    EXPECT_EQ(LanguageFromKey(u"en"), Language::English);
    EXPECT_EQ(LanguageFromKey(u"fr"), Language::French);
    EXPECT_FALSE(LanguageFromKey(u"FR"));
    EXPECT_FALSE(LanguageFromKey(u""));

    EXPECT_EQ(UiLanguage(), Language::French);
    EXPECT_EQ(LocalNumbers(QStringLiteral("2,5604 / 3,6294")), QStringLiteral("2,5604 / 3,6294"));
    SetUiLanguage(Language::English);
    EXPECT_EQ(LocalNumbers(QStringLiteral("2,5604 / 3,6294 ; n=5,6, c=0,05 mm, x,y 1,")),
              QStringLiteral("2.5604 / 3.6294 ; n=5.6, c=0.05 mm, x,y 1,"));
    EXPECT_EQ(CsvSeparator(), u',');
    SetUiLanguage(Language::French);
    EXPECT_EQ(CsvSeparator(), u';');
}

TEST_F(MainWindowTest, InEnglishTheLanguageMenuReadsInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    MainWindow form;
    EXPECT_EQ(child<QMenu>(&form, "Langue1")->title(), QStringLiteral("Language"));
    EXPECT_EQ(child<QAction>(&form, "LangueSysteme")->text(), QStringLiteral("System language"));
    EXPECT_EQ(child<QAction>(&form, "LangueFrancais")->text(), QStringLiteral("Français"));
    child<QAction>(&form, "LangueFrancais")->trigger();
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"information",
                                     "The chosen language will apply the next time Optolune starts."}}));
}
