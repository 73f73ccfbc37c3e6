// Value lists written the way a tester reads them: item texts separated by
// spaces, a '*' after each checked item ("2,8* 4,0 5,6*").
#pragma once

#include <algorithm>
#include <vector>

#include "lists/listreceiver.h"
#include "lists/valuelist.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace optolune::test {

inline ValueList marked(const char *items)
{
    ValueList list;
    for (QString text : QString::fromUtf8(items).split(u' ', Qt::SkipEmptyParts)) {
        const bool checked = text.endsWith(u'*');
        if (checked)
            text.chop(1);
        list.append(text, checked);
    }
    return list;
}

inline QString shown(const ValueList &list)
{
    QStringList parts;
    for (int i = 0; i < list.count(); ++i)
        parts << list.text(i) + (list.isChecked(i) ? QStringLiteral("*") : QString());
    return parts.join(u' ');
}

// Keeps every list handed back to it, of the kinds it accepts (the four
// value kinds unless a test says otherwise).
class RecordingReceiver final : public ListReceiver {
public:
    struct Delivery {
        ListKind kind;
        QStringList items;
    };
    RecordingReceiver() = default;
    explicit RecordingReceiver(std::vector<ListKind> kinds) : accepted(std::move(kinds)) {}
    bool accepts(ListKind kind) const override
    {
        return std::find(accepted.begin(), accepted.end(), kind) != accepted.end();
    }
    void replaceList(ListKind kind, const QStringList &items) override
    {
        deliveries.push_back({kind, items});
    }
    std::vector<ListKind> accepted{ListKind::Dia, ListKind::Dis, ListKind::Foc, ListKind::Cer};
    std::vector<Delivery> deliveries;
};

} // namespace optolune::test
