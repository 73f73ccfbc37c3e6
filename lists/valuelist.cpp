#include "valuelist.h"

#include <algorithm>

namespace optolune {

ValueList ValueList::fromTexts(const QStringList &texts, bool checked)
{
    ValueList list;
    list.m_items.reserve(texts.size());
    for (const QString &text : texts)
        list.append(text, checked);
    return list;
}

int ValueList::countChecked() const
{
    return static_cast<int>(std::count_if(m_items.cbegin(), m_items.cend(),
                                          [](const ListItem &item) { return item.checked; }));
}

void ValueList::checkAll()
{
    for (ListItem &item : m_items)
        item.checked = true;
}

void ValueList::invertMarks()
{
    for (ListItem &item : m_items)
        item.checked = !item.checked;
}

QStringList ValueList::texts() const
{
    QStringList texts;
    texts.reserve(m_items.size());
    for (const ListItem &item : m_items)
        texts.append(item.text);
    return texts;
}

QStringList ValueList::checkedTexts() const
{
    QStringList texts;
    for (const ListItem &item : m_items)
        if (item.checked)
            texts.append(item.text);
    return texts;
}

} // namespace optolune
