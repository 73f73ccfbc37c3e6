#include "app/mainwindow.h"
#include "core/apppaths.h"
#include "core/inifile.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"

#include <QAction>
#include <QFile>
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
    form.setTableOpener([&](QWidget *) { ++tableOpened; });
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
    form.setTableOpener([&](QWidget *w) { owner = w; });
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
    TempTablePath() = folder.file("tmp/F80_C0050.tmp");
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
