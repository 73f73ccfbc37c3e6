#include "listsort.h"

#include "core/numerictext.h"
#include "core/usererror.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace optolune {

long double ItemValue(const QString &text)
{
    if (auto value = ReadNumber(text))
        return *value;
    throw ConversionError(text); // quoted shortened
}

bool ContainsValue(const ValueList &list, const QString &text)
{
    if (list.isEmpty())
        return false;
    const long double value = ItemValue(text);
    for (int i = 0; i < list.count(); ++i)
        if (ItemValue(list.text(i)) == value)
            return true;
    return false;
}

void SortListNumeric(ValueList &list)
{
    const int n = list.count();
    if (n < 2)
        return;
    // Each text is read once, in list order (so the first unreadable item is
    // the one reported). A text that takes its general form is read again,
    // since that form may round away digits beyond the fifteenth; a text
    // already in its general form keeps it as it moves on toward the end, so
    // an item bubbling across a long list is formatted once.
    std::vector<QString> texts(static_cast<size_t>(n));
    std::vector<long double> values(static_cast<size_t>(n));
    std::vector<char> general(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        texts[static_cast<size_t>(i)] = list.text(i);
        values[static_cast<size_t>(i)] = ItemValue(list.text(i));
    }
    // n passes at most; a pass without a swap leaves nothing for the next ones.
    for (int pass = 0; pass < n; ++pass) {
        bool swapped = false;
        for (size_t j = 0; j + 1 < static_cast<size_t>(n); ++j) {
            const long double a = values[j];
            if (a > values[j + 1]) {
                QString moved;
                long double movedValue = a;
                if (general[j]) {
                    moved = std::move(texts[j]);
                } else {
                    moved = GeneralText(a);
                    movedValue = ItemValue(moved);
                }
                texts[j] = std::move(texts[j + 1]);
                values[j] = values[j + 1];
                general[j] = general[j + 1];
                texts[j + 1] = std::move(moved);
                values[j + 1] = movedValue;
                general[j + 1] = 1;
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
    // Texts go back position by position: the marks stay where they were.
    for (int i = 0; i < n; ++i)
        list.setText(i, texts[static_cast<size_t>(i)]);
}

} // namespace optolune
