// The table window's print commands: print on paper through the system's
// print dialog ("Imprimer", Ctrl+P), the print preview and the PDF export.
// Each asks for the title, orientation and font size in the print options
// dialog, composes the title lines from the table's fields and paints the
// pages with the one table painter (tableprint). The table is only read.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace optolune {

struct TableState;
class TableModel;

enum class TableOutput { Printer, Preview, Pdf };

// Runs one print command over a table the window has just refreshed.
// `printComment` is the window's CheckComment. A table never computed gives
// "Table vide" and nothing else; "Abandonner" in the options dialog or
// cancelling the print or save dialog ends the command silently. A print
// that cannot start or a PDF that cannot be written is reported, and a
// previous PDF of that name is left as it was. Returns true when pages went
// to the printer, the preview or the file.
bool RunTablePrint(TableOutput output, QWidget *owner, const TableState &state,
                   const TableModel &model, bool printComment);

// The same pages for any table of a window (its row 0 and column 0 as
// headers) under given title lines, without the options dialog: printed
// through the system's dialog, previewed, or saved as a PDF offered under
// `pdfName` in Tables/.
struct PrintChoice;
bool RunPagesPrint(TableOutput output, QWidget *owner, const TableModel &model,
                   const QStringList &titleLines, const PrintChoice &choice, const QString &pdfName);

// Shows the print preview of `printer` over `owner`; `paint` draws the pages
// on the printer the preview hands it (again when the user changes the
// orientation there). Tests install their own, which calls `paint` once.
using PreviewRunner = std::function<void(QPrinter &printer, QWidget *owner,
                                         const std::function<void(QPrinter *)> &paint)>;
PreviewRunner setPreviewRunner(PreviewRunner runner);

} // namespace optolune
