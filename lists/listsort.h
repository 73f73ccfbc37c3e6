// Numeric tests and the numeric sort of value lists. Item texts are compared
// by the value they read as, so 5,6 and 5,60 are one value.
#pragma once

#include "valuelist.h"
#include "core/numerictext.h"

#include <QString>

namespace optolune {

// True when an item reads as the same value as the text. An empty list holds
// nothing, whatever the text. Otherwise a text or an item that does not read
// as a number throws ConversionError
// "'<text>' n'est pas une valeur en virgule flottante correcte".
bool ContainsValue(const ValueList &list, const QString &text);

// Sorts the item texts in ascending numeric order; each position keeps its
// check mark. The sort is the program's bubble sort: a text that moves toward
// the end takes the general form of its value (4,0 becomes 4), a text that
// moves toward the front keeps its formatting. An unreadable item throws
// ConversionError and leaves the list as it was.
void SortListNumeric(ValueList &list);

// The value of an item text; ConversionError when it does not read. A text too
// long to show is shortened in the message (a damaged file can hold a line of
// megabytes).
long double ItemValue(const QString &text);

} // namespace optolune
