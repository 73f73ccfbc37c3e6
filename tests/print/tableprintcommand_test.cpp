// The table window's print commands end to end: the options dialog (through
// its opener), the system's print dialog (through the recorder, whose answer
// makes the printer write a PDF), the preview and the PDF export; the pages
// are then read back with poppler.
#include "tablewindow/tablewindow.h"
#include "print/printoptionsdialog.h"
#include "table/tablefiles.h"
#include "print/tableprinting.h"
#include "core/apppaths.h"
#include "core/notes.h"
#include "core/qtmessages.h"
#include "lists/listeditoropener.h"
#include "support/child.h"
#include "support/pdfpages.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/screenprinttopdf.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class TablePrintCommandTest : public testing::Test {
protected:
    // Every cell of the table, to show that printing changes none.
    static QStringList cells(const TableWindow &form)
    {
        QStringList out;
        const TableModel &t = form.table();
        for (int row = 0; row < t.rowCount(); ++row)
            for (int col = 0; col < t.colCount(); ++col)
                out << t.cell(col, row);
        return out;
    }

    QTemporaryDir out;
    QString screenPdf = out.filePath(QStringLiteral("ecran.pdf"));
    QString printPdf = out.filePath(QStringLiteral("imprimante.pdf"));
    QString previewPdf = out.filePath(QStringLiteral("apercu.pdf"));
    std::optional<PrintChoice> choice = PrintChoice{QStringLiteral("Essai d'impression"), 12, true};
    QStringList optionsAskedWith;
    int previews = 0;
    ScriptedListEditor listEditor;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [](const QUrl &) { return true; }};
    ScreenPrintToPdf m_screenPrint{screenPdf};
    ScopedOpener<PrintOptionsOpener> m_options{setPrintOptionsOpener,
                                               [this](QWidget *, const QString &references) {
                                                   optionsAskedWith << references;
                                                   return choice;
                                               }};
    ScopedOpener<PreviewRunner> m_preview{
        setPreviewRunner, [this](QPrinter &printer, QWidget *, const std::function<void(QPrinter *)> &paint) {
            ++previews;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(previewPdf);
            paint(&printer);
        }};
};

const QString Sep(7, u' ');

} // namespace

TEST_F(TablePrintCommandTest, ScreenPrintButtonPrintsTheWindowsImage)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    click(form, "ImprEcrBtn");
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    expectWindowImagePage(screenPdf, form, QStringLiteral("table-screenprint"));
}

TEST_F(TablePrintCommandTest, ImprimerPrintsTheTableWithItsTitlesOnThePrinterChosen)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    child<QCheckBox>(&form, "CheckComment")->setChecked(true);
    child<QLineEdit>(&form, "EdComment")->setText(QStringLiteral("Dos 4x5, chambre Linhof"));
    const QStringList before = cells(form);
    const QColor background = child<QTableView>(&form, "AdvStringGrid1")->palette().color(QPalette::Base);

    rec.answerPrinterPdf(printPdf);
    click(form, "ImprBtn");
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    EXPECT_EQ(optionsAskedWith, QStringList{QStringLiteral("Test Optolune")});
    // The print dialog opens on the orientation chosen.
    EXPECT_EQ(rec.printerRequests, QStringList{QStringLiteral("paysage")});

    // pdftotext gives the words of each line; their spacing is its own guess.
    const QStringList texts = pdfPageTexts(printPdf);
    ASSERT_FALSE(texts.isEmpty());
    const TableState &s = form.state();
    const QString line1 = QStringLiteral("Essai d'impression") + Sep + QStringLiteral("format ") +
                          s.format + Sep + QStringLiteral("distances PF");
    for (qsizetype page = 0; page < texts.size(); ++page) {
        SCOPED_TRACE(testing::Message() << "page " << page + 1);
        const QStringList lines = texts[page].split(u'\n');
        ASSERT_GE(lines.size(), 6);
        EXPECT_EQ(lines[0].simplified(), line1.simplified());
        EXPECT_EQ(lines[1].simplified(), (QStringLiteral("f= ") + s.focal + QStringLiteral("mm") + Sep +
                                          QStringLiteral("c= ") + s.circle + QStringLiteral(" mm") + Sep +
                                          QStringLiteral("dn= ") + s.nodal + QStringLiteral("mm") + Sep +
                                          QStringLiteral("gp= ") + s.pupil).simplified());
        EXPECT_EQ(lines[2].simplified(), QStringLiteral("Dos 4x5, chambre Linhof"));
        EXPECT_EQ(lines[3].simplified(), QStringLiteral("Optolune Version 1.0.0.0"));
        // The header row, with its corner, on every page.
        EXPECT_TRUE(lines[5].simplified().startsWith(QStringLiteral("R9T"))) << lines[5].toStdString();
    }
    const auto pages = rasterisePdf(printPdf, 50, QStringLiteral("table-printed"));
    ASSERT_EQ(pages.size(), size_t(texts.size()));
    EXPECT_GT(pages[0].width(), pages[0].height());

    // The table and the grid are as they were: no corner text, same colours.
    EXPECT_EQ(cells(form), before);
    EXPECT_EQ(form.table().cell(0, 0), QString());
    EXPECT_EQ(child<QTableView>(&form, "AdvStringGrid1")->palette().color(QPalette::Base), background);
}

TEST_F(TablePrintCommandTest, TheMenuItemPrintsAndThePagesAskedForAreTheOnesPrinted)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    // Forty distances at 12 points take several pages.
    listEditor.answer = QStringList{};
    for (int i = 1; i <= 40; ++i)
        *listEditor.answer << QString::number(i);
    click(form, "DistBtn");
    choice = PrintChoice{QStringLiteral("Toutes"), 12, false};
    rec.answerPrinterPdf(printPdf);
    child<QAction>(&form, "FileSaveAsItem")->trigger();
    const qsizetype all = pdfPageTexts(printPdf).size();
    ASSERT_GE(all, 2) << "the test table at 12 points takes more than one page";

    const QString part = out.filePath(QStringLiteral("partie.pdf"));
    rec.answerPrinterPdf(part, 2, 2);
    child<QAction>(&form, "FileSaveAsItem")->trigger();
    const QStringList texts = pdfPageTexts(part);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0], pdfPageTexts(printPdf)[1]);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TablePrintCommandTest, CancellingEitherDialogPrintsNothing)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    choice.reset(); // "Abandonner"
    click(form, "ImprBtn");
    EXPECT_EQ(optionsAskedWith.size(), 1);
    EXPECT_TRUE(rec.printerRequests.isEmpty());

    choice = PrintChoice{QStringLiteral("Titre"), 8, false};
    rec.answerPrinter(false);
    click(form, "ImprBtn");
    EXPECT_EQ(rec.printerRequests.size(), 1);
    EXPECT_FALSE(QFile::exists(printPdf));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(form.table().cell(0, 0), QString());
}

TEST_F(TablePrintCommandTest, ARefreshThatStopsEndsTheCommand)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    listEditor.answer = QStringList{};
    click(form, "DistBtn"); // the list editor hands back an empty list
    rec.clear();
    for (const char *item : {"FileSaveAsItem", "ApercuAvantImpression", "ExporterPdf"}) {
        SCOPED_TRACE(item);
        child<QAction>(&form, item)->trigger();
        EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Créez une liste des distances")});
        rec.clear();
    }
    EXPECT_TRUE(optionsAskedWith.isEmpty());
    EXPECT_EQ(previews, 0);
}

TEST_F(TablePrintCommandTest, ATableNeverComputedIsNotPrinted)
{
    ProgramFolder folder;
    QFile::remove(TestTablePath());
    Recorder rec;
    TableWindow form;
    activate(form);
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Bug 324, prévenez votre fournisseur ")});
    rec.clear();
    click(form, "ImprBtn");
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Créez une liste des distances")});
    EXPECT_TRUE(optionsAskedWith.isEmpty());
}

TEST_F(TablePrintCommandTest, PreviewPaintsThePagesTheChoiceGives)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    // The two new items stand after "Imprimer" in "Fichier".
    QStringList items;
    for (QAction *a : child<QMenu>(&form, "File1")->actions())
        items << a->objectName();
    const qsizetype print = items.indexOf(QStringLiteral("FileSaveAsItem"));
    ASSERT_GE(print, 0);
    EXPECT_EQ(items.mid(print, 3), (QStringList{"FileSaveAsItem", "ApercuAvantImpression", "ExporterPdf"}));
    EXPECT_EQ(child<QAction>(&form, "ApercuAvantImpression")->text(), QStringLiteral("Aperçu avant impression"));
    EXPECT_EQ(child<QAction>(&form, "ExporterPdf")->text(), QStringLiteral("Exporter en PDF..."));

    for (const bool landscape : {false, true}) {
        for (const int points : {6, 12}) {
            SCOPED_TRACE(testing::Message() << points << " pt " << (landscape ? "paysage" : "portrait"));
            choice = PrintChoice{QStringLiteral("Aperçu"), points, landscape};
            child<QAction>(&form, "ApercuAvantImpression")->trigger();
            const auto pages = rasterisePdf(previewPdf, 30,
                                            QStringLiteral("table-preview-%1pt-%2").arg(points).arg(landscape ? "paysage" : "portrait"));
            ASSERT_FALSE(pages.empty());
            EXPECT_EQ(pages[0].width() > pages[0].height(), landscape);
            EXPECT_TRUE(pdfPageTexts(previewPdf).value(0).startsWith(QStringLiteral("Aperçu")));
            QFile::remove(previewPdf);
        }
    }
    EXPECT_EQ(previews, 4);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(TablePrintCommandTest, PdfExportProposesTheTablesNameInTables)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    const QString name = TableFileName(form.state(), QStringLiteral(".pdf"));
    // Given without its extension, the file gets it.
    const QString chosen = folder.file(QStringLiteral("Tables/ma table"));
    rec.answerFile(chosen);
    child<QAction>(&form, "ExporterPdf")->trigger();
    ASSERT_EQ(rec.fileRequests.size(), 1);
    EXPECT_EQ(rec.fileRequests[0], QStringLiteral("save:") + appPaths().tablesFolder() + u'|' + name +
                                       QStringLiteral("|PDF (*.pdf)"));
    ASSERT_TRUE(QFile::exists(chosen + QStringLiteral(".pdf")));
    const QStringList texts = pdfPageTexts(chosen + QStringLiteral(".pdf"));
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Essai d'impression")));
    EXPECT_EQ(rasterisePdf(chosen + QStringLiteral(".pdf"), 30, QStringLiteral("table-export")).size(),
              size_t(texts.size()));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    // The status bar says where the file went.
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Fichier enregistré : ") + chosen + QStringLiteral(".pdf"));

    // Cancelling the save dialog writes nothing.
    const auto before = folder.contents();
    rec.answerFile(std::nullopt);
    child<QAction>(&form, "ExporterPdf")->trigger();
    EXPECT_EQ(rec.fileRequests.size(), 2); // the dialog was offered again
    EXPECT_EQ(folder.contents(), before);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(TablePrintCommandTest, APdfThatCannotBeWrittenIsReportedAndTheOldOneKept)
{
    ProgramFolder folder;
    Recorder rec;
    TableWindow form;
    activate(form);
    // A folder where the file should go.
    const QString blocked = folder.file(QStringLiteral("Tables/bloque.pdf"));
    QDir().mkpath(blocked);
    rec.answerFile(blocked);
    child<QAction>(&form, "ExporterPdf")->trigger();
    EXPECT_EQ(rec.messages(), (std::vector<Message>{
                                  {QStringLiteral("error"), QStringLiteral("Impossible de créer le fichier ") + blocked}}));
    EXPECT_TRUE(QFileInfo(blocked).isDir());

    // A file in a folder that does not exist: nothing is left behind.
    rec.clear();
    const QString nowhere = folder.file(QStringLiteral("absent/t.pdf"));
    rec.answerFile(nowhere);
    child<QAction>(&form, "ExporterPdf")->trigger();
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral("Impossible de créer le fichier ") + nowhere});
    EXPECT_FALSE(QFile::exists(nowhere));

    // A successful export replaces an older file of the name whole.
    rec.clear();
    const QString old = folder.file(QStringLiteral("Tables/ancienne.pdf"));
    folder.write(QStringLiteral("Tables/ancienne.pdf"), "ancien contenu");
    rec.answerFile(old);
    child<QAction>(&form, "ExporterPdf")->trigger();
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_TRUE(folder.read(QStringLiteral("Tables/ancienne.pdf")).startsWith("%PDF"));
}

TEST_F(TablePrintCommandTest, TheRealOptionsDialogOpensOverThePrintAndASettingsFaultDoesNotStopIt)
{
    ProgramFolder folder;
    Recorder rec;
    setPrintOptionsOpener({}); // the program's own dialog
    QDir().mkpath(folder.file(QStringLiteral("optolune.INI"))); // cannot be written
    TableWindow form;
    activate(form);
    child<QLineEdit>(&form, "EdSuffixe")->setText(QStringLiteral("Apo-Sironar 5,6/210"));
    QString titleShown;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = dynamic_cast<PrintOptionsDialog *>(w); d && d->isVisible()) {
                titleShown = d->findChild<QLineEdit *>(QStringLiteral("EdTitre"))->text();
                QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
            }
        }
    });
    rec.answerPrinterPdf(printPdf);
    click(form, "ImprBtn");
    EXPECT_EQ(titleShown, QStringLiteral("Apo-Sironar 5,6/210"));
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].kind, QStringLiteral("error"));
    // Portrait and 10 points, the defaults, then printed all the same.
    EXPECT_EQ(rec.printerRequests, QStringList{QStringLiteral("portrait")});
    const QStringList texts = pdfPageTexts(printPdf);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Apo-Sironar 5,6/210")));
}

TEST_F(TablePrintCommandTest, TheSystemsPrintDialogAndPreviewOpenOverTheTable)
{
    ProgramFolder folder;
    Recorder rec;
    QtPrompts system;
    TableWindow form;
    activate(form);

    // The system's print dialog, with the page range offered; cancelled.
    Prompts *previous = installPrompts(&system);
    bool pageRange = false;
    QString dialogTitle;
    QTimer::singleShot(0, [&] {
        if (auto *d = dynamic_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            pageRange = d->testOption(QAbstractPrintDialog::PrintPageRange);
            dialogTitle = d->windowTitle();
            saveScreenshot(d, QStringLiteral("print-dialog"));
            d->reject();
        }
    });
    click(form, "ImprBtn");
    installPrompts(previous);
    EXPECT_TRUE(pageRange);
    EXPECT_FALSE(dialogTitle.isEmpty());

    // The preview dialog, showing the pages of the table.
    setPreviewRunner({});
    int previewPages = 0;
    QString previewTitle;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *d = dynamic_cast<QPrintPreviewDialog *>(w)) {
            previewTitle = d->windowTitle();
            if (auto *view = d->findChild<QPrintPreviewWidget *>())
                previewPages = view->pageCount();
            saveScreenshot(d, QStringLiteral("print-preview"));
            d->reject();
        }
    });
    child<QAction>(&form, "ApercuAvantImpression")->trigger();
    EXPECT_EQ(previewTitle, QStringLiteral("Aperçu avant impression"));
    EXPECT_GT(previewPages, 0);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}
