#include "variationslistbox.h"

#include "core/language.h"
#include "core/widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace optolune {

VariationsListBox::VariationsListBox(QWidget *parent) : QListWidget(parent)
{
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (onChosen)
            guarded(onChosen);
    });
}

std::optional<QString> VariationsListBox::selectedText() const
{
    const QListWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return item->data(Qt::UserRole).toString();
}

QString VariationsListBox::value(int row) const
{
    const QListWidgetItem *it = item(row);
    return it ? it->data(Qt::UserRole).toString() : QString();
}

void VariationsListBox::replaceItems(const QStringList &items)
{
    clear();
    for (const QString &text : items) {
        auto *it = new QListWidgetItem(LocalNumbers(text), this);
        it->setData(Qt::UserRole, text);
    }
    selectFirst();
}

void VariationsListBox::selectFirst()
{
    if (count() > 0)
        setCurrentRow(0);
}

QSize VariationsListBox::sizeHint() const
{
    // Room for two columns of short numbers and about eight rows.
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("0000,000")) * 2 + 12,
                 (fontMetrics().height() + 2) * 8 + 4);
}

void VariationsListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && onChosen)
        guarded(onChosen);
}

void VariationsListBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (onRightPress)
            guarded(onRightPress);
        return;
    }
    QListWidget::mousePressEvent(event);
}

void VariationsListBox::resizeEvent(QResizeEvent *event)
{
    // Two columns across the box, as many rows as fit.
    QListWidget::resizeEvent(event);
    const int rowHeight = fontMetrics().height() + 2;
    setGridSize(QSize(std::max(20, viewport()->width() / 2), rowHeight));
}

void VariationsListBox::updateGeometries()
{
    // The bar scrolls by columns. Whatever the order in which the items, the
    // grid and the bar's own height arrived, it covers every column the rows
    // of the box leave: a list that overflows always shows its bar.
    QListWidget::updateGeometries();
    const QSize grid = gridSize();
    if (count() == 0 || !grid.isValid() || grid.height() <= 0 || grid.width() <= 0)
        return;
    QScrollBar *bar = horizontalScrollBar();
    // Whether the items overflow once the bar takes its height: then the bar
    // stays, wherever the list is scrolled; the view's own reckoning alone
    // let it vanish once the list was scrolled to its last columns.
    const int barHeight =
        bar->isVisible() ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int rowsWithBar = std::max(1, (viewport()->height() - barHeight) / grid.height());
    const int shown = std::max(1, viewport()->width() / grid.width());
    const bool overflow = (count() + rowsWithBar - 1) / rowsWithBar > shown;
    const Qt::ScrollBarPolicy policy = overflow ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (horizontalScrollBarPolicy() != policy)
        setHorizontalScrollBarPolicy(policy);
    const int rows = std::max(1, viewport()->height() / grid.height());
    const int columns = (count() + rows - 1) / rows;
    if (columns > shown && bar->maximum() < columns - shown) {
        bar->setPageStep(shown);
        bar->setRange(0, columns - shown);
    }
}

} // namespace optolune
