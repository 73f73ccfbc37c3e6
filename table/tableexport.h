// The depth-of-field table taken out of the program: as CSV for a French
// spreadsheet (the file the table window exports and what optolune-cli
// prints with --csv), and as tab-separated text and HTML for the clipboard,
// so that a paste into a spreadsheet or a word processor keeps the grid.
#pragma once

#include <QByteArray>
#include <QString>

class QMimeData;

namespace optolune {

class TableModel;

// ';' between fields, CR LF after every record, the decimal comma as the
// cells hold it. A cell of several lines is one quoted field with its lines
// separated by LF; a '"' inside a quoted field is doubled.
QString TableAsCsv(const TableModel &model);

// The CSV file: UTF-8 with a byte-order mark, so that a spreadsheet set for
// French reads the accents and the decimal comma right.
QByteArray CsvFileBytes(const TableModel &model);

// Writes the CSV file whole. An empty table gives the plain message "Table
// vide" and writes nothing (returns false); a file that cannot be written
// throws UserError and leaves any previous file intact.
bool ExportTableCsv(const TableModel &model, const QString &path);

// Tab between cells, LF after every row; a cell of several lines is one
// quoted field, as spreadsheets paste it.
QString TableAsTabText(const TableModel &model);

// A <table> whose header row and header column are <th> cells; the lines of
// a cell are separated by <br>, the f-numbers beyond the diffraction limit
// keep their silver.
QString TableAsHtml(const TableModel &model);

// The clipboard's content for the table: the tab-separated text and the
// HTML. The caller owns the result (QClipboard::setMimeData takes it).
QMimeData *TableMimeData(const TableModel &model);

} // namespace optolune
