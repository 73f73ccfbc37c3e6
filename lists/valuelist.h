// A value list as the editor and the calculators hold it: item texts (decimal-
// comma numbers as shown and stored) each with a check mark. The marks are the
// selection: only the checked items are handed back to the window that opened
// the editor.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace optolune {

struct ListItem {
    QString text;
    bool checked = false;
    bool operator==(const ListItem &) const = default;
};

class ValueList {
public:
    ValueList() = default;
    // Every text one item, all with the same mark.
    static ValueList fromTexts(const QStringList &texts, bool checked);

    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const ListItem &at(int index) const { return m_items.at(index); }
    const QString &text(int index) const { return m_items.at(index).text; }
    bool isChecked(int index) const { return m_items.at(index).checked; }
    void setText(int index, const QString &text) { m_items[index].text = text; }
    void setChecked(int index, bool checked) { m_items[index].checked = checked; }

    void append(const QString &text, bool checked = false) { m_items.append({text, checked}); }
    void removeAt(int index) { m_items.removeAt(index); }
    void clear() { m_items.clear(); }

    int countChecked() const;
    void checkAll();
    void invertMarks();

    QStringList texts() const;
    QStringList checkedTexts() const;

    bool operator==(const ValueList &) const = default;

private:
    QList<ListItem> m_items;
};

} // namespace optolune
