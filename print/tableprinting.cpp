#include "tableprinting.h"

#include "printoptionsdialog.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "tableprint.h"
#include "table/tablestate.h"
#include "table/titlelines.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "screenprint.h"
#include "core/textfile.h"
#include "core/widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <optional>

namespace optolune {

namespace {

void showPreviewDialog(QPrinter &printer, QWidget *owner,
                       const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("FormApercu"));
    dialog.setWindowTitle(QCoreApplication::translate("TablePrinting", "Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *p) { guarded([&paint, p] { paint(p); }); });
    dialog.exec();
}

// The table with its numbers as the user's language writes them.
TableModel LocallyNumbered(const TableModel &model)
{
    TableModel out = model;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int col = 0; col < model.colCount(); ++col)
            out.setCell(col, row, LocalNumbers(model.cell(col, row)));
    return out;
}

PreviewRunner &previewRunner()
{
    static PreviewRunner runner;
    return runner;
}

// Lays the table out for the printer as it now stands (paper and
// orientation as the user left them in the dialog, or in the preview) and
// paints the pages the user asked for.
bool paintOnPrinter(QPrinter &printer, const TableModel &model, const QStringList &titleLines,
                    int fontSizePoints)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportPrintStartFailure(printer);
        return false;
    }
    const TablePrintLayout layout =
        LayoutTablePages(model, titleLines, fontSizePoints, PrintableArea(printer), &printer);
    const bool range = printer.printRange() == QPrinter::PageRange;
    PaintTablePages(painter, printer, layout, model, range ? printer.fromPage() : 0,
                    range ? printer.toPage() : 0);
    if (!painter.end()) {
        ReportPrintEndFailure();
        return false;
    }
    return true;
}

bool exportPdf(const QString &path, const TableModel &model, const QStringList &titleLines,
               const PrintChoice &choice)
{
    const QString failure = QCoreApplication::translate("TablePrinting", "Impossible de créer le fichier %1").arg(path);
    // Written whole through a temporary file: a PDF that fails half-way
    // leaves the previous file of that name as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        messages().error(failure);
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Optolune"));
        writer.setTitle(titleLines.value(0));
        writer.setPageSize(QPageSize(QPageSize::A4));
        SetUpTablePage(writer, choice.landscape);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            messages().error(failure);
            return false;
        }
        const TablePrintLayout layout = LayoutTablePages(model, titleLines, choice.fontSizePoints,
                                                         PrintableArea(writer), &writer);
        PaintTablePages(painter, writer, layout, model);
        if (!painter.end()) {
            file.cancelWriting();
            messages().error(failure);
            return false;
        }
    }
    if (!commitSaveFile(file)) {
        messages().error(failure);
        return false;
    }
    return true;
}

} // namespace

PreviewRunner setPreviewRunner(PreviewRunner runner)
{
    PreviewRunner previous = std::move(previewRunner());
    previewRunner() = std::move(runner);
    return previous;
}

bool RunTablePrint(TableOutput output, QWidget *owner, const TableState &state,
                   const TableModel &model, bool printComment)
{
    if (model.isEmpty()) {
        messages().plain(QCoreApplication::translate("TablePrinting", "Table vide"));
        return false;
    }
    const std::optional<PrintChoice> choice = OpenPrintOptions(owner, state.lensReferences);
    if (!choice)
        return false;
    const QStringList titleLines =
        ComposeTitleLines(state, choice->title, printComment, VersionText());
    return RunPagesPrint(output, owner, model, titleLines, *choice,
                         TableFileName(state, QStringLiteral(".pdf")));
}

bool RunPagesPrint(TableOutput output, QWidget *owner, const TableModel &model,
                   const QStringList &titleLines, const PrintChoice &choice, const QString &pdfName)
{
    // In English the cells are printed with decimal points, as the grid
    // shows them.
    std::optional<TableModel> english;
    if (UiLanguage() != Language::French)
        english = LocallyNumbered(model);
    const TableModel &shown = english ? *english : model;
    if (output == TableOutput::Pdf) {
        const QString folder = appPaths().tablesFolder();
        QDir().mkpath(folder);
        const std::optional<QString> answer =
            prompts().saveFile(folder, pdfName, QStringLiteral("PDF (*.pdf)"));
        if (!answer)
            return false;
        QString path = *answer;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        if (!exportPdf(path, shown, titleLines, choice))
            return false;
        showSavedFile(owner, path);
        return true;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(choice.title.isEmpty() ? QStringLiteral("Optolune") : choice.title);
    SetUpTablePage(printer, choice.landscape);
    if (output == TableOutput::Preview) {
        bool painted = false;
        const auto paint = [&](QPrinter *p) {
            painted = paintOnPrinter(*p, shown, titleLines, choice.fontSizePoints) || painted;
        };
        if (previewRunner())
            previewRunner()(printer, owner, paint);
        else
            showPreviewDialog(printer, owner, paint);
        return painted;
    }
    if (!prompts().choosePrinter(printer))
        return false;
    return paintOnPrinter(printer, shown, titleLines, choice.fontSizePoints);
}

} // namespace optolune
