#include "tableexport.h"

#include "core/messages.h"
#include "core/textfile.h"
#include "tablemodel.h"

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

QString joinedTable(const TableModel &model, QChar separator, const QString &recordEnd)
{
    QString text;
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.colCount(); ++c) {
            if (c > 0)
                text += separator;
            text += quotedField(model.cell(c, r), separator);
        }
        text += recordEnd;
    }
    return text;
}

} // namespace

QString TableAsCsv(const TableModel &model)
{
    return joinedTable(model, u';', QStringLiteral("\r\n"));
}

QByteArray CsvFileBytes(const TableModel &model)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + TableAsCsv(model).toUtf8();
}

bool ExportTableCsv(const TableModel &model, const QString &path)
{
    if (model.isEmpty()) {
        messages().plain(QStringLiteral("Table vide"));
        return false;
    }
    writeWhole(path, CsvFileBytes(model));
    return true;
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
            QString text = model.cell(c, r).toHtmlEscaped();
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
