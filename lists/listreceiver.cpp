#include "listreceiver.h"

namespace optolune {

bool HandBack(ListKind kind, const QStringList &items, ListReceiver *receiver)
{
    if (!receiver || !receiver->accepts(kind))
        return false;
    receiver->replaceList(kind, items);
    return true;
}

} // namespace optolune
