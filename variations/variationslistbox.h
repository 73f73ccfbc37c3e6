// The list boxes of the variations window's group "Auto": the items in two
// columns, top to bottom, with a scroll bar whenever they overflow.
#pragma once

#include <QListWidget>
#include <QString>
#include <functional>
#include <optional>

namespace optolune {

// A list box of the group "Auto": items in two columns, top to bottom. A
// click on an item (left button) or a keyboard move is the user's choice;
// a right press opens the list's editor and selects nothing.
class VariationsListBox : public QListWidget {
    Q_OBJECT
public:
    explicit VariationsListBox(QWidget *parent = nullptr);
    std::function<void()> onChosen;
    std::function<void()> onRightPress;

    // The selected item's value, or nothing when the list has none.
    std::optional<QString> selectedText() const;
    // The items are the list's values, decimal-comma texts as the list
    // files hold them; each shows as the user's language writes numbers.
    void replaceItems(const QStringList &items); // and selects the first one
    QString value(int row) const;
    void selectFirst();
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
};

} // namespace optolune
