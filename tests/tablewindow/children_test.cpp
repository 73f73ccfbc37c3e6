// The table window's two helpers for its lens parameters: the circle of
// confusion window and the Hasselblad lens window, through replaced openers
// and then the real windows, as a user goes through them.
#include "tablewindow/tablewindow.h"

#include "circle/circlewindow.h"
#include "circle/circlewindowopener.h"
#include "core/apppaths.h"
#include "lens/lensdatawindow.h"
#include "lens/lensdatawindowopener.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/scopedopener.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class TableChildrenTest : public testing::Test {
protected:
    static QString text(TableWindow &form, const char *name)
    {
        return child<QLineEdit>(&form, name)->text();
    }
    // Every cell of the table, to tell a table computed again.
    static QString allCells(TableWindow &form)
    {
        auto *grid = child<QTableView>(&form, "AdvStringGrid1");
        QString cells;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            for (int c = 0; c < grid->model()->columnCount(); ++c)
                cells += grid->model()->index(r, c).data().toString() + u'|';
        return cells;
    }

    ProgramFolder folder;
    Recorder rec;
    std::vector<QWidget *> owners;
    std::optional<CircleChoice> circleAnswer;
    std::optional<LensChoice> lensAnswer;

private:
    ScopedOpener<CircleOpener> m_circle{setCircleOpener, [this](QWidget *owner) {
        owners.push_back(owner);
        return circleAnswer;
    }};
    ScopedOpener<LensOpener> m_lens{setLensOpener, [this](QWidget *owner) {
        owners.push_back(owner);
        return lensAnswer;
    }};
};

// Runs `step` on the modal window once its activation has run (exec()
// blocks the test meanwhile). A timer of 0 ms would run as a posted event,
// before the activation queued behind it.
template <typename Window, typename F>
void whenShown(F step)
{
    QTimer::singleShot(50, qApp, [step] {
        auto *window = dynamic_cast<Window *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        step(*window);
    });
}

} // namespace

TEST_F(TableChildrenTest, TheCircleWindowsChoiceGoesIntoTheTable)
{
    TableWindow form;
    activate(form);
    const QString before = allCells(form);
    circleAnswer = CircleChoice{QStringLiteral("0,056"), QStringLiteral("6x6 cm")};
    QTest::mouseClick(child<QToolButton>(&form, "CercleBtn"), Qt::LeftButton);
    ASSERT_EQ(owners, std::vector<QWidget *>{&form});
    EXPECT_EQ(text(form, "EdCercle"), QStringLiteral("0,056"));
    EXPECT_EQ(text(form, "EdFormat"), QStringLiteral("6x6 cm"));
    EXPECT_EQ(form.state().circle, QStringLiteral("0,056"));
    EXPECT_TRUE(text(form, "EdNom").contains(QStringLiteral("_C0056_"))) << text(form, "EdNom").toStdString();
    EXPECT_TRUE(text(form, "EdNom").contains(QStringLiteral("6x6 cm")));
    EXPECT_NE(allCells(form), before); // computed again with the new c
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableChildrenTest, LeftWithoutAChoiceTheTableIsComputedAgainAllTheSame)
{
    TableWindow form;
    activate(form);
    typeInto(child<QLineEdit>(&form, "EdFocale"), QStringLiteral("2000"));
    const QString circle = text(form, "EdCercle");
    QTest::mouseClick(child<QToolButton>(&form, "CercleBtn"), Qt::LeftButton);
    EXPECT_EQ(owners.size(), 1u);
    EXPECT_EQ(text(form, "EdCercle"), circle);
    // The refresh ran: it repaired the focal length.
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("1200"));
    EXPECT_EQ(rec.texts(), QStringList{"Valeur hors intervalle 10,0-1200,0"});
}

TEST_F(TableChildrenTest, CtrlCOpensTheCircleWindowWhereverTheFocusIs)
{
    TableWindow form;
    activate(form);
    const char *fields[] = {"EdCercle", "EdFocale", "EdFormat", "EdSuffixe", "EdComment"};
    size_t expected = 0;
    for (const char *name : fields) {
        auto *edit = child<QLineEdit>(&form, name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(owners.size(), ++expected) << name;
    }
    auto *spin = child<QSpinBox>(&form, "SpinLargCol");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(owners.size(), ++expected) << "SpinLargCol";
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(owners.size(), ++expected) << "AdvStringGrid1";
    child<QAction>(&form, "Diamtreducercledeconfusion1")->trigger();
    EXPECT_EQ(owners.size(), ++expected) << "menu";
    // Ctrl+Shift+C stays the table's copy.
    EXPECT_EQ(child<QAction>(&form, "Diamtreducercledeconfusion1")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_C));
}

TEST_F(TableChildrenTest, TheLensWindowsOkFillsTheLensFieldsAndRecomputes)
{
    TableWindow form;
    activate(form);
    const QString before = allCells(form);
    lensAnswer = LensChoice{QStringLiteral("81,2"), QStringLiteral("1,19791666666667"),
                            QStringLiteral("-4"), QStringLiteral("Planar T 2,8-80 CFE"),
                            QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11")};
    child<QAction>(&form, "ObjectifsHasselblad1")->trigger();
    ASSERT_EQ(owners, std::vector<QWidget *>{&form});
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("81,2"));
    EXPECT_EQ(text(form, "EdGP"), QStringLiteral("1,198"));
    EXPECT_EQ(text(form, "EdNod"), QStringLiteral("-4"));
    EXPECT_EQ(text(form, "EdSuffixe"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(text(form, "EdComment"), QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11"));
    EXPECT_NE(allCells(form), before);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableChildrenTest, LensWindowLeftWithoutOkChangesNothing)
{
    TableWindow form;
    activate(form);
    typeInto(child<QLineEdit>(&form, "EdFocale"), QStringLiteral("2000"));
    child<QAction>(&form, "ObjectifsHasselblad1")->trigger();
    EXPECT_EQ(owners.size(), 1u);
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("2000")); // no refresh
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TableChildrenTest, ANewUserGoesThroughTheRealCircleWindow)
{
    setCircleOpener({});
    QFile::remove(folder.dataPath() + "cbxcgr7.stf");
    TableWindow form;
    activate(form);
    whenShown<CircleWindow>([](CircleWindow &circle) {
        EXPECT_EQ(child<QLineEdit>(&circle, "EdLargF")->text(), QStringLiteral("56"));
        EXPECT_EQ(child<QLineEdit>(&circle, "EdLongT")->text(), QStringLiteral("40"));
        click(circle, "CalcBtn");
        click(circle, "AddBtn");
        click(circle, "validebtn");
    });
    QTest::mouseClick(child<QToolButton>(&form, "CercleBtn"), Qt::LeftButton);
    EXPECT_EQ(text(form, "EdCercle"), QStringLiteral("0,056"));
    EXPECT_EQ(text(form, "EdFormat"), QStringLiteral("6x6 cm"));
    EXPECT_TRUE(text(form, "EdNom").contains(QStringLiteral("C0056")));
    EXPECT_EQ(form.state().circle, QStringLiteral("0,056"));

    // Reopened: the grid is kept; saved as grid n°1, cleared, reloaded.
    FormatGrid shown;
    whenShown<CircleWindow>([&shown](CircleWindow &circle) {
        shown = circle.grid();
        click(circle, "SaveBtn");
        click(circle, "ToolButton3");
        EXPECT_TRUE(circle.grid().cell(1, FilmFormatColumn).isEmpty());
        click(circle, "LoadBtn");
        EXPECT_EQ(circle.grid(), shown);
        click(circle, "SpeedButton3");
    });
    rec.answerConfirm(true);
    rec.answerConfirm(true);
    rec.answerConfirm(true);
    form.activateWindow(); // back from the modal window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(child<QLineEdit>(&form, "EdComment"), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(shown.rowCount(), 20);
    EXPECT_EQ(shown.cell(1, CircleColumn), QStringLiteral("0,056"));
    EXPECT_EQ(text(form, "EdCercle"), QStringLiteral("0,056"));
    EXPECT_EQ(rec.texts(), (QStringList{"La grille enregistrée sera écrasée. Continuer?",
                                        "La grille actuelle sera effacée. Continuer?",
                                        "La grille actuelle sera effacée. Continuer?"}));
}

TEST_F(TableChildrenTest, ANewUserGoesThroughTheRealLensWindow)
{
    setLensOpener({});
    TableWindow form;
    activate(form);
    whenShown<LensDataWindow>([](LensDataWindow &lens) {
        EXPECT_EQ(child<QLineEdit>(&lens, "EdDn")->text(), QStringLiteral("-4"));
        EXPECT_EQ(child<QLineEdit>(&lens, "EdGp")->text(), QStringLiteral("1,19791666666667"));
        click(lens, "validebtn");
    });
    child<QAction>(&form, "ObjectifsHasselblad1")->trigger();
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("81,2"));
    EXPECT_EQ(text(form, "EdGP"), QStringLiteral("1,198"));
    EXPECT_EQ(text(form, "EdNod"), QStringLiteral("-4"));
    EXPECT_EQ(text(form, "EdSuffixe"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(text(form, "EdComment"), QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    // The next run shows what was kept.
    resetAppPaths();
    LensDataWindow again;
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QLineEdit>(&again, "EDepaiss")->text(), QStringLiteral("47"));
    EXPECT_EQ(child<QLineEdit>(&again, "EdRef")->text(), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(child<QLineEdit>(&again, "EdDn")->text(), QStringLiteral("-4"));
}
