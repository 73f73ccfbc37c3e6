#include "listkind.h"

namespace optolune {

QString ListPrefix(ListKind kind)
{
    switch (kind) {
    case ListKind::Dia: return QStringLiteral("cbxdia");
    case ListKind::Dis: return QStringLiteral("cbxdis");
    case ListKind::Foc: return QStringLiteral("cbxfoc");
    case ListKind::Cer: return QStringLiteral("cbxcer");
    case ListKind::Cgr: return QStringLiteral("cbxcgr");
    }
    return QString();
}

bool ListKindFromPrefix(const QString &prefix, ListKind &kind)
{
    for (ListKind k : {ListKind::Dia, ListKind::Dis, ListKind::Foc, ListKind::Cer, ListKind::Cgr}) {
        if (ListPrefix(k) == prefix) {
            kind = k;
            return true;
        }
    }
    return false;
}

int ListDecimals(ListKind kind)
{
    switch (kind) {
    case ListKind::Dia:
    case ListKind::Foc: return 1;
    case ListKind::Dis: return 2;
    case ListKind::Cer: return 3;
    case ListKind::Cgr: return 0;
    }
    return 0;
}

} // namespace optolune
