// The depth-of-field table taken out of the program: as CSV for a spreadsheet
// of the user's language (the file the table window exports and what
// optolune-cli prints with --csv), and as tab-separated text and HTML for the
// clipboard, so that a paste into a spreadsheet or a word processor keeps the
// grid. Every number goes out as the user's language writes it: in French
// with the decimal comma and ';' between CSV fields, in English with the
// decimal point and ','.
#pragma once

#include "tablereport.h"

#include <QByteArray>
#include <QString>

class QMimeData;

namespace optolune {

struct TableState;
class TableModel;

// How a CSV export lays the table out: the grid as the window shows it, or
// one record per cell, tidy for a spreadsheet to compute with.
enum class CsvLayout { Grid, Rows };

// CsvSeparator() between fields (';' in French), CR LF after every record,
// the numbers of the cells through LocalNumbers. A cell of several lines is one quoted field with
// its lines separated by LF; a '"' inside a quoted field is doubled.
QString TableAsCsv(const TableModel &model);

// One record per cell of the table a refreshed state gives, f-number by
// f-number, distance by distance, after a header record:
//   f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b
// (in English f,c,dn,gp,format,origin,N,distance,near,far,p,a,b), f, c, dn
// and gp as the fields hold them, the format as typed, the origin "film" or
// "objectif" ("film" or "lens" in English, the words of --origin), the
// f-number and the distance as their lists hold them, then the near and far limits and the total,
// front and rear depths in metres with the table's decimals and bound: numbers alone, with the
// decimal separator of the language, "inf" where sharp to infinity, empty for a distance that
// cannot be focused, and "diffraction" alone in the near limit's field where
// a table counting diffraction has nothing sharp. Separators and quotes as TableAsCsv. Throws
// UserError when the state does not read (it has not been refreshed).
QString TableAsCsvRows(const TableState &state);

// The CSV text of a layout: TableAsCsv(model) or TableAsCsvRows(state).
QString TableCsvText(const TableState &state, const TableModel &model, CsvLayout layout);

// The CSV file: UTF-8 with a byte-order mark, so that a spreadsheet reads the
// accents right, in either language.
QByteArray CsvFileBytes(const QString &csvText);
QByteArray CsvFileBytes(const TableModel &model);

// Writes the CSV file of a layout whole. An empty table returns the plain
// message "Table vide" and writes nothing (not done); a file that cannot be
// written throws UserError and leaves any previous file intact.
TableReport ExportTableCsv(const TableState &state, const TableModel &model, CsvLayout layout,
                           const QString &path);
TableReport ExportTableCsv(const TableModel &model, const QString &path);

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
