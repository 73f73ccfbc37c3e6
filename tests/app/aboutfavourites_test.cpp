#include "app/aboutbox.h"
#include "app/dialupconnections.h"
#include "app/mainwindow.h"
#include "app/buildconfig.h"
#include "app/favouriteswindow.h"
#include "core/apppaths.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class ShellWindowsTest : public testing::Test {
protected:
    QList<QUrl> opened;
    bool openerAnswers = true;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [this](const QUrl &url) {
        opened << url;
        return openerAnswers;
    }};
};

// One connection that ends at once, to see the command run.
class OneConnection final : public DialUpConnections {
public:
    QStringList calls;
    quint32 enumerate(DialUpConnectionTable &table, quint32, quint32) override
    {
        calls << QStringLiteral("enumerate");
        table.handles[0] = 42;
        table.count = 1;
        return 0;
    }
    quint32 hangUp(RasHandle h) override
    {
        calls << QStringLiteral("hangup %1").arg(h);
        return 0;
    }
    quint32 status(RasHandle) override { return kRasInvalidHandle; }
    void pause(std::chrono::milliseconds) override {}
    std::chrono::milliseconds now() override { return std::chrono::milliseconds(0); }
};

} // namespace

TEST_F(ShellWindowsTest, AboutBoxIdentifiesTheRunningProgramFile)
{
    // The program's folder elsewhere (OPTOLUNE_HOME), as installed copies
    // have it: the box still tells of the file that runs.
    ProgramFolder folder;
    Recorder rec;
    AboutBox box;
    activate(box);
    const QString running = QCoreApplication::applicationFilePath();
    ASSERT_EQ(RunningProgramFile(), running);
    const QFileInfo file(running);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Aide en ligne"));
    EXPECT_EQ(child<QGroupBox>(&box, "GroupBox1")->title(), QStringLiteral("Références version"));
    EXPECT_EQ(child<QLabel>(&box, "Labelversion")->text(), QStringLiteral("Version 1.0.0.0"));
    EXPECT_EQ(child<QLabel>(&box, "label1")->text(), running);
    EXPECT_EQ(child<QLabel>(&box, "Label2")->text(),
              QLocale::system().toString(file.lastModified().date(), QLocale::ShortFormat));
    EXPECT_EQ(child<QLabel>(&box, "Label3")->text(), HoursMinutesText(file.lastModified().time()));
    EXPECT_EQ(child<QLabel>(&box, "Label6")->text(), QString::number(file.size()) + QStringLiteral(" octets"));
    // The reference's digits in groups of three counted from the right, one
    // blank between groups: the delivered 431207958 reads 431 207 958.
    const QString reference = child<QLabel>(&box, "Label9")->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{1,3}( [0-9]{3})*$")).match(reference).hasMatch())
        << reference.toStdString();
    EXPECT_EQ(QString(reference).remove(u' '), buildConfig().reference);
    if (buildConfig().reference == QStringLiteral("431207958")) {
        EXPECT_EQ(reference, QStringLiteral("431 207 958"));
    }
    EXPECT_EQ(child<QLabel>(&box, "Label5")->text(), buildConfig().notice);
    auto *mail = child<QLabel>(&box, "Label27");
    EXPECT_EQ(mail->text(), QStringLiteral("Écrivez-moi"));
    EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(mail->toolTip(), QStringLiteral("Courrier électronique"));
    EXPECT_EQ(child<QPushButton>(&box, "SpeedButton3")->text(), QStringLiteral("Fermer"));
    // The focus is on the field of no width: no visible control has it.
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(&box, "Edit2"));
    EXPECT_EQ(child<QLineEdit>(&box, "Edit2")->width(), 0);
    EXPECT_GE(box.width(), 416);
    EXPECT_GE(box.height(), 197);
    saveScreenshot(&box, QStringLiteral("about-box"));

    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    const QUrl &url = opened[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), buildConfig().contact);
    const QString body = QUrlQuery(url).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    EXPECT_TRUE(body.contains(running + u'-' + buildConfig().reference + QStringLiteral("\r\n")));
    EXPECT_TRUE(body.contains(QStringLiteral(" à ") + HoursMinutesText(file.lastModified().time()) +
                              QStringLiteral(", volume ") + QString::number(file.size()) +
                              QStringLiteral(" octets\r\n")));
    EXPECT_TRUE(rec.messages().empty());

    QTest::mouseClick(child<QPushButton>(&box, "SpeedButton3"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(ShellWindowsTest, AboutBoxSaysWhenNoMailProgramAnswers)
{
    ProgramFolder folder;
    Recorder rec;
    AboutBox box;
    activate(box);
    openerAnswers = false;
    QTest::mouseClick(child<QLabel>(&box, "Label27"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Aucun programme n'a pu ouvrir l'adresse mailto:") +
                                       buildConfig().contact});
    EXPECT_EQ(rec.messages()[0].kind, QStringLiteral("information"));
}

TEST_F(ShellWindowsTest, FavouritesOpenTheSitesLinks)
{
    ProgramFolder folder;
    Recorder rec;
    FavouritesWindow form;
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Favoris"));
    EXPECT_EQ(form.size(), QSize(295, 174));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    auto *group = child<QGroupBox>(&form, "GroupBox1");
    EXPECT_EQ(group->title(), buildConfig().siteName);
    EXPECT_TRUE(group->font().bold());
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton1")->toolTip(), QStringLiteral("Déconnecter"));
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton3")->toolTip(), QStringLiteral("Fermer le fenêtre"));
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton3")->statusTip(), QStringLiteral("Retour à la fenêtre principale"));
    saveScreenshot(&form, QStringLiteral("favourites"));

    const struct {
        const char *name;
        const char *caption;
        QString address;
    } links[] = {{"LabelGalerie", "Accueil", buildConfig().siteHome},
                 {"LabelForum", "Forum", buildConfig().siteForum},
                 {"LabelBoutique", "Boutique", buildConfig().siteShop},
                 {"LabelOccas", "Occasions", buildConfig().siteAds}};
    for (const auto &l : links) {
        auto *label = child<QLabel>(&form, l.name);
        EXPECT_EQ(label->text(), QString::fromLatin1(l.caption));
        EXPECT_TRUE(label->font().underline());
        EXPECT_FALSE(label->font().bold());
        QTest::mouseClick(label, Qt::LeftButton);
        ASSERT_FALSE(opened.isEmpty());
        EXPECT_EQ(opened.last(), QUrl(l.address));
        EXPECT_EQ(opened.last().scheme(), QStringLiteral("https"));
    }
    EXPECT_EQ(opened.size(), 4);
    EXPECT_TRUE(rec.messages().empty());

    openerAnswers = false;
    QTest::mouseClick(child<QLabel>(&form, "LabelForum"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Aucun programme n'a pu ouvrir l'adresse ") +
                                       QUrl(buildConfig().siteForum).toDisplayString()});
}

TEST_F(ShellWindowsTest, DeconnecterHangsUpThroughTheService)
{
    ProgramFolder folder;
    Recorder rec;
    OneConnection ras;
    DialUpConnections *previous = installRasService(&ras);
    FavouritesWindow form;
    activate(form);
    QTest::mouseClick(child<QToolButton>(&form, "ToolButton1"), Qt::LeftButton);
    installRasService(previous);
    EXPECT_EQ(ras.calls, (QStringList{"enumerate", "hangup 42"}));
    EXPECT_TRUE(rec.messages().empty());
    // This system's own service finds no connection and says nothing.
    QTest::mouseClick(child<QToolButton>(&form, "ToolButton1"), Qt::LeftButton);
    EXPECT_TRUE(rec.messages().empty());
    QTest::mouseClick(child<QToolButton>(&form, "ToolButton3"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ShellWindowsTest, MainMenuOpensFavouritesAtTheirPlaceAndTheAboutBox)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QStringList menu;
    for (QAction *a : form.menuBar()->actions())
        if (a->isVisible())
            menu << a->text();
    EXPECT_EQ(menu, (QStringList{"Favoris", "A propos", "Langue", "Quitter"}));

    // The program's own windows, closed as soon as they show.
    QPoint favouritesAt;
    QString seen;
    auto closeNext = [&] {
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            ASSERT_NE(w, nullptr);
            seen = w->windowTitle();
            favouritesAt = w->pos();
            w->close();
        });
    };
    closeNext();
    child<QAction>(&form, "Favoris1")->trigger();
    EXPECT_EQ(seen, QStringLiteral("Favoris"));
    const QRect screen = form.screen()->geometry();
    EXPECT_EQ(favouritesAt, screen.topLeft() + QPoint(20, 100));
    closeNext();
    child<QAction>(&form, "Apropos1")->trigger();
    EXPECT_EQ(seen, QStringLiteral("Aide en ligne"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(ShellWindowsTest, FavouritesAndAboutWorkAfterAFailedRecovery)
{
    ProgramFolder folder;
    QFile::remove(folder.dataPath() + "cbxcer7.stf");
    QDir().mkpath(folder.dataPath() + "cbxcer7.stf");
    Recorder rec;
    MainWindow form;
    int favourites = 0, about = 0;
    form.setFavouritesOpener([&](QWidget *owner) {
        EXPECT_EQ(owner, &form);
        ++favourites;
    });
    form.setAboutOpener([&](QWidget *) { ++about; });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    ASSERT_FALSE(child<QToolButton>(&form, "TableBtn")->isEnabled());
    child<QAction>(&form, "Favoris1")->trigger();
    child<QAction>(&form, "Apropos1")->trigger();
    EXPECT_EQ(favourites, 1);
    EXPECT_EQ(about, 1);
}
