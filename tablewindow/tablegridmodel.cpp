#include "tablegridmodel.h"

#include "table/tablemodel.h"
#include "core/language.h"

#include <QApplication>
#include <QBrush>
#include <QPainter>
#include <QColor>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace optolune {

namespace {
// The table's row heights count 16 pixels for each line of a cell.
constexpr int kCellLineHeight = 16;
} // namespace

double ColumnWidthScale(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int needed = metrics.horizontalAdvance(QStringLiteral("p=9999,99")) + kCellTextPadding;
    return std::max(1.0, needed / 40.0);
}

int ShownColumnWidth(int width, double scale)
{
    return static_cast<int>(std::ceil(width * scale));
}

TableGridModel::TableGridModel(QObject *parent) : QAbstractTableModel(parent) {}

// The header row and column of the table are the view's header sections.
int TableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_table.rowCount() - 1);
}

int TableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_table.colCount() - 1);
}

QVariant TableGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        // French shows the cells as they are; LocalNumbers returns at once.
        return LocalNumbers(m_table.displayText(col, row));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    case Qt::ForegroundRole:
        switch (m_table.fontColour(col, row)) {
        case CellInk::Silver:
            return QBrush(QColor(QRgb(kSilverRgb)));
        case CellInk::Black:
            return QBrush(Qt::black);
        case CellInk::Default:
            return {};
        }
        return {};
    default:
        return {};
    }
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int col = orientation == Qt::Horizontal ? section + 1 : 0;
    const int row = orientation == Qt::Horizontal ? 0 : section + 1;
    switch (role) {
    case Qt::DisplayRole:
        // French shows the cells as they are; LocalNumbers returns at once.
        return LocalNumbers(m_table.displayText(col, row));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return {};
    }
}

void TableCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &pal = option.palette;
    if (selected)
        painter->fillRect(option.rect, pal.brush(QPalette::Highlight));
    const QVariant ink = index.data(Qt::ForegroundRole);
    QColor colour = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
    if (!selected && ink.canConvert<QBrush>())
        colour = ink.value<QBrush>().color();
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(colour);
    const QFontMetrics metrics(option.font);
    // A shaped line is placed by its top, its baseline lying the font's
    // ascent below it.
    const qreal ascent = QFontMetricsF(option.font).ascent();
    const int left = option.rect.left() + 2;
    int baseline = option.rect.top() + 1 + metrics.ascent();
    qsizetype start = 0;
    while (start <= text.size() && baseline - metrics.ascent() < option.rect.bottom()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (end > start)
            painter->drawStaticText(QPointF(left, baseline - ascent), shaped(text.sliced(start, end - start), option.font));
        baseline += kCellLineHeight;
        start = end + 1;
    }
    painter->restore();
}

const QStaticText &TableCellDelegate::shaped(const QString &line, const QFont &font) const
{
    constexpr qsizetype kKeptLines = 8192;
    if (font != m_shapedFont || m_shaped.size() >= kKeptLines) {
        m_shaped.clear();
        m_shapedFont = font;
    }
    auto found = m_shaped.constFind(line);
    if (found != m_shaped.constEnd())
        return *found;
    QStaticText text(line);
    text.setTextFormat(Qt::PlainText);
    text.setPerformanceHint(QStaticText::AggressiveCaching);
    text.prepare(QTransform(), font);
    return *m_shaped.insert(line, text);
}

} // namespace optolune
