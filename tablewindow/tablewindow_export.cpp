// The table window's exports: the CSV file, the clipboard and the chart
// window that follows the table.
#include "tablewindow.h"

#include "chart/chartwindow.h"
#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "core/apppaths.h"
#include "core/messages.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QToolButton>

namespace optolune {

void TableWindow::connectExports()
{
    connect(m_buttons.chart, &QToolButton::clicked, this, [this] { guarded([this] { openChart(); }); });
    // The chart's title lines show the comment as the print does.
    connect(m_fields.checkComment, &QCheckBox::toggled, this, [this] { guarded([this] { followChart(); }); });
}

ChartWindow *TableWindow::chartWindow() const
{
    return m_graphique && m_graphique->isVisible() ? m_graphique.data() : nullptr;
}

void TableWindow::openChart()
{
    if (!m_graphique) {
        m_graphique = new ChartWindow(this);
        // Its exports show the table the fields give: this window's refresh
        // runs first.
        m_graphique->setRefresh([this] { return refresh(); });
    }
    m_graphique->show();
    m_graphique->raise();
    m_graphique->activateWindow();
    // The chart shows the table as the fields now stand: the refresh checks
    // them, and the chart follows it.
    refresh();
}

void TableWindow::followChart()
{
    if (m_graphique && m_graphique->isVisible())
        guarded([this] { m_graphique->updateChart(m_state, m_fields.checkComment->isChecked()); });
}

void TableWindow::exportCsv(int layout)
{
    // The file holds the table the fields give now, as its name says: the
    // refresh checks them first, and its message ends the command when the
    // table cannot be computed.
    if (!refresh())
        return;
    guarded([&] {
        const QString folder = appPaths().tablesFolder();
        QDir().mkpath(folder);
        const std::optional<QString> path = prompts().saveFile(
            folder, TableFileName(m_state, QStringLiteral(".csv")),
            QStringLiteral("CSV (*.csv)"));
        if (!path)
            return;
        QString target = *path;
        if (!target.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
            target += QStringLiteral(".csv");
        const TableReport exported = ExportTableCsv(m_state, table(), CsvLayout(layout), target);
        ShowNotices(exported.messages);
        if (exported)
            showSavedFile(this, target);
    });
}

void TableWindow::copyTable()
{
    if (!refresh())
        return;
    if (table().isEmpty()) {
        messages().plain(tr("Table vide"));
        return;
    }
    // The copy reads as the grid does: in English with decimal points.
    QMimeData *copy = TableMimeData(table());
    if (UiLanguage() != Language::French) {
        copy->setText(LocalNumbers(copy->text()));
        copy->setHtml(LocalNumbers(copy->html()));
    }
    QApplication::clipboard()->setMimeData(copy);
}

} // namespace optolune
