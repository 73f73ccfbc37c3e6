// Printing in English: the print options dialog, and the table's cells
// printed with decimal points.
#include "tablewindow/tablewindow.h"
#include "print/printoptionsdialog.h"
#include "print/tableprinting.h"
#include "table/tablemodel.h"
#include "core/language.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/english.h"
#include "support/pdfpages.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"
#include "tablewindow/frenchleft.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(PrintEnglishTest, TheOptionsDialogReadsInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    PrintOptionsDialog dialog(folder.file("optolune.ini"), QStringLiteral("Super Symmar 5,6/150"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print options"));
    EXPECT_EQ(child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("Manufacturer's lens references"));
    EXPECT_EQ(child<QRadioButton>(&dialog, "RadioImprPaysage")->text(), QStringLiteral("Landscape"));
    EXPECT_EQ(child<QPushButton>(&dialog, "BitBtn1")->text(), QStringLiteral("Cancel"));
    // The lens references are the user's text: shown as typed.
    EXPECT_EQ(frenchLeft(&dialog), QStringList());
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    }
    saveScreenshot(&dialog, QStringLiteral("print-options-en"));
}

TEST(PrintEnglishTest, TheCellsArePrintedWithDecimalPoints)
{
    ScopedOpener<UrlOpener> urls{setUrlOpener, [](const QUrl &) { return true; }};
    ScopedOpener<PrintOptionsOpener> options{setPrintOptionsOpener, [](QWidget *, const QString &) {
        return std::optional<PrintChoice>(PrintChoice{QStringLiteral("Test"), 10, true});
    }};
    ScriptedListEditor listEditor;
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    TableWindow form;
    activate(form);
    const QString pdf = folder.file("Tables/english.pdf");
    rec.answerFile(pdf);
    child<QAction>(&form, "ExporterPdf")->trigger();
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    const QString text = pdfPageTexts(pdf).join(u'\n');
    ASSERT_FALSE(text.isEmpty());
    // Each number of the first row of cells, as the English grid shows it;
    // the table the window keeps is untouched.
    const TableModel &table = form.table();
    ASSERT_TRUE(table.cell(1, 1).contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
    for (int col = 1; col < table.colCount(); ++col)
        for (const QString &line : table.cellLines(col, 1)) {
            EXPECT_TRUE(text.contains(LocalNumbers(line))) << line.toStdString();
            if (line.contains(u',')) {
                EXPECT_FALSE(text.contains(line)) << line.toStdString();
            }
        }
    rasterisePdf(pdf, 60, QStringLiteral("print-en"));
}
