#include "listreceiver.h"

namespace optolune {

bool CallerTakesKind(const QString &tag, ListKind kind)
{
    if (tag == QStringView(VariationsCallerTag))
        return kind == ListKind::Dia || kind == ListKind::Cer || kind == ListKind::Dis ||
               kind == ListKind::Foc;
    if (tag == QStringView(TableCallerTag))
        return kind == ListKind::Dis || kind == ListKind::Dia;
    return false;
}

bool HandBack(const QString &tag, ListKind kind, const QStringList &items,
              ListReceiver *receiver)
{
    if (!receiver || !CallerTakesKind(tag, kind))
        return false;
    receiver->replaceList(kind, items);
    return true;
}

} // namespace optolune
