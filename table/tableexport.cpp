#include "tableexport.h"

#include "cellpresentation.h"
#include "core/language.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "tableinputs.h"
#include "tablemodel.h"
#include "tablestate.h"

#include <QCoreApplication>
#include <QMimeData>

namespace optolune {

namespace {

// A field quoted when it holds the separator, a quote or a line break, as
// spreadsheets read them; the cell's own line breaks become LF.
QString quotedField(const QString &cell, QChar separator)
{
    QString field = cell;
    field.replace(kCellLineBreak, u'\n');
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

// The cells hold numbers and the table's own labels, never a text the user
// typed: every cell shows its numbers as the user's language writes them.
QString joinedTable(const TableModel &model, QChar separator, const QString &recordEnd)
{
    QString text;
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.colCount(); ++c) {
            if (c > 0)
                text += separator;
            text += quotedField(LocalNumbers(model.cell(c, r)), separator);
        }
        text += recordEnd;
    }
    return text;
}

} // namespace

QString TableAsCsv(const TableModel &model)
{
    return joinedTable(model, CsvSeparator(), QStringLiteral("\r\n"));
}

QString TableAsCsvRows(const TableState &state)
{
    const InputsResult read = ReadTableInputs(state);
    if (!read.inputs)
        throw UserError(read.fault);
    const TableInputs &in = *read.inputs;
    // The columns' names are words a spreadsheet user reads: they follow the
    // language, the separator with them. The numbers follow the language;
    // the format, typed by the user, stays as typed.
    const QChar sep = CsvSeparator();
    const QString empty(4, sep);
    QString text = QCoreApplication::translate(
                       "TableExport", "f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b")
                       .replace(u';', sep) +
                   QStringLiteral("\r\n");
    const QString lens =
        QStringList{quotedField(LocalNumbers(state.focal), sep),
                    quotedField(LocalNumbers(state.circle), sep),
                    quotedField(LocalNumbers(state.nodal), sep),
                    quotedField(LocalNumbers(state.pupil), sep),
                    quotedField(state.format, sep),
                    in.fromFilm ? QCoreApplication::translate("TableExport", "film")
                                : QCoreApplication::translate("TableExport", "objectif")}
            .join(sep);
    for (size_t k = 0; k < in.fNumbers.size(); ++k) {
        const QString fNumber =
            quotedField(LocalNumbers(state.fNumbers[static_cast<qsizetype>(k)]), sep);
        for (size_t r = 0; r < in.distances.size(); ++r) {
            const long double D = in.distances[r];
            text += lens + sep + fNumber + sep +
                    quotedField(LocalNumbers(state.distances[static_cast<qsizetype>(r)]), sep);
            const TableCell sharp = FocusCells(in, D).at(in.fNumbers[k]);
            // Where diffraction alone blurs more than the circle, the near
            // limit's field says so and the others stay empty.
            if (sharp.nothingSharp) {
                text += sep + NothingSharpText() + empty + QStringLiteral("\r\n");
                continue;
            }
            const CellDepth &cell = sharp.depth;
            if (!cell.focused()) {
                text += sep + empty + QStringLiteral("\r\n");
                continue;
            }
            // The cell's own texts with every line asked for: near, far,
            // "p=", "a=", "b=". The labels go; the numbers stay as the grid
            // writes them.
            const QStringList lines =
                ComposeCellText(D, cell.near, cell.farLimit(), in.bound, in.decimals, true, true)
                    .split(kCellLineBreak);
            for (qsizetype i = 0; i < 5; ++i) {
                QString value = lines.value(i);
                if (i >= 2)
                    value.remove(0, 2);
                text += sep + LocalNumbers(value);
            }
            text += QStringLiteral("\r\n");
        }
    }
    return text;
}

QString TableCsvText(const TableState &state, const TableModel &model, CsvLayout layout)
{
    return layout == CsvLayout::Rows ? TableAsCsvRows(state) : TableAsCsv(model);
}

QByteArray CsvFileBytes(const QString &csvText)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + csvText.toUtf8();
}

QByteArray CsvFileBytes(const TableModel &model) { return CsvFileBytes(TableAsCsv(model)); }

TableReport ExportTableCsv(const TableState &state, const TableModel &model, CsvLayout layout,
                           const QString &path)
{
    TableReport report;
    if (model.isEmpty()) {
        report.say(Notice::Kind::Plain, QCoreApplication::translate("TableExport", "Table vide"));
        return report;
    }
    writeWhole(path, CsvFileBytes(TableCsvText(state, model, layout)));
    report.done = true;
    return report;
}

TableReport ExportTableCsv(const TableModel &model, const QString &path)
{
    return ExportTableCsv(TableState(), model, CsvLayout::Grid, path);
}

QString TableAsTabText(const TableModel &model)
{
    return joinedTable(model, u'\t', QStringLiteral("\n"));
}

QString TableAsHtml(const TableModel &model)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < model.colCount(); ++c) {
            const bool header = r == 0 || c == 0;
            QString text = LocalNumbers(model.cell(c, r)).toHtmlEscaped();
            text.replace(kCellLineBreak, QStringLiteral("<br>"));
            html += header ? QStringLiteral("<th>") : QStringLiteral("<td>");
            if (!header && model.fontColour(c, r) == CellInk::Silver)
                text = QStringLiteral("<span style=\"color:#c0c0c0\">") + text +
                       QStringLiteral("</span>");
            html += text;
            html += header ? QStringLiteral("</th>") : QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QMimeData *TableMimeData(const TableModel &model)
{
    auto *data = new QMimeData;
    data->setText(TableAsTabText(model));
    data->setHtml(TableAsHtml(model));
    return data;
}

} // namespace optolune
