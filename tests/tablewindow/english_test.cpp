// The table window in English: its texts, its numbers with decimal points in
// the fields, the grid and the copy, and its files the same bytes as in
// French.
#include "tablewindow/tablewindow.h"
#include "tablewindow/displayoptionsdialog.h"
#include "tablewindow/frenchleft.h"
#include "table/tablemodel.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableView>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

const QRegularExpression DecimalComma(QStringLiteral("\\d,\\d"));
const QRegularExpression DecimalPoint(QStringLiteral("\\d\\.\\d"));

// Every text of the grid, headers included, as the view asks for them.
QStringList gridTexts(const TableWindow &form)
{
    const QAbstractItemModel *model = child<QTableView>(&form, "AdvStringGrid1")->model();
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        out << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < model->rowCount(); ++r) {
        out << model->headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
        for (int c = 0; c < model->columnCount(); ++c)
            out << model->index(r, c).data().toString();
    }
    return out;
}

// Saves the test table, with typed parameters, lens references and a
// comment, and returns the bytes of the file.
QByteArray savedTable(const QString &circle, const QString &pupil)
{
    ProgramFolder folder;
    QDir().mkpath(folder.file("Tables"));
    Recorder rec;
    TableWindow form;
    activate(form);
    typeInto(child<QLineEdit>(&form, "EdSuffixe"), QStringLiteral("Mine"));
    typeInto(child<QLineEdit>(&form, "EdComment"), QStringLiteral("Essai 1,5 m"));
    typeInto(child<QLineEdit>(&form, "EdCercle"), circle);
    typeInto(child<QLineEdit>(&form, "EdGP"), pupil);
    rec.answerConfirm(true);
    QTest::mouseClick(child<QToolButton>(&form, "SauveBtn"), Qt::LeftButton);
    QFile file(folder.file("Tables/F148,1_C0050_PF_4x5_Mine.stf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << rec.texts().join(u'\n').toStdString();
    return file.readAll();
}

class TableWindowEnglishTest : public testing::Test {
protected:
    ScriptedListEditor listEditor;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [](const QUrl &) { return true; }};
};

} // namespace

TEST_F(TableWindowEnglishTest, TheWindowReadsInEnglishWithDecimalPoints)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    TableWindow form;
    activate(form);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Depth of field table"));
    EXPECT_EQ(child<QMenu>(&form, "File1")->title(), QStringLiteral("&File"));
    EXPECT_EQ(child<QAction>(&form, "ExporterCsv")->text(), QStringLiteral("Export as CSV..."));
    EXPECT_EQ(child<QAction>(&form, "FichiertestSuperSymmar1")->text(),
              QStringLiteral("Super Symmar 5.6/150 test file"));
    EXPECT_EQ(child<QToolButton>(&form, "SauveBtn")->toolTip(), QStringLiteral("Save the file"));
    EXPECT_EQ(child<QToolButton>(&form, "SauveBtn")->statusTip(),
              QStringLiteral("Saves the table, with its display options and its comment"));

    // The fields show the points; the state and the file name keep commas.
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->text(), QStringLiteral("148.1"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdCercle")->text(), QStringLiteral("0.100"));
    EXPECT_EQ(form.state().focal, QStringLiteral("148,1"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(), QStringLiteral("F148,1_C0100_PF_4x5"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->toolTip(), QStringLiteral("Focal length (mm)"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdFocale")->statusTip(),
              QStringLiteral("Focal length (mm)  minimum: 10.00  maximum: 1200.00"));

    // The grid: every number with a point, none with a comma, while the
    // table the window keeps (and saves) has its commas.
    const QStringList grid = gridTexts(form);
    EXPECT_FALSE(grid.join(u' ').contains(DecimalComma)) << grid.join(u' ').toStdString();
    EXPECT_TRUE(grid.join(u' ').contains(DecimalPoint));
    EXPECT_TRUE(form.table().cell(1, 1).contains(DecimalComma));
    // The columns hold their texts whole in the grid's font.
    auto *view = child<QTableView>(&form, "AdvStringGrid1");
    const QFontMetrics metrics(view->font());
    const QString first = view->model()->index(0, 0).data().toString();
    for (const QString &line : first.split(u'\n')) {
        EXPECT_LE(metrics.horizontalAdvance(line), view->columnWidth(0)) << line.toStdString();
    }

    // "Quitter" is the menu the shared window helpers add to every window
    // (addNotesAndQuit), translated with the rest of those helpers.
    EXPECT_EQ(frenchLeft(&form, {QStringLiteral("Quitter")}), QStringList());
    saveScreenshot(&form, QStringLiteral("table-window-en"));
}

TEST_F(TableWindowEnglishTest, FieldsTypedWithPointsAreKeptWithCommas)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    TableWindow form;
    activate(form);
    auto *cercle = child<QLineEdit>(&form, "EdCercle");
    typeInto(cercle, QStringLiteral("0.05"));
    QTest::keyClick(cercle, Qt::Key_Return);
    EXPECT_EQ(cercle->text(), QStringLiteral("0.050"));
    EXPECT_EQ(form.state().circle, QStringLiteral("0,050"));
    typeInto(cercle, QStringLiteral("0,07"));
    QTest::keyClick(cercle, Qt::Key_Return);
    EXPECT_EQ(cercle->text(), QStringLiteral("0.070"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdNom")->text(), QStringLiteral("F148,1_C0070_PF_4x5"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TableWindowEnglishTest, ATableSavedInEnglishIsTheFileSavedInFrench)
{
    const QByteArray french = savedTable(QStringLiteral("0,05"), QStringLiteral("0,9"));
    QByteArray english;
    {
        EnglishScope scope;
        english = savedTable(QStringLiteral("0.05"), QStringLiteral("0.9"));
    }
    ASSERT_FALSE(french.isEmpty());
    EXPECT_EQ(english, french);
    // The user's comment is kept as typed, its comma included.
    EXPECT_TRUE(english.contains("Essai 1,5 m"));
}

TEST_F(TableWindowEnglishTest, TheCopyReadsAsTheGridDoes)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    TableWindow form;
    activate(form);
    child<QAction>(&form, "CopierTable")->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().contains(DecimalPoint));
    EXPECT_FALSE(copied->text().contains(DecimalComma));
    EXPECT_TRUE(copied->html().contains(DecimalPoint));
    EXPECT_FALSE(copied->html().contains(DecimalComma));
    EXPECT_TRUE(copied->html().startsWith(QStringLiteral("<table")));
}

TEST(DisplayOptionsEnglishTest, TheDialogReadsInEnglishAndKeepsTheWavelengthsComma)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    const QString ini = folder.file("optolune.ini");
    DisplayOptionsDialog dialog(ini);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Display"));
    EXPECT_EQ(child<QCheckBox>(&dialog, "Hcheck")->text(), QStringLiteral("Hyperfocal distance (h)"));
    EXPECT_EQ(child<QCheckBox>(&dialog, "abCheck")->text(),
              QStringLiteral("Depth of field in front of (a) and behind (b) the plane of focus"));
    EXPECT_EQ(child<QToolButton>(&dialog, "validebtn")->text(), QStringLiteral("OK"));
    auto *lambda = child<QLineEdit>(&dialog, "EdLambda");
    EXPECT_TRUE(lambda->text().contains(DecimalPoint)) << lambda->text().toStdString();
    EXPECT_TRUE(lambda->statusTip().contains(QStringLiteral("from 0.40 to 0.70 µm")));
    // Every caption whole in the dialog's width.
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>())
        if (box->isVisible()) {
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->objectName().toStdString();
        }
    EXPECT_EQ(frenchLeft(&dialog), QStringList());
    saveScreenshot(&dialog, QStringLiteral("display-options-en"));

    typeInto(lambda, QStringLiteral("0.6"));
    QTest::mouseClick(child<QToolButton>(&dialog, "validebtn"), Qt::LeftButton);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("lambda=0,6")) << "the settings keep the comma";
}
