#include "chartwindow.h"

#include "core/apppaths.h"
#include "core/messages.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStatusBar>
#include <algorithm>

namespace optolune {

namespace {

bool isPdf(const QString &path) { return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }

} // namespace

void ChartWindow::exportImage()
{
    // The picture shows the table the fields give now: the table window's
    // refresh checks them first and the chart follows it; when it stops,
    // its message says why and nothing is written.
    if (m_refresh && !m_refresh())
        return;
    guarded([this] {
        const QString folder = appPaths().tablesFolder();
        QDir().mkpath(folder);
        const std::optional<QString> chosen = prompts().saveFile(
            folder, m_fileName, tr("Images (*.png *.pdf)"));
        if (!chosen)
            return;
        QString path = *chosen;
        if (!isPdf(path) && !path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            path += QStringLiteral(".png");
        writeImage(path);
        m_statusBar->showMessage(SavedFileText(path));
    });
}

void ChartWindow::writeImage(const QString &path)
{
    const UserError failed(tr("Impossible de créer le fichier %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed;
    if (isPdf(path)) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(150);
        pdf.setTitle(windowTitle());
        pdf.setCreator(QStringLiteral("Optolune"));
        QPainter painter(&pdf);
        if (!painter.isActive())
            throw failed;
        painter.setRenderHint(QPainter::Antialiasing);
        // The page as the window shows it, title lines and legend with it,
        // scaled to the paper with its proportions kept.
        const QRect paper = painter.viewport();
        const QSize shown = m_page->size();
        const qreal scale = std::min(paper.width() / qreal(shown.width()), paper.height() / qreal(shown.height()));
        painter.translate((paper.width() - shown.width() * scale) / 2, (paper.height() - shown.height() * scale) / 2);
        painter.scale(scale, scale);
        m_page->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.end();
    } else if (!m_page->grab().save(&file, "PNG")) {
        throw failed;
    }
    if (!commitSaveFile(file))
        throw failed;
}

} // namespace optolune
