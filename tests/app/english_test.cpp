// The main window, the about box, the favourites and the change request in
// English.
#include "app/aboutbox.h"
#include "app/changerequest.h"
#include "app/favouriteswindow.h"
#include "app/mainwindow.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"
#include "tablewindow/frenchleft.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class ShellEnglishTest : public testing::Test {
protected:
    QList<QUrl> opened;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [this](const QUrl &url) {
        opened << url;
        return true;
    }};
};

} // namespace

TEST_F(ShellEnglishTest, MainWindowReadsInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    MainWindow form;
    activate(form);
    EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral("© 2026 Optolune. All rights reserved.")))
        << form.windowTitle().toStdString();
    EXPECT_EQ(child<QAction>(&form, "Favoris1")->text(), QStringLiteral("Favourites"));
    EXPECT_EQ(child<QAction>(&form, "Apropos1")->text(), QStringLiteral("About"));
    EXPECT_EQ(child<QAction>(&form, "Quitter1")->text(), QStringLiteral("Quit"));
    EXPECT_EQ(child<QAction>(&form, "FileSaveAs1")->text(), QStringLiteral("Save &as..."));
    EXPECT_EQ(child<QAction>(&form, "FileSaveAs1")->statusTip(),
              QStringLiteral("Save the current file under a new name"));
    EXPECT_EQ(child<QToolButton>(&form, "TableBtn")->toolTip(), QStringLiteral("Depth of field table"));
    EXPECT_EQ(child<QToolButton>(&form, "SpeedButton5")->toolTip(), QStringLiteral("Quit OPTOLUNE"));
    // The language names read in their own language.
    EXPECT_EQ(frenchLeft(&form, {QStringLiteral("Français")}), QStringList());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("main-window-en"));
}

TEST_F(ShellEnglishTest, AboutBoxReadsInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    AboutBox box;
    activate(box);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Online help"));
    EXPECT_EQ(child<QGroupBox>(&box, "GroupBox1")->title(), QStringLiteral("Version details"));
    EXPECT_EQ(child<QLabel>(&box, "Label27")->text(), QStringLiteral("Write to me"));
    EXPECT_EQ(child<QPushButton>(&box, "SpeedButton3")->text(), QStringLiteral("Close"));
    EXPECT_TRUE(child<QLabel>(&box, "Label6")->text().endsWith(QStringLiteral(" bytes")));
    EXPECT_EQ(frenchLeft(&box), QStringList());
    // Every label whole in the box.
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
    saveScreenshot(&box, QStringLiteral("about-en"));
}

TEST_F(ShellEnglishTest, ChangeRequestMailIsInEnglish)
{
    EnglishScope english;
    ProgramFacts facts;
    facts.path = QStringLiteral("/opt/optolune/bin/optolune");
    facts.reference = QStringLiteral("431207958");
    facts.version = QStringLiteral("Version 1.0.0.0");
    facts.date = QStringLiteral("3/5/26");
    facts.time = QStringLiteral("9 h 5 min");
    facts.size = QStringLiteral("1234567 bytes");
    const QString body = ChangeRequestBody(facts, QDateTime(QDate(2026, 3, 5), QTime(9, 5)));
    EXPECT_TRUE(body.contains(QStringLiteral("Change request for:\r\n")));
    EXPECT_TRUE(body.contains(QStringLiteral("Built on 3/5/26 at 9 h 5 min, size 1234567 bytes\r\n")));
    EXPECT_FALSE(looksFrench(body)) << body.toStdString();
    const std::optional<QUrl> url = ComposeChangeRequest(facts, QDateTime::currentDateTime(),
                                                         QStringLiteral("dev@example.org"));
    ASSERT_TRUE(url);
    EXPECT_EQ(QUrlQuery(*url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Change request"));
}

TEST_F(ShellEnglishTest, FavouritesReadInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    FavouritesWindow form;
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Favourites"));
    EXPECT_EQ(child<QLabel>(&form, "LabelGalerie")->text(), QStringLiteral("Home"));
    EXPECT_EQ(child<QLabel>(&form, "LabelBoutique")->text(), QStringLiteral("Shop"));
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton3")->statusTip(), QStringLiteral("Back to the main window"));
    EXPECT_EQ(frenchLeft(&form), QStringList());
    // The links still open their sites.
    QTest::mouseClick(child<QLabel>(&form, "LabelForum"), Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
    saveScreenshot(&form, QStringLiteral("favourites-en"));
}
