#include "circle/circlewindow.h"

#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenprinttopdf.h"
#include "support/screenshot.h"
#include "support/windowpage.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string_view>

using namespace optolune;
using namespace optolune::test;

namespace {

class CercleTest : public testing::Test {
protected:
    static QLineEdit *edit(CircleWindow &form, const char *name) { return child<QLineEdit>(&form, name); }
    static QString text(CircleWindow &form, const char *name) { return edit(form, name)->text(); }
    // Clicks the grid's row (1 to the last), as the user selects it.
    static void clickRow(CircleWindow &form, int gridRow)
    {
        auto *view = child<QTableView>(&form, "GridCercle");
        const QModelIndex at = view->model()->index(gridRow - 1, 1);
        view->scrollTo(at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
        ASSERT_EQ(form.selectedRow(), gridRow);
    }
    // Clicks a check box on its box, as a user does.
    static void tick(CircleWindow &form, const char *name)
    {
        auto *box = child<QCheckBox>(&form, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    static GridRow shownRow(CircleWindow &form, int gridRow)
    {
        auto *view = child<QTableView>(&form, "GridCercle");
        GridRow row;
        for (int c = 0; c < kGridColumns; ++c)
            row[static_cast<size_t>(c)] = view->model()->index(gridRow - 1, c).data().toString();
        return row;
    }
    static QString header(CircleWindow &form, int column)
    {
        auto *view = child<QTableView>(&form, "GridCercle");
        return view->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    FormatGrid fileGrid(const QString &name) const
    {
        const auto grid = ReadGridFile(folder.dataPath() + name);
        return grid ? *grid : FormatGrid();
    }

    ProgramFolder folder;
    Recorder rec;
};

const GridRow kSixBySix = {"6x6 cm", "30x40", "42x56", "30x40", "50", "50", "7,1", "0,056", "41,4", ""};

} // namespace

TEST_F(CercleTest, FirstOpeningWithoutAGridShowsTheHeadersAndTheSixBySixOn30x40)
{
    QFile::remove(folder.dataPath() + "cbxcgr7.stf");
    CircleWindow form;
    activate(form);
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Cercle de confusion"));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);

    auto *view = child<QTableView>(&form, "GridCercle");
    EXPECT_EQ(view->model()->rowCount(), 19);
    EXPECT_EQ(view->model()->columnCount(), 10);
    EXPECT_EQ(header(form, 0), QStringLiteral("FF"));
    EXPECT_EQ(header(form, 8), QStringLiteral("n inf. à"));
    EXPECT_EQ(view->columnWidth(9), 170);
    EXPECT_EQ(shownRow(form, 1), GridRow());
    EXPECT_EQ(form.selectedRow(), 1);
    EXPECT_TRUE(view->selectionModel()->isRowSelected(0, QModelIndex()));
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);

    EXPECT_EQ(child<QComboBox>(&form, "ComboFormat")->currentText(), QStringLiteral("6x6 cm"));
    EXPECT_EQ(child<QComboBox>(&form, "ComboFilm")->currentText(), QStringLiteral("30x40"));
    EXPECT_EQ(text(form, "EdLargF"), QStringLiteral("56"));
    EXPECT_EQ(text(form, "EdLongF"), QStringLiteral("56"));
    EXPECT_EQ(text(form, "EdLargT"), QStringLiteral("30"));
    EXPECT_EQ(text(form, "EdLongT"), QStringLiteral("40"));
    EXPECT_EQ(text(form, "EdDistObs"), QStringLiteral("25"));
    EXPECT_TRUE(text(form, "EdC").isEmpty());

    // Colours: yellow inputs, the viewing distance only when it counts,
    // silver results, c and the f-number in bold red.
    EXPECT_TRUE(edit(form, "EdLargF")->styleSheet().contains(QStringLiteral("#ffff00")));
    EXPECT_FALSE(edit(form, "EdDistObs")->styleSheet().contains(QStringLiteral("#ffff00")));
    EXPECT_TRUE(edit(form, "EdCoeff")->isReadOnly());
    EXPECT_TRUE(edit(form, "EdCoeff")->styleSheet().contains(QStringLiteral("#c0c0c0")));
    EXPECT_TRUE(edit(form, "EdC")->isReadOnly());
    EXPECT_TRUE(edit(form, "EdC")->styleSheet().contains(QStringLiteral("#ff0000")));
    EXPECT_TRUE(edit(form, "EdNmin")->styleSheet().contains(QStringLiteral("bold")));

    // Hints: the short part as tool tip, the long one in the status bar.
    EXPECT_EQ(edit(form, "EdLargT")->toolTip(), QStringLiteral("Largeur du tirage"));
    EXPECT_EQ(edit(form, "EdLargT")->statusTip(),
              QStringLiteral("La largeur et la longueur du tirage n'interviennent que par leur rapport"));
    EXPECT_EQ(child<QToolButton>(&form, "AddBtn")->statusTip(),
              QStringLiteral(" Les valeurs calculées sont copiées dans la grille"));
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton3")->toolTip(), QStringLiteral("Effacer a grille"));
    EXPECT_EQ(child<QToolButton>(&form, "validebtn")->text(), QStringLiteral("Ok"));
    EXPECT_EQ(child<QToolButton>(&form, "SpeedButton3")->text(), QStringLiteral("Abandonner"));
}

TEST_F(CercleTest, ComputeAddOkHandsBackTheRowAndKeepsTheGrid)
{
    QFile::remove(folder.dataPath() + "cbxcgr7.stf");
    CircleWindow form;
    activate(form);
    click(form, "CalcBtn");
    EXPECT_EQ(text(form, "EdFmodif"), QStringLiteral("42x56"));
    EXPECT_EQ(text(form, "EdTmodif"), QStringLiteral("30x40"));
    EXPECT_EQ(text(form, "EdDiagTir"), QStringLiteral("50"));
    EXPECT_EQ(text(form, "EdCoeff"), QStringLiteral("7,1"));
    EXPECT_EQ(text(form, "EdDistObsCalc"), QStringLiteral("50"));
    EXPECT_EQ(text(form, "EdC"), QStringLiteral("0,056"));
    EXPECT_EQ(text(form, "EdNmin"), QStringLiteral("41,4"));

    click(form, "AddBtn");
    EXPECT_EQ(shownRow(form, 1), kSixBySix);
    click(form, "validebtn");
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->circle, QStringLiteral("0,056"));
    EXPECT_EQ(form.choice()->format, QStringLiteral("6x6 cm"));
    EXPECT_EQ(fileGrid("cbxcgr7.stf").row(1), kSixBySix);

    // The next opening shows the grid again.
    CircleWindow again;
    activate(again);
    EXPECT_EQ(shownRow(again, 1), kSixBySix);
    saveScreenshot(&again, QStringLiteral("circle-window-empty-results"));
}

TEST_F(CercleTest, ChangesOfTheInputsMakeTheResultsStale)
{
    CircleWindow form;
    activate(form);
    click(form, "CalcBtn");

    // Typing a dimension clears c, the f-number and the enlargement only.
    typeInto(edit(form, "EdLongT"), QStringLiteral("45"));
    EXPECT_TRUE(text(form, "EdC").isEmpty());
    EXPECT_TRUE(text(form, "EdNmin").isEmpty());
    EXPECT_TRUE(text(form, "EdCoeff").isEmpty());
    EXPECT_EQ(text(form, "EdFmodif"), QStringLiteral("42x56"));

    // The viewing distance clears nothing.
    click(form, "CalcBtn");
    typeInto(edit(form, "EdDistObs"), QStringLiteral("30"));
    EXPECT_FALSE(text(form, "EdC").isEmpty());

    // A preset chosen with the keyboard writes its dimensions.
    auto *film = child<QComboBox>(&form, "ComboFormat");
    film->setFocus();
    QTest::keyClick(film, Qt::Key_Up); // 4,5x6 cm
    EXPECT_EQ(film->currentText(), QStringLiteral("4,5x6 cm"));
    EXPECT_EQ(text(form, "EdLargF"), QStringLiteral("41"));
    EXPECT_EQ(text(form, "EdLongF"), QStringLiteral("56"));
    EXPECT_TRUE(text(form, "EdC").isEmpty());
    auto *print = child<QComboBox>(&form, "ComboFilm");
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Down); // 40x50
    EXPECT_EQ(text(form, "EdLargT"), QStringLiteral("40"));
    EXPECT_EQ(text(form, "EdLongT"), QStringLiteral("50"));

    // Each flag computes again at once.
    film->setFocus();
    QTest::keyClick(film, Qt::Key_Down); // 6x6 cm
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Up); // 30x40
    tick(form, "CheckPF");
    EXPECT_EQ(text(form, "EdTmodif"), QStringLiteral("30x30"));
    EXPECT_EQ(text(form, "EdC"), QStringLiteral("0,063"));
    tick(form, "CheckPF");
    tick(form, "CheckDistMin");
    EXPECT_TRUE(edit(form, "EdDistObs")->styleSheet().contains(QStringLiteral("#ffff00")));
    EXPECT_EQ(text(form, "EdDistObsCalc"), QStringLiteral("30"));
    EXPECT_EQ(text(form, "EdC"), QStringLiteral("0,034"));
    tick(form, "CheckDistMin");
    EXPECT_FALSE(edit(form, "EdDistObs")->styleSheet().contains(QStringLiteral("#ffff00")));
    EXPECT_EQ(text(form, "EdC"), QStringLiteral("0,056"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(CercleTest, AFailedCheckShowsItsWarningAndAddLeavesTheRowAsItWas)
{
    CircleWindow form;
    activate(form);
    const GridRow before = shownRow(form, 1);
    ASSERT_EQ(before, kSixBySix); // the delivered grid

    typeInto(edit(form, "EdDistObs"), QStringLiteral("9"));
    click(form, "CalcBtn");
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Champ DO incorrect (10-300)"}}));
    EXPECT_EQ(text(form, "EdDistObs"), QStringLiteral("9"));
    EXPECT_TRUE(text(form, "EdC").isEmpty());

    rec.clear();
    typeInto(edit(form, "EdDistObs"), QStringLiteral("25"));
    typeInto(edit(form, "EdLargF"), QStringLiteral("60"));
    click(form, "AddBtn");
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"warning", "Largeur film supérieure à longueur film incorrect"}}));
    EXPECT_EQ(shownRow(form, 1), before);
}

namespace {

// Stands before the recorder while it lives and notes what two result fields
// show at the moment each message comes up, as the user sees them behind it.
class FieldsBehindMessages final : public LineMessages {
public:
    FieldsBehindMessages(QLineEdit *c, QLineEdit *n)
        : LineMessages([this, c, n](const QString &text) {
              seen << text + QStringLiteral(" | c=") + c->text() + QStringLiteral(" n=") + n->text();
              m_next->warning(text);
          })
    {
        m_next = installMessages(this);
    }
    ~FieldsBehindMessages() override { installMessages(m_next); }
    FieldsBehindMessages(const FieldsBehindMessages &) = delete;
    FieldsBehindMessages &operator=(const FieldsBehindMessages &) = delete;

    QStringList seen;

private:
    Messages *m_next = nullptr;
};

} // namespace

TEST_F(CercleTest, AFailedCheckDoesNotShowOverThePreviousCAndFNumber)
{
    CircleWindow form;
    activate(form);
    // "Calculer", then "Ajouter" (which calculates first), each over the
    // results of a good calculation.
    for (const char *command : {"CalcBtn", "AddBtn"}) {
        typeInto(edit(form, "EdDistObs"), QStringLiteral("25"));
        click(form, "CalcBtn");
        ASSERT_EQ(text(form, "EdNmin"), QStringLiteral("41,4"));
        typeInto(edit(form, "EdDistObs"), QStringLiteral("9"));
        FieldsBehindMessages watch(edit(form, "EdC"), edit(form, "EdNmin"));
        click(form, command);
        EXPECT_EQ(watch.seen, QStringList{"Champ DO incorrect (10-300) | c= n="}) << command;
    }
    // The other results keep their texts until the next calculation.
    EXPECT_EQ(text(form, "EdFmodif"), QStringLiteral("42x56"));
    EXPECT_EQ(text(form, "EdCoeff"), QStringLiteral("7,1"));
    EXPECT_EQ(rec.texts(), (QStringList{"Champ DO incorrect (10-300)", "Champ DO incorrect (10-300)"}));
}

TEST_F(CercleTest, EnterInAnyFieldComputes)
{
    CircleWindow form;
    activate(form);
    tick(form, "CheckDistMin"); // seen from 25 cm: c 0,028
    ASSERT_EQ(text(form, "EdC"), QStringLiteral("0,028"));
    // Each row: a field, what is typed, and c once Enter is pressed. The
    // print is seen from 30 cm; a typed dimension first empties c.
    const struct {
        const char *field;
        const char *typed;
        const char *c;
    } steps[] = {
        {"EdDistObs", "30", "0,034"}, // 6x6 cropped to 30x40: enlarged 7,14 times
        {"EdLongT", "45", "0,030"},   // 30x45: 8,04 times
        {"EdLargT", "20", "0,030"},   // 20x45, still cropped on the long side
        {"EdLongF", "84", "0,045"},   // 56x84 film: 5,36 times
        {"EdLargF", "41", "0,045"},
    };
    for (const auto &step : steps) {
        typeInto(edit(form, step.field), QString::fromLatin1(step.typed));
        QTest::keyClick(edit(form, step.field), Qt::Key_Return);
        EXPECT_EQ(text(form, "EdC"), QString::fromLatin1(step.c)) << step.field;
        EXPECT_FALSE(text(form, "EdNmin").isEmpty()) << step.field;
    }
    EXPECT_EQ(text(form, "EdTmodif"), QStringLiteral("20x45"));
    EXPECT_EQ(text(form, "EdFmodif"), QStringLiteral("37x84"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    // The keypad's Enter too, and a failed check says so as Calculer does.
    typeInto(edit(form, "EdDistObs"), QStringLiteral("9"));
    QTest::keyClick(edit(form, "EdDistObs"), Qt::Key_Enter);
    EXPECT_EQ(rec.texts(), QStringList{"Champ DO incorrect (10-300)"});
    EXPECT_TRUE(text(form, "EdC").isEmpty());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(CercleTest, TheFormatNameFollowsTheTypedSizes)
{
    CircleWindow form;
    activate(form);
    auto *film = child<QComboBox>(&form, "ComboFormat");
    film->setCurrentIndex(0);
    film->setFocus();
    QTest::keyClick(film, Qt::Key_Down); // 24x36
    ASSERT_EQ(film->currentText(), QStringLiteral("24x36"));
    // Sizes of another film under the preset's name: the row names the sizes.
    typeInto(edit(form, "EdLargF"), QStringLiteral("20.5"));
    typeInto(edit(form, "EdLongF"), QStringLiteral("30"));
    typeInto(edit(form, "EdLargT"), QStringLiteral("24"));
    typeInto(edit(form, "EdLongT"), QStringLiteral("30"));
    click(form, "AddBtn");
    EXPECT_EQ(shownRow(form, 1)[FilmFormatColumn], QStringLiteral("20,5x30"));

    // The preset's own sizes, however written, give back its name.
    clickRow(form, 2);
    typeInto(edit(form, "EdLargF"), QStringLiteral("24,0"));
    typeInto(edit(form, "EdLongF"), QStringLiteral("36"));
    click(form, "AddBtn");
    EXPECT_EQ(shownRow(form, 2)[FilmFormatColumn], QStringLiteral("24x36"));
    EXPECT_EQ(text(form, "EdLargF"), QStringLiteral("24"));

    // What goes back to the table is the row's name.
    clickRow(form, 1);
    saveScreenshot(&form, QStringLiteral("circle-window-typed-sizes"));
    click(form, "validebtn");
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->format, QStringLiteral("20,5x30"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(CercleTest, LoadingAGridShowsItsFirstRow)
{
    CircleWindow form;
    activate(form);
    rec.answerConfirm(true);
    click(form, "SaveBtn"); // grid n°1, for LoadBtn to read
    auto *view = child<QTableView>(&form, "GridCercle");
    for (const char *command : {"LoadBtn", "DefBtnLoad"}) {
        clickRow(form, 18);
        ASSERT_GT(view->verticalScrollBar()->value(), 0);
        if (std::string_view(command) == "LoadBtn")
            rec.answerConfirm(true);
        click(form, command);
        EXPECT_EQ(view->verticalScrollBar()->value(), 0) << command;
        EXPECT_EQ(view->rowAt(0), 0) << command;
    }
}

TEST_F(CercleTest, AddOverwritesTheSelectedRowWholly)
{
    CircleWindow form;
    activate(form);
    clickRow(form, 2); // 24x36 on 24x30, from the delivered grid
    auto *film = child<QComboBox>(&form, "ComboFormat");
    film->setFocus();
    QTest::keyClick(film, Qt::Key_Down); // 6x7 cm
    click(form, "AddBtn");
    EXPECT_EQ(shownRow(form, 2),
              (GridRow{"6x7 cm", "30x40", "53x70", "30x40", "50", "50", "5,7", "0,070", "51,7", ""}));
    EXPECT_EQ(shownRow(form, 1), kSixBySix);
}

TEST_F(CercleTest, OkOnAnEmptyRowOrAnOutOfRangeCStaysOpen)
{
    CircleWindow form;
    activate(form);
    clickRow(form, 5);
    click(form, "validebtn");
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Valeur de c non valide. "}}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.choice().has_value());

    // 11x14 in on a 9x13 print seen from 3 m: c far beyond what a table takes.
    rec.clear();
    auto *film = child<QComboBox>(&form, "ComboFormat");
    film->setCurrentIndex(11);
    typeInto(edit(form, "EdLargF"), QStringLiteral("276"));
    typeInto(edit(form, "EdLongF"), QStringLiteral("352"));
    typeInto(edit(form, "EdLargT"), QStringLiteral("9"));
    typeInto(edit(form, "EdLongT"), QStringLiteral("13"));
    typeInto(edit(form, "EdDistObs"), QStringLiteral("300"));
    tick(form, "CheckDistMin");
    EXPECT_EQ(text(form, "EdC"), QStringLiteral("6,498"));
    click(form, "AddBtn");
    click(form, "validebtn");
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "c hors intervalle 0,005-0,500"}}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(CercleTest, ACWithAPointFromAGridFileIsHandedBackWithAComma)
{
    FormatGrid grid = NewFormatGrid();
    grid.setRow(1, {"4x5 in", "30x40", "90x120", "30x40", "50", "50", "3.3", "0.12", "88,6", ""});
    WriteGridFile(grid, folder.dataPath() + "cbxcgr7.stf");
    CircleWindow form;
    activate(form);
    click(form, "validebtn");
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->circle, QStringLiteral("0,12"));
    EXPECT_EQ(form.choice()->format, QStringLiteral("4x5 in"));
    EXPECT_EQ(fileGrid("cbxcgr7.stf").cell(1, EnlargementColumn), QStringLiteral("3,3"));
}

TEST_F(CercleTest, EveryWayOutKeepsTheGridEscapeIncluded)
{
    QFile::remove(folder.dataPath() + "cbxcgr7.stf");
    {
        CircleWindow form;
        activate(form);
        click(form, "AddBtn");
        click(form, "SpeedButton3"); // Abandonner
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_FALSE(form.choice().has_value());
    }
    EXPECT_EQ(fileGrid("cbxcgr7.stf").row(1), kSixBySix);
    {
        CircleWindow form;
        activate(form);
        EXPECT_EQ(shownRow(form, 1), kSixBySix);
        clickRow(form, 3);
        click(form, "AddBtn");
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(fileGrid("cbxcgr7.stf").row(3), kSixBySix);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(CercleTest, GridCommandsAskFirstAndWorkOnTheirFiles)
{
    CircleWindow form;
    activate(form);
    const FormatGrid delivered = form.grid();

    rec.answerConfirm(true);
    click(form, "SaveBtn");
    EXPECT_EQ(fileGrid("cbxcgr1.stf"), delivered);

    rec.answerConfirm(false);
    click(form, "ToolButton3");
    EXPECT_EQ(shownRow(form, 1), kSixBySix);
    rec.answerConfirm(true);
    click(form, "ToolButton3");
    EXPECT_EQ(shownRow(form, 1), GridRow());
    EXPECT_EQ(header(form, 0), QStringLiteral("FF"));
    EXPECT_EQ(form.grid().rowCount(), 20);

    rec.answerConfirm(true);
    click(form, "LoadBtn");
    EXPECT_EQ(form.grid(), delivered);

    clickRow(form, 2);
    click(form, "ToolButton4"); // no question
    EXPECT_EQ(shownRow(form, 2), GridRow());
    EXPECT_EQ(shownRow(form, 1), kSixBySix);

    click(form, "DefBtnLoad"); // grid n°2, no question
    EXPECT_EQ(form.grid(), fileGrid("cbxcgr0.stf"));
    EXPECT_EQ(shownRow(form, 2).front(), QStringLiteral("24x36"));

    rec.answerConfirm(false);
    click(form, "DefBtnSave");
    rec.answerConfirm(true);
    click(form, "ToolButton4");
    click(form, "DefBtnSave");
    EXPECT_EQ(fileGrid("cbxcgr0.stf").row(2), GridRow());

    EXPECT_EQ(rec.texts(), (QStringList{"La grille enregistrée sera écrasée. Continuer?",
                                        "La grille actuelle sera effacée. Continuer?",
                                        "La grille actuelle sera effacée. Continuer?",
                                        "La grille actuelle sera effacée. Continuer?",
                                        "La grille par défaut enregistrée sera écrasée. Continuer?",
                                        "La grille par défaut enregistrée sera écrasée. Continuer?"}));
}

TEST_F(CercleTest, AMissingGridFileLoadsNothingAndSaysNothing)
{
    CircleWindow form;
    activate(form);
    const FormatGrid before = form.grid();
    rec.answerConfirm(true);
    click(form, "LoadBtn"); // no grid n°1 yet
    EXPECT_EQ(form.grid(), before);
    EXPECT_EQ(rec.texts(), QStringList{"La grille actuelle sera effacée. Continuer?"});
}

TEST_F(CercleTest, ADamagedGridFileIsNamedAndTheGridStaysAsItWas)
{
    folder.write("Data/cbxcgr1.stf", "9\r\n20\r\nFF\r\n");
    folder.write("Data/cbxcgr0.stf", QByteArray("10\r\n2\r\n\0\0\0\0", 11));
    CircleWindow form;
    activate(form);
    const FormatGrid before = form.grid();
    rec.answerConfirm(true);
    click(form, "LoadBtn");
    click(form, "DefBtnLoad");
    EXPECT_EQ(form.grid(), before);
    const QString data = QDir::toNativeSeparators(folder.dataPath());
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"confirm", "La grille actuelle sera effacée. Continuer?"},
                  {"error", "Fichier illisible ou endommagé : " + data +
                                "cbxcgr1.stf (la ligne 1 doit donner 10 colonnes)"},
                  {"error", "Fichier illisible ou endommagé : " + data +
                                "cbxcgr0.stf (caractère de contrôle à la ligne 3)"}}));
}

TEST_F(CercleTest, ADamagedCurrentGridIsPutAsideBeforeTheCloseWritesANewOne)
{
    const QByteArray damaged("10\r\n2147483648\r\nFF\r\n");
    folder.write("Data/cbxcgr7.stf", damaged);
    CircleWindow form;
    activate(form);
    const QString data = QDir::toNativeSeparators(folder.dataPath());
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{
                  {"error", "Fichier illisible ou endommagé : " + data +
                                "cbxcgr7.stf (la ligne 2 doit donner de 2 à 1000 lignes)\r\n"
                                "Il est conservé sous le nom " + data +
                                "cbxcgr7.stf.illisible ; la grille repart de ses seuls en-têtes."}}));
    EXPECT_EQ(form.grid(), NewFormatGrid());
    EXPECT_EQ(folder.read("Data/cbxcgr7.stf.illisible"), damaged);
    click(form, "SpeedButton3");
    EXPECT_EQ(fileGrid("cbxcgr7.stf"), NewFormatGrid());
    EXPECT_EQ(folder.read("Data/cbxcgr7.stf.illisible"), damaged);
}

TEST_F(CercleTest, AFailedSaveSaysSoAndKeepsThePreviousFile)
{
    // A folder where grid n°1 would go cannot be replaced by a file, even
    // by root.
    QDir().mkpath(folder.dataPath() + "cbxcgr1.stf");
    CircleWindow form;
    activate(form);
    rec.answerConfirm(true);
    click(form, "SaveBtn");
    EXPECT_EQ(rec.messages().back(),
              (Message{"error", "Impossible de créer le fichier " + folder.dataPath() + "cbxcgr1.stf"}));
    EXPECT_TRUE(QFileInfo(folder.dataPath() + "cbxcgr1.stf").isDir());
}

TEST_F(CercleTest, AnUnwritableCurrentGridAsksBeforeClosingWithoutIt)
{
    CircleWindow form;
    activate(form);
    ASSERT_TRUE(QFile::remove(folder.dataPath() + "cbxcgr7.stf"));
    ASSERT_TRUE(QDir().mkpath(folder.dataPath() + "cbxcgr7.stf"));
    const Message failure{"error", "Impossible de créer le fichier " + folder.dataPath() + "cbxcgr7.stf"};
    const Message question{"confirm", "La grille n'a pas pu être enregistrée. Fermer sans l'enregistrer ?"};

    rec.answerConfirm(false);
    click(form, "validebtn");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.choice().has_value());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{failure, question}));

    rec.clear();
    rec.answerConfirm(true);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{failure, question}));
}

TEST_F(CercleTest, ScreenPrintPrintsTheWindow)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cercle.pdf"));
    CircleWindow form;
    activate(form);
    click(form, "CalcBtn");
    {
        const ScreenPrintToPdf toPdf(pdf);
        click(form, "SpeedButton13");
    }
    EXPECT_TRUE(rec.messages().empty());
    expectPageShowsWindow(pdf, form, QStringLiteral("circle-screenprint"));
}

TEST_F(CercleTest, PictureWithResultsAndAFilledGrid)
{
    CircleWindow form;
    activate(form);
    click(form, "DefBtnLoad");
    clickRow(form, 18);
    click(form, "CalcBtn");
    click(form, "AddBtn");
    EXPECT_EQ(shownRow(form, 18), kSixBySix);
    saveScreenshot(&form, QStringLiteral("circle-window"));
}

TEST_F(CercleTest, ClosedBeforeItsActivationTheCurrentGridIsLeftAlone)
{
    const QByteArray before = folder.read("Data/cbxcgr7.stf");
    ASSERT_FALSE(before.isEmpty());
    CircleWindow form;
    form.show();
    form.reject(); // the queued activation has not run
    QCoreApplication::processEvents();
    EXPECT_EQ(folder.read("Data/cbxcgr7.stf"), before);
}
