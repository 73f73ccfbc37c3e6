#include "explanations/textwindow.h"
#include "support/child.h"
#include "support/english.h"
#include "support/recorder.h"
#include "support/screenshot.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

struct Seen {
    QString caption;
    QSize size;
    QString text;
    QString tag;
    bool tagHidden = false;
    bool readOnly = false;
    bool onTop = false;
    bool centred = false;
    bool fits = false; // the whole text shows without scrolling
};

// Opens the window as the table and variations windows do, looks at it while
// it is up, then closes it.
Seen openAndLook(const QString &tag, const QString &screenshot = QString())
{
    Seen seen;
    bool looked = false;
    QTimer::singleShot(0, qApp, [&] {
        QWidget *w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        looked = true;
        auto *memo = child<QPlainTextEdit>(w, "Memo1");
        auto *edit = child<QLineEdit>(w, "Edit1");
        seen = {w->windowTitle(),     w->size(),
                memo->toPlainText(),  edit->text(),
                !edit->isVisible(),   memo->isReadOnly(),
                (w->windowFlags() & Qt::WindowStaysOnTopHint) != 0,
                w->frameGeometry().center() == w->screen()->availableGeometry().center()};
        seen.fits = memo->verticalScrollBar()->maximum() == 0;
        if (!screenshot.isEmpty())
            saveScreenshot(w, screenshot);
        w->close();
    });
    openExplanation(nullptr, tag);
    EXPECT_TRUE(looked);
    return seen;
}

} // namespace

TEST(AfficheWindow, TableTagShowsTheParametersAndLimits)
{
    Recorder rec;
    const Seen seen = openAndLook(QStringLiteral("table"), QStringLiteral("affiche-table"));
    EXPECT_EQ(seen.caption, QStringLiteral("Table de profondeur de champ"));
    EXPECT_EQ(seen.size, QSize(453, 340));
    const QStringList lines = seen.text.split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QString());
    EXPECT_EQ(lines[3], QStringLiteral("f distance focale(mm):   minimum 10,000,   maximum 1200,000"));
    EXPECT_EQ(seen.tag, QStringLiteral("table"));
    EXPECT_TRUE(seen.tagHidden);
    EXPECT_TRUE(seen.readOnly);
    EXPECT_TRUE(seen.onTop);
    EXPECT_TRUE(seen.centred);
    EXPECT_TRUE(rec.messages().empty());
}

TEST(AfficheWindow, VariationsTagHasItsOwnSizeAndEightLines)
{
    Recorder rec;
    const Seen seen =
        openAndLook(QStringLiteral("calcprofisol"), QStringLiteral("affiche-calcprofisol"));
    EXPECT_EQ(seen.caption, QStringLiteral("Variations de la profondeur de champ"));
    EXPECT_EQ(seen.size, QSize(580, 220));
    const QStringList lines = seen.text.split(u'\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("inférieur à 1. ")));
    EXPECT_EQ(lines[7], QStringLiteral("Le grandissement est égal à 1 lorsque u=v=2f."));
    EXPECT_TRUE(seen.centred);
}

TEST(AfficheWindow, OtherTagsGiveAnEmptyWindow)
{
    Recorder rec;
    for (const QString &tag : {QStringLiteral("Table"), QStringLiteral("variations")}) {
        const Seen seen = openAndLook(tag);
        EXPECT_EQ(seen.caption, QString()) << tag.toStdString();
        EXPECT_EQ(seen.text, QString());
        EXPECT_EQ(seen.size, QSize(453, 340));
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST(AfficheWindow, TextIsComposedOnceOnFirstShow)
{
    TextWindow window;
    window.setTag(QStringLiteral("table"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *memo = child<QPlainTextEdit>(&window, "Memo1");
    const QString composed = memo->toPlainText();
    window.hide();
    window.setTag(QStringLiteral("calcprofisol"));
    window.show();
    EXPECT_EQ(memo->toPlainText(), composed);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Table de profondeur de champ"));
}

TEST(AfficheWindow, InEnglishNothingFrenchIsLeftAndTheTextFits)
{
    Recorder rec;
    std::vector<Seen> french;
    for (const QString &tag : {QStringLiteral("table"), QStringLiteral("calcprofisol")})
        french.push_back(openAndLook(tag));
    EnglishScope english;
    const QString tags[] = {QStringLiteral("table"), QStringLiteral("calcprofisol")};
    for (size_t i = 0; i < std::size(tags); ++i) {
        SCOPED_TRACE(tags[i].toStdString());
        const Seen seen = openAndLook(tags[i], QStringLiteral("affiche-%1-en").arg(tags[i]));
        // Every line of the text is read without scrolling.
        EXPECT_TRUE(seen.fits);
        EXPECT_NE(seen.caption, french[i].caption);
        EXPECT_FALSE(seen.caption.isEmpty());
        EXPECT_EQ(seen.size, french[i].size);
        const QStringList lines = seen.text.split(u'\n');
        const QStringList frenchLines = french[i].text.split(u'\n');
        ASSERT_EQ(lines.size(), frenchLines.size());
        for (qsizetype l = 0; l < lines.size(); ++l) {
            if (!frenchLines[l].isEmpty()) {
                EXPECT_NE(lines[l], frenchLines[l]);
            }
            EXPECT_FALSE(lines[l].contains(QRegularExpression(QStringLiteral("[éèêàç]|\\d,\\d"))))
                << lines[l].toStdString();
        }
    }
    EXPECT_TRUE(rec.messages().empty());
}
