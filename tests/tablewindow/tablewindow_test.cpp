#include "tablewindow/tablewindow.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"
#include "tablewindow/tablegridmodel.h"
#include "lists/defaultlists.h"
#include "circle/circlecalc.h"
#include "core/numerictext.h"
#include "core/widgets.h"
#include "core/usererror.h"
#include <cmath>
#include <functional>
#include "app/mainwindow.h"
#include "lists/listkind.h"
#include "core/apppaths.h"
#include "core/notes.h"
#include "lists/listeditordialog.h"
#include "lists/listeditoropener.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <QMenuBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStatusBar>
#include <QTableView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QAbstractButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class TableWindowTest : public testing::Test {
protected:
    static QString header(TableWindow &form, Qt::Orientation o, int section)
    {
        auto *grid = child<QTableView>(&form, "AdvStringGrid1");
        return grid->model()->headerData(section, o, Qt::DisplayRole).toString();
    }
    static QString cell(TableWindow &form, int col, int row)
    {
        auto *grid = child<QTableView>(&form, "AdvStringGrid1");
        return grid->model()->index(row - 1, col - 1).data().toString();
    }
    static QAction *action(TableWindow &form, const char *name)
    {
        return child<QAction>(&form, name);
    }

    ScriptedListEditor listEditor;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [](const QUrl &) { return true; }};
};

} // namespace

TEST_F(TableWindowTest, ActivationShowsTheTestTable)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->text(), QStringLiteral("148,1"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdCercle")->text(), QStringLiteral("0,100"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(), QStringLiteral("F148,1_C0100_PF_4x5"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdSuffixe")->text(), QStringLiteral("Test Optolune"));
    EXPECT_TRUE(header(form, Qt::Horizontal, 0).startsWith(QStringLiteral("n=")));
    EXPECT_FALSE(cell(form, 1, 1).isEmpty());
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->toolTip(), QStringLiteral("Focale (mm)"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->statusTip(),
              QStringLiteral("Focale (mm)  minimum: 10,00  maximum: 1200,00"));
    saveScreenshot(&form, QStringLiteral("table-window"));
}

TEST_F(TableWindowTest, FieldRepairsWarnAndTheTableGoesOnWithTheRepairedValue)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *cercle = child<QLineEdit>(&form, "EdCercle");
    auto *focale = child<QLineEdit>(&form, "EdFocale");
    auto *nod = child<QLineEdit>(&form, "EdNod");

    typeInto(cercle, QStringLiteral("0.1"));
    QTest::keyClick(cercle, Qt::Key_Return);
    EXPECT_EQ(cercle->text(), QStringLiteral("0,100"));

    typeInto(focale, QStringLiteral("2000"));
    QTest::keyClick(focale, Qt::Key_Return);
    EXPECT_EQ(focale->text(), QStringLiteral("1200"));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Valeur hors intervalle 10,0-1200,0"}}));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(), QStringLiteral("F1200_C0100_PF_4x5"));
    EXPECT_EQ(form.state().focal, QStringLiteral("1200"));

    // An emptied nodal distance reads as 0 at the next key.
    nod->setFocus();
    nod->clear();
    QTest::keyClick(nod, Qt::Key_Return);
    EXPECT_EQ(nod->text(), QStringLiteral("0"));
    EXPECT_EQ(rec.messages().size(), 1u);

    // Alt+Enter is no refresh: the repair waits.
    typeInto(focale, QStringLiteral("5"));
    QTest::keyClick(focale, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(focale->text(), QStringLiteral("5"));
}

TEST_F(TableWindowTest, OriginAndOrientationFollowTheirTwinsAndSpringBackOnAnEmptyList)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *distFilm = child<QToolButton>(&form, "DistFilmBtn");
    auto *dh = child<QToolButton>(&form, "DhBtn");

    EXPECT_EQ(distFilm->text(), QStringLiteral("PF"));
    QTest::mouseClick(distFilm, Qt::LeftButton);
    EXPECT_FALSE(distFilm->isChecked());
    EXPECT_FALSE(action(form, "DistFilm")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(&form, "EdNom")->text().contains(QStringLiteral("_PL")));
    // The button's caption tells the origin whichever way it was set.
    EXPECT_EQ(distFilm->text(), QStringLiteral("PL"));

    action(form, "DistFilm")->trigger();
    EXPECT_TRUE(distFilm->isChecked());
    EXPECT_TRUE(action(form, "DistFilm")->isChecked());
    EXPECT_EQ(distFilm->text(), QStringLiteral("PF"));

    QTest::mouseClick(dh, Qt::LeftButton);
    EXPECT_TRUE(dh->isChecked());
    EXPECT_TRUE(action(form, "Dh")->isChecked());
    EXPECT_TRUE(header(form, Qt::Vertical, 0).startsWith(QStringLiteral("n=")));
    QTest::mouseClick(dh, Qt::LeftButton);
    EXPECT_TRUE(rec.messages().empty());

    // With no distances the refresh stops and the button pops back up.
    listEditor.answer = QStringList();
    QTest::mouseClick(child<QToolButton>(&form, "DistBtn"), Qt::LeftButton);
    rec.clear();
    QTest::mouseClick(dh, Qt::LeftButton);
    EXPECT_FALSE(dh->isChecked());
    EXPECT_FALSE(action(form, "Dh")->isChecked());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"information", "Créez une liste des distances"}}));
}

TEST_F(TableWindowTest, DisplayMenuItemsDriveTheHiddenButtonsAndTheRows)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    const int rows = grid->model()->rowCount();

    action(form, "H")->trigger();
    EXPECT_TRUE(child<QToolButton>(&form, "HBtn")->isChecked());
    ASSERT_EQ(grid->model()->rowCount(), rows + 2);
    EXPECT_EQ(header(form, Qt::Vertical, rows), QStringLiteral("H"));
    EXPECT_EQ(header(form, Qt::Vertical, rows + 1), QStringLiteral("h="));

    action(form, "p")->trigger();
    action(form, "ab")->trigger();
    EXPECT_TRUE(child<QToolButton>(&form, "PBtn")->isChecked());
    EXPECT_TRUE(child<QToolButton>(&form, "abBtn")->isChecked());
    EXPECT_EQ(cell(form, 1, 1).count(u'\n'), 4); // five lines
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 80);

    const int cols = grid->model()->columnCount();
    action(form, "MGrandiss")->trigger();
    EXPECT_TRUE(child<QToolButton>(&form, "GrandissBtn")->isChecked());
    ASSERT_EQ(grid->model()->columnCount(), cols + 2);
    EXPECT_EQ(header(form, Qt::Horizontal, cols + 1), QStringLiteral("T(mm)"));
    saveScreenshot(&form, QStringLiteral("table-window-all-options"));

    QTest::mouseClick(child<QToolButton>(&form, "DhBtn"), Qt::LeftButton);
    saveScreenshot(&form, QStringLiteral("table-window-horizontal-all-options"));
    QTest::mouseClick(child<QToolButton>(&form, "DistFilmBtn"), Qt::LeftButton);
    saveScreenshot(&form, QStringLiteral("table-window-horizontal-lens"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TableWindowTest, ListEditorIsOpenedForTheTableAndItsListReplacesTheTables)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    const QStringList before = form.state().fNumbers;
    listEditor.answer = QStringList{"4,5", "8"};
    QTest::mouseClick(child<QToolButton>(&form, "DiaBtn"), Qt::LeftButton);
    ASSERT_EQ(listEditor.requests.size(), 1u);
    EXPECT_EQ(listEditor.requests[0].wording, ListWording::Table);
    // The table takes back f-numbers and distances only.
    ASSERT_NE(listEditor.requests[0].receiver, nullptr);
    for (const auto &[kind, taken] :
         {std::pair{ListKind::Dia, true}, std::pair{ListKind::Dis, true},
          std::pair{ListKind::Foc, false}, std::pair{ListKind::Cer, false},
          std::pair{ListKind::Cgr, false}}) {
        EXPECT_EQ(listEditor.requests[0].receiver->accepts(kind), taken)
            << ListPrefix(kind).toStdString();
    }
    EXPECT_EQ(listEditor.requests[0].kind, ListKind::Dia);
    EXPECT_EQ(listEditor.requests[0].items, before);
    EXPECT_EQ(header(form, Qt::Horizontal, 0), QStringLiteral("n=4,5"));
    EXPECT_EQ(header(form, Qt::Horizontal, 1), QStringLiteral("n=8"));
    EXPECT_EQ(child<QTableView>(&form, "AdvStringGrid1")->model()->columnCount(), 2);

    // Abandonner hands nothing back.
    listEditor.answer.reset();
    QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(listEditor.requests.size(), 2u);
    EXPECT_EQ(listEditor.requests[1].kind, ListKind::Dis);
    EXPECT_EQ(header(form, Qt::Horizontal, 0), QStringLiteral("n=4,5"));
}

TEST_F(TableWindowTest, DefaultAndTheoreticalLists)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("Data/cbxdia7.stf"), "8\r\n16\r\n");
    folder.write(QStringLiteral("Data/cbxdis7.stf"), "2\r\n4\r\n");
    Recorder rec;
    TableWindow form;
    activate(form);
    action(form, "Diaphragmesetdistances1")->trigger();
    EXPECT_EQ(form.state().fNumbers, (QStringList{"8", "16"}));
    EXPECT_EQ(form.state().distances, (QStringList{"2", "4"}));
    EXPECT_EQ(header(form, Qt::Vertical, 1), QStringLiteral("4"));

    action(form, "Diaphragmesthoriques1")->trigger();
    EXPECT_EQ(form.state().fNumbers.size(), 33);
    EXPECT_TRUE(child<QToolButton>(&form, "DhBtn")->isChecked());
    EXPECT_TRUE(action(form, "Dh")->isChecked());
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    EXPECT_EQ(grid->verticalHeader()->width(), ShownColumnWidth(60, ColumnWidthScale(grid->font())));
    EXPECT_TRUE(rec.messages().empty());
    saveScreenshot(&form, QStringLiteral("table-window-theoretical"));
}

// Every change of the table reaches the grid as a reset of its model, so
// that a view never reads a table that changed under it: a refresh of the
// same shape, the column width, the decimals, the orientation, the bound.
TEST_F(TableWindowTest, EveryChangeOfTheTableResetsTheGridModel)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    QSignalSpy resets(grid->model(), &QAbstractItemModel::modelReset);
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"refresh", [&] { child<QToolButton>(&form, "CalcBtn")->click(); }},
        {"column width", [&] { child<QSpinBox>(&form, "SpinLargCol")->setValue(52); }},
        {"decimals",
         [&] {
             auto *decimals = child<QComboBox>(&form, "ComboNbDecim");
             decimals->setCurrentIndex(3);
             emit decimals->activated(3);
         }},
        {"orientation", [&] { child<QToolButton>(&form, "DhBtn")->click(); }},
        {"bound reset",
         [&] { QTest::mouseDClick(child<QLineEdit>(&form, "EdLimDec"), Qt::LeftButton); }},
    };
    for (const auto &[name, change] : changes) {
        resets.clear();
        change();
        EXPECT_GE(resets.count(), 1) << name;
        // What the view reads is the table the window holds.
        const TableModel &table = form.table();
        ASSERT_EQ(grid->model()->columnCount(), table.colCount() - 1) << name;
        ASSERT_EQ(grid->model()->rowCount(), table.rowCount() - 1) << name;
        EXPECT_EQ(grid->model()->index(0, 0).data().toString(), table.displayText(1, 1)) << name;
    }
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableWindowTest, ClosingKeepsTheTableForTheNextOpening)
{
    ProgramFolder folder;
    Recorder rec;
    QString kept; // what the main window keeps between two openings
    {
        TableWindow form;
        activate(form);
        typeInto(child<QLineEdit>(&form, "EdFocale"), QStringLiteral("80"));
        typeInto(child<QLineEdit>(&form, "EdSuffixe"), QString());
        typeInto(child<QLineEdit>(&form, "EdComment"), QStringLiteral("Planar 80"));
        action(form, "H")->trigger();
        QTest::keyClick(&form, Qt::Key_Escape); // every way out keeps the table
        EXPECT_FALSE(form.isVisible());
        kept = form.tmpTablePath();
    }
    const QString tmp = folder.file("tmp/F80_C0100_PF_4x5.tmp");
    EXPECT_EQ(kept, tmp);
    ASSERT_TRUE(QFileInfo::exists(tmp));
    {
        TableWindow form;
        form.setTmpTablePath(kept);
        activate(form);
        EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->text(), QStringLiteral("80"));
        EXPECT_EQ(child<QLineEdit>(&form, "EdComment")->text(), QStringLiteral("Planar 80"));
        EXPECT_TRUE(action(form, "H")->isChecked());
        EXPECT_FALSE(QFileInfo::exists(tmp));
    }
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableWindowTest, ClosingWhenTmpCannotBeWrittenReportsAndStillCloses)
{
    ProgramFolder folder;
    folder.write(QStringLiteral("tmp"), "a file where the folder should be");
    folder.write(QStringLiteral("Tables/F148,1_C0100_PF_4x5_Mine.stf"), "kept");
    Recorder rec;
    TableWindow form;
    activate(form);
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(rec.messages().empty());
    EXPECT_EQ(folder.read(QStringLiteral("Tables/F148,1_C0100_PF_4x5_Mine.stf")), QByteArray("kept"));
}

TEST_F(TableWindowTest, SaveThenOpenRestoresTheTable)
{
    ProgramFolder folder;
    QDir().mkpath(folder.file("Tables"));
    Recorder rec;
    TableWindow form;
    activate(form);
    typeInto(child<QLineEdit>(&form, "EdSuffixe"), QStringLiteral("Mine"));
    typeInto(child<QLineEdit>(&form, "EdGP"), QStringLiteral("0,9"));
    rec.answerConfirm(true);
    QTest::mouseClick(child<QToolButton>(&form, "SauveBtn"), Qt::LeftButton);
    const QString saved = folder.file("Tables/F148,1_C0100_PF_4x5_Mine.stf");
    ASSERT_TRUE(QFileInfo::exists(saved)) << rec.texts().join(u'\n').toStdString();

    typeInto(child<QLineEdit>(&form, "EdGP"), QStringLiteral("2"));
    QTest::keyClick(child<QLineEdit>(&form, "EdGP"), Qt::Key_Return);
    rec.answerFile(saved);
    QTest::mouseClick(child<QToolButton>(&form, "OpenBtn"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(&form, "EdGP")->text(), QStringLiteral("0,900"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdSuffixe")->text(), QStringLiteral("Mine"));
}

// A save that throws (here its confirmation fails) is reported by the
// window, from the button as from the menu's "Enregistrer", and the fields
// show the state after it: nothing unwinds into Qt's event code.
TEST_F(TableWindowTest, SaveThatThrowsIsReportedFromTheButtonAndTheMenu)
{
    class ThrowingConfirm final : public Messages {
    public:
        explicit ThrowingConfirm(Recorder &rec) : m_rec(rec), m_previous(installMessages(this)) {}
        ~ThrowingConfirm() override { installMessages(m_previous); }
        void information(const QString &text) override { m_rec.information(text); }
        void warning(const QString &text) override { m_rec.warning(text); }
        void plain(const QString &text) override { m_rec.plain(text); }
        void error(const QString &text) override { m_rec.error(text); }
        bool confirm(const QString &) override { throw UserError(QStringLiteral("Disque plein")); }

    private:
        Recorder &m_rec;
        Messages *m_previous;
    };
    const std::vector<std::pair<const char *, std::function<void(TableWindow &)>>> commands = {
        {"SauveBtn", [](TableWindow &form) { QTest::mouseClick(child<QToolButton>(&form, "SauveBtn"), Qt::LeftButton); }},
        {"Enregistrer", [](TableWindow &form) { action(form, "Enregistrer")->trigger(); }},
    };
    for (const auto &[name, run] : commands) {
        SCOPED_TRACE(name);
        ProgramFolder folder;
        Recorder rec;
        TableWindow form;
        activate(form);
        typeInto(child<QLineEdit>(&form, "EdSuffixe"), QStringLiteral("Mine"));
        typeInto(child<QLineEdit>(&form, "EdGP"), QStringLiteral("0,9"));
        rec.clear();
        {
            ThrowingConfirm throwing(rec);
            EXPECT_NO_THROW(run(form));
        }
        EXPECT_EQ(rec.messages(), (std::vector<Message>{{"error", "Disque plein"}}));
        EXPECT_EQ(child<QLineEdit>(&form, "EdGP")->text(), QStringLiteral("0,900"));
        EXPECT_FALSE(QFileInfo::exists(folder.file("Tables/F148,1_C0100_PF_4x5_Mine.stf")));
    }
}

TEST_F(TableWindowTest, MissingTestTableStopsWithTheBugMessage)
{
    ProgramFolder folder;
    QFile::remove(folder.dataPath() + "F148,1_C0100_PF_4x5_Test Optolune.slc");
    Recorder rec;
    TableWindow form;
    activate(form);
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Bug 324, prévenez votre fournisseur "}}));
    EXPECT_EQ(child<QTableView>(&form, "AdvStringGrid1")->model()->rowCount(), 0);
}

TEST_F(TableWindowTest, DecimalsWidthBoundAndInformationLine)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *combo = child<QComboBox>(&form, "ComboNbDecim");
    auto *spin = child<QSpinBox>(&form, "SpinLargCol");
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    const double scale = ColumnWidthScale(grid->font());
    EXPECT_EQ(spin->value(), 58);
    EXPECT_EQ(grid->horizontalHeader()->defaultSectionSize(), ShownColumnWidth(58, scale));
    spin->setValue(95);
    EXPECT_EQ(spin->value(), 40);
    EXPECT_EQ(grid->horizontalHeader()->defaultSectionSize(), ShownColumnWidth(40, scale));

    // The bound comes from the selected cell's distance.
    const QString distance = header(form, Qt::Vertical, 3);
    grid->setCurrentIndex(grid->model()->index(3, 0));
    QTest::mouseClick(child<QLineEdit>(&form, "EdLimDec"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(&form, "EdLimDec")->text(), distance);
    QTest::mouseDClick(child<QLineEdit>(&form, "EdLimDec"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(&form, "EdLimDec")->text(), QStringLiteral("1000"));

    // The "Infini" row has no distance.
    grid->setCurrentIndex(grid->model()->index(form.table().nDist, 0));
    QTest::mouseClick(child<QLineEdit>(&form, "EdLimDec"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"La valeur sélectionnée ne convient pas"});

    auto *info = child<QToolButton>(&form, "ToolButton1");
    QTest::mousePress(info, Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>(&form, "PanelAffiche")->isHidden());
    EXPECT_EQ(child<QLineEdit>(&form, "Edaffiche")->text(),
              QStringLiteral(" Diaphragmes:%1      distances:%2").arg(form.table().nDia).arg(form.table().nDist));
    QTest::mouseRelease(info, Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>(&form, "PanelAffiche")->isHidden());
}

TEST_F(TableWindowTest, HiddenFaBoxAndItsKeys)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *nom = child<QLineEdit>(&form, "EdNom");
    auto *fa = child<QCheckBox>(&form, "CheckVa");
    QTest::keyClick(nom, Qt::Key_F11, Qt::ControlModifier);
    EXPECT_FALSE(fa->isHidden());
    fa->setChecked(true);
    EXPECT_EQ(nom->text(), QStringLiteral("F148,1_C0100_Fa_PF_4x5"));
    fa->setChecked(false);
    EXPECT_EQ(nom->text(), QStringLiteral("F148,1_C0100_PF_4x5"));
    fa->setChecked(true);
    QTest::keyClick(nom, Qt::Key_F12, Qt::ControlModifier);
    EXPECT_TRUE(fa->isHidden());
    QTest::mouseDClick(nom, Qt::LeftButton);
    EXPECT_FALSE(fa->isHidden());
    QTest::mouseDClick(nom, Qt::LeftButton);
    EXPECT_TRUE(fa->isHidden());
    EXPECT_FALSE(fa->isChecked());
    EXPECT_EQ(nom->text(), QStringLiteral("F148,1_C0100_PF_4x5"));
}

TEST_F(TableWindowTest, BitmapExportStaysInsideItsFolder)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *comment = child<QLineEdit>(&form, "EdComment");
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QApplication::clipboard()->setImage(image);

    rec.answerInput(QStringLiteral("../escape"));
    QTest::keyClick(comment, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_FALSE(folder.exists(QStringLiteral("escape.bmp")));
    rec.answerInput(QStringLiteral("table 1"));
    QTest::keyClick(comment, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_TRUE(folder.exists(QStringLiteral("bmp_dev/table 1.bmp")));
    EXPECT_EQ(rec.texts(), QStringList{"nom ../escape non valide"});
    // The bitmap written is named in the status bar.
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + folder.file(QStringLiteral("bmp_dev/table 1.bmp")));

    QApplication::clipboard()->clear();
    rec.clear();
    rec.answerInput(QStringLiteral("vide"));
    QTest::keyClick(comment, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_EQ(rec.texts(), QStringList{"Pas d'image dans le presse-papier"});
}

TEST_F(TableWindowTest, TheRealListEditorHandsItsCheckedItemsBack)
{
    ProgramFolder folder;
    Recorder rec;
    setListEditorOpener({}); // the program's own editor
    TableWindow form;
    activate(form);
    const QStringList before = form.state().distances;
    ASSERT_GE(before.size(), 2);
    QString caption;
    // The first distance unchecked: what comes back is the list without it,
    // which the table's list never was.
    std::optional<ListKind> kind;
    whenModalShown([&](QWidget *editor) {
        caption = editor->windowTitle();
        if (auto *dialog = dynamic_cast<ListEditorDialog *>(editor)) {
            kind = dialog->editor().kind();
        }
        auto *items = child<QListWidget>(editor, "CheckListBox1");
        ASSERT_EQ(items->count(), before.size());
        items->item(0)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(child<QAbstractButton>(editor, "OkBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QToolButton>(&form, "DistBtn"), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Listes-Distances"));
    EXPECT_EQ(form.state().distances, before.mid(1));
    EXPECT_EQ(kind, ListKind::Dis);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableWindowTest, MainWindowOpensTheTableAndCtrlOOpensAFileInIt)
{
    ProgramFolder folder;
    Recorder rec;
    // A saved table to open: the test table under another name.
    folder.write(QStringLiteral("Tables/F148,1_C0100_PF_6x9_Mine.stf"),
                 folder.read(QStringLiteral("Data/F148,1_C0100_PF_4x5_Test Optolune.slc")));
    MainWindow main;
    main.setTableOpener(
        [](QWidget *owner, QString &tmpTable) { ShowTableWindow(owner, false, tmpTable); });
    main.setOpenTableFileCommand(
        [](QWidget *owner, QString &tmpTable) { ShowTableWindow(owner, true, tmpTable); });
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QCoreApplication::processEvents();

    QString format;
    rec.answerFile(folder.file("Tables/F148,1_C0100_PF_6x9_Mine.stf"));
    whenModalShown([&](QWidget *table) {
        // Activation and the open command run once the window is up.
        QTimer::singleShot(0, table, [&format, table] {
            format = child<QLineEdit>(table, "EdFormat")->text();
            table->close();
        });
    });
    QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(format, QStringLiteral("6x9"));
    // The main window keeps the tmp table the window left, for the next
    // opening and the settings file.
    const QString tmp = folder.file(QStringLiteral("tmp/F148,1_C0100_PF_6x9_Mine.tmp"));
    EXPECT_EQ(main.tmpTablePath(), tmp);
    EXPECT_TRUE(QFileInfo::exists(tmp));

    bool shown = false;
    whenModalShown([&](QWidget *table) {
        shown = table->windowTitle() == QStringLiteral("Table de profondeur de champ");
        QTimer::singleShot(0, table, [table] { table->close(); });
    });
    QTest::mouseClick(child<QToolButton>(&main, "TableBtn"), Qt::LeftButton);
    EXPECT_TRUE(shown);
    // Read at the opening, written again at the close.
    EXPECT_EQ(main.tmpTablePath(), tmp);
    EXPECT_TRUE(QFileInfo::exists(tmp));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableWindowTest, ExplanationsAndDisplayOptionsOpenOverTheTable)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    QString caption;
    whenModalShown([&](QWidget *window) {
        QTimer::singleShot(0, window, [&caption, window] {
            caption = window->windowTitle();
            saveScreenshot(window, QStringLiteral("affiche-from-table"));
            window->close();
        });
    });
    QTest::mouseClick(child<QToolButton>(&form, "AfficheBtn"), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Table de profondeur de champ"));

    // The hidden display options button: the choices go to the settings
    // file and the table does not change.
    const QString before = cell(form, 1, 1);
    whenModalShown([](QWidget *dialog) {
        QTest::mouseClick(child<QAbstractButton>(dialog, "MarqueTousBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(dialog, "validebtn"), Qt::LeftButton);
    });
    child<QToolButton>(&form, "ToolButton7")->click();
    EXPECT_TRUE(folder.read(QStringLiteral("optolune.INI")).contains("p=1"));
    EXPECT_EQ(cell(form, 1, 1), before);
    EXPECT_FALSE(child<QToolButton>(&form, "PBtn")->isChecked());
    EXPECT_TRUE(rec.messages().empty());
}

// The pop-up command "Fichier test Super Symmar 5,6/150" shows the whole
// test table, every line of it, whatever the fields held before.
TEST_F(TableWindowTest, TestTableCommandLoadsTheWholeTestTable)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    const TableModel shownAtActivation = form.table();
    typeInto(child<QLineEdit>(&form, "EdCercle"), QStringLiteral("0,03"));
    typeInto(child<QLineEdit>(&form, "EdFocale"), QStringLiteral("200"));
    typeInto(child<QLineEdit>(&form, "EdNod"), QStringLiteral("-4"));
    action(form, "Dh")->trigger();
    action(form, "DistFilm")->trigger();
    ASSERT_TRUE(form.state().horizontal);
    ASSERT_FALSE(form.state().fromFilm);

    action(form, "FichiertestSuperSymmar1")->trigger();
    EXPECT_EQ(child<QLineEdit>(&form, "EdCercle")->text(), QStringLiteral("0,100"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->text(), QStringLiteral("148,1"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNod")->text(), QStringLiteral("24,8"));
    EXPECT_FALSE(child<QToolButton>(&form, "DhBtn")->isChecked());
    EXPECT_TRUE(child<QToolButton>(&form, "DistFilmBtn")->isChecked());
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(), QStringLiteral("F148,1_C0100_PF_4x5"));
    // The table computed is the test table's, cell for cell.
    ASSERT_EQ(form.table().colCount(), shownAtActivation.colCount());
    ASSERT_EQ(form.table().rowCount(), shownAtActivation.rowCount());
    for (int col = 0; col < shownAtActivation.colCount(); ++col)
        for (int row = 0; row < shownAtActivation.rowCount(); ++row) {
            EXPECT_EQ(form.table().cell(col, row), shownAtActivation.cell(col, row));
        }
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    // Without a test table the command says so, as the activation does.
    QFile::remove(TestTablePath());
    action(form, "FichiertestSuperSymmar1")->trigger();
    EXPECT_EQ(rec.texts(), QStringList{"Bug 324, prévenez votre fournisseur "});
}

// The format, the lens references and the comment keep to the characters
// the files and the settings file can hold: a key brings nothing else in, a
// pasted text comes in without the rest, and one message says what was left
// out. é, ×, € go in as they are.
TEST_F(TableWindowTest, FieldsThatReachAFileKeepToWindows1252)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *format = child<QLineEdit>(&form, "EdFormat");
    format->setFocus();
    format->clear();
    // Keys of any keyboard: each event brings the text of one character.
    for (const char16_t *key : {u"6", u"\u00d7", u"7", u"\u03a9"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf16(key));
        QApplication::sendEvent(format, &press);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(format->text(), QString::fromUtf16(u"6\u00d77"));
    EXPECT_EQ(rec.texts(), QStringList{Windows1252RefusalText(QString::fromUtf16(u"\u03a9"))});

    rec.clear();
    for (const char *name : {"EdSuffixe", "EdComment"}) {
        auto *edit = child<QLineEdit>(&form, name);
        edit->clear();
        edit->setFocus();
        QApplication::clipboard()->setText(QString::fromUtf16(u"Planar \u03a9 \U0001F600 \u00e9\u20ac"));
        QTest::keySequence(edit, QKeySequence::Paste);
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->text(), QString::fromUtf16(u"Planar   \u00e9\u20ac")) << name;
    }
    const QString refused = Windows1252RefusalText(QString::fromUtf16(u"\u03a9\U0001F600"));
    EXPECT_EQ(rec.texts(), (QStringList{refused, refused}));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(),
              QString::fromUtf16(u"F148,1_C0100_PF_6\u00d77"));
}

// Clearing the nodal distance and typing -4 gives -4: the "0,0" an emptied
// field takes at the next key is selected, and the key replaces it.
TEST_F(TableWindowTest, EmptiedNodalDistanceTakesTheValueTyped)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *nod = child<QLineEdit>(&form, "EdNod");
    nod->setFocus();
    nod->clear();
    QTest::keyClicks(nod, QStringLiteral("-4"));
    EXPECT_EQ(nod->text(), QStringLiteral("-4"));
    QTest::keyClick(nod, Qt::Key_Return);
    EXPECT_EQ(nod->text(), QStringLiteral("-4"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

// A default list of 100 MB: the list is cut at the thousand values a table
// file holds, with a message, and the table shows them.
TEST_F(TableWindowTest, AHugeDefaultListIsCutAndShown)
{
    ProgramFolder folder;
    QByteArray huge;
    huge.reserve(100 * 1024 * 1024 + 16);
    const QByteArray line = "2,5\r\n";
    while (huge.size() < 100 * 1024 * 1024)
        huge += line;
    folder.write(QStringLiteral("Data/cbxdis7.stf"), huge);
    huge.clear();
    huge.squeeze();
    Recorder rec;
    TableWindow form;
    activate(form);
    action(form, "Distances2")->trigger();
    EXPECT_EQ(form.state().distances.size(), 1000);
    EXPECT_EQ(form.table().nDist, 1000);
    EXPECT_EQ(rec.texts(),
              QStringList{QStringLiteral("Le fichier %1 est trop long : la liste a été coupée (1000 "
                                         "valeurs au plus).")
                              .arg(folder.file(QStringLiteral("Data/cbxdis7.stf")))});
    // What the window keeps at its close reads back at the next opening.
    form.close();
    TableWindow again;
    again.setTmpTablePath(form.tmpTablePath());
    activate(again);
    EXPECT_EQ(again.state().distances.size(), 1000);
}

// Every line of every cell fits its column at the default width of each
// number of decimals, with every line shown (p, a, b), for values below
// 10 000 m, in the grid's own font.
TEST_F(TableWindowTest, CellsFitTheirColumnsAtTheDefaultWidths)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    form.resize(1600, 900);
    activate(form);
    // A long lens whose hyperfocal distance runs from kilometres (f/1) down
    // to a few metres (f/256): far limits of thousands of metres below the
    // bound, at every number of decimals.
    typeInto(child<QLineEdit>(&form, "EdCercle"), QStringLiteral("0,05"));
    typeInto(child<QLineEdit>(&form, "EdFocale"), QStringLiteral("300"));
    QTest::keyClick(child<QLineEdit>(&form, "EdFocale"), Qt::Key_Return);
    listEditor.answer = TheoreticalFNumbers();
    child<QToolButton>(&form, "DiaBtn")->click();
    QStringList distances;
    for (int d = 1; d <= 98; ++d)
        distances << QString::number(d);
    distances << QStringLiteral("0,75") << QStringLiteral("1,25") << QStringLiteral("150")
              << QStringLiteral("900");
    listEditor.answer = distances;
    child<QToolButton>(&form, "DistBtn")->click();
    for (const char *option : {"p", "ab", "H", "MGrandiss"})
        action(form, option)->trigger();
    ASSERT_TRUE(form.state().showP && form.state().showAB && form.state().showH && form.state().showGT);

    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    auto *combo = child<QComboBox>(&form, "ComboNbDecim");
    const QFontMetrics metrics(grid->font());
    const TableModel &table = form.table();
    int checked = 0;
    bool sawThousands = false;
    for (int decimals = 0; decimals <= 8; ++decimals) {
        combo->setCurrentIndex(decimals);
        emit combo->activated(decimals);
        ASSERT_EQ(form.state().decimalsIndex, decimals);
        for (int col = 1; col < table.colCount(); ++col) {
            const int width = grid->columnWidth(col - 1);
            for (int row = 1; row < table.rowCount(); ++row) {
                for (const QString &text : table.cellLines(col, row)) {
                    const QString value = text.startsWith(u'p') || text.startsWith(u'a') ||
                                                  text.startsWith(u'b')
                                              ? text.mid(2)
                                              : text;
                    const auto number = ReadNumber(value);
                    if (number && std::fabs(*number) >= 10000)
                        continue;
                    sawThousands = sawThousands || (number && *number >= 1000);
                    ++checked;
                    EXPECT_LE(metrics.horizontalAdvance(text) + kCellTextPadding, width)
                        << "\"" << text.toStdString() << "\" at " << decimals << " decimals, "
                        << table.cell(col, 0).toStdString() << " / " << table.cell(0, row).toStdString();
                }
            }
        }
        if (decimals == 2)
            saveScreenshot(&form, QStringLiteral("table-window-fit-2-decimals"));
    }
    EXPECT_GT(checked, 10000);
    EXPECT_TRUE(sawThousands);
}


// Every format name the circle window can hand to the table shows whole in
// EdFormat, as its font draws it.
TEST_F(TableWindowTest, FormatFieldHoldsEveryNameOfTheFormatList)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    auto *format = child<QLineEdit>(&form, "EdFormat");
    QStyleOptionFrame option;
    option.initFrom(format);
    option.rect = format->rect();
    option.lineWidth = format->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, format);
    const QRect text = format->style()->subElementRect(QStyle::SE_LineEditContents, &option, format);
    const QFontMetrics metrics(format->font());
    for (const FormatPreset &preset : FilmPresets()) {
        const QString name = QString::fromUtf8(preset.item);
        SCOPED_TRACE(name.toStdString());
        // A line edit keeps two pixels of margin on each side of its text.
        EXPECT_LE(metrics.horizontalAdvance(name) + 4, text.width());
    }
}

// "Diffraction" in the display menu: the cells are those of the table logic
// with diffraction counted, with the wavelength the display options hold; a
// new wavelength chosen there is taken at once, and the option outlives the
// window through its tmp table.
TEST_F(TableWindowTest, DiffractionMenuItemAndItsWavelength)
{
    ProgramFolder folder;
    Recorder rec;
    folder.write(QStringLiteral("optolune.INI"), "[optaff]\r\nlambda=0,5\r\n");
    QString kept; // the tmp table the main window would hand to the next opening
    auto cellsOf = [](TableWindow &window, const TableModel &like) {
        QStringList all;
        for (int r = 1; r < like.rowCount(); ++r)
            for (int c = 1; c < like.colCount(); ++c)
                all << cell(window, c, r);
        return all;
    };
    auto cellsOfModel = [](const TableModel &model) {
        QStringList all;
        for (int r = 1; r < model.rowCount(); ++r)
            for (int c = 1; c < model.colCount(); ++c)
                all << QString(model.cell(c, r)).replace(kCellLineBreak, u'\n'); // as the view shows it
        return all;
    };
    auto expectedCells = [](long double wavelengthUm) {
        TableState state;
        EXPECT_EQ(ReadTableFile(state, TestTablePath(), TableSource::TestTable).status,
                  TableStatus::Read);
        state.diffraction = true;
        state.wavelengthUm = wavelengthUm;
        TableModel model;
        EXPECT_TRUE(RefreshTable(state, model));
        return model;
    };
    {
        TableWindow form;
        activate(form);
        const TableModel at05 = expectedCells(0.5L);
        const QStringList before = cellsOf(form, at05);
        EXPECT_FALSE(action(form, "Diffraction")->isChecked());
        action(form, "Diffraction")->trigger();
        EXPECT_TRUE(action(form, "Diffraction")->isChecked());
        EXPECT_EQ(form.windowTitle(),
                  QStringLiteral("Table de profondeur de champ avec diffraction (λ 0,50 µm)"));
        auto *grid = child<QTableView>(&form, "AdvStringGrid1");
        ASSERT_EQ(grid->model()->columnCount(), at05.colCount() - 1);
        EXPECT_EQ(cellsOf(form, at05), cellsOfModel(at05));
        EXPECT_NE(cellsOf(form, at05), before);
        saveScreenshot(&form, QStringLiteral("table-window-diffraction"));

        whenModalShown([](QWidget *dialog) {
            child<QLineEdit>(dialog, "EdLambda")->setText(QStringLiteral("0,7"));
            QTest::mouseClick(child<QAbstractButton>(dialog, "validebtn"), Qt::LeftButton);
        });
        child<QToolButton>(&form, "ToolButton7")->click();
        const TableModel at07 = expectedCells(0.7L);
        EXPECT_EQ(cellsOf(form, at07), cellsOfModel(at07));
        EXPECT_NE(cellsOfModel(at07), cellsOfModel(at05));
        EXPECT_EQ(form.windowTitle(),
                  QStringLiteral("Table de profondeur de champ avec diffraction (λ 0,70 µm)"));
        form.close();
        kept = form.tmpTablePath();
    }
    TableWindow form;
    form.setTmpTablePath(kept);
    activate(form);
    EXPECT_TRUE(action(form, "Diffraction")->isChecked());
    const TableModel at07 = expectedCells(0.7L);
    EXPECT_EQ(cellsOf(form, at07), cellsOfModel(at07));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

namespace {
// Counts the paints an object receives.
class PaintCount : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

// A refresh draws the grid once: the view is laid out with the new table
// before its paint, not again on a timer after it.
TEST_F(TableWindowTest, RefreshPaintsTheGridOnce)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    child<QAction>(&form, "Diaphragmesthoriques1")->trigger();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    auto *grid = child<QTableView>(&form, "AdvStringGrid1");
    PaintCount counter;
    grid->viewport()->installEventFilter(&counter);
    for (const char *button : {"CalcBtn", "DistFilmBtn", "DhBtn"}) {
        SCOPED_TRACE(button);
        counter.paints = 0;
        child<QToolButton>(&form, button)->click();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(counter.paints, 1);
    }
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}
