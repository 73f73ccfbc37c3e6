#include "openlink.h"

#include "core/messages.h"
#include "core/notes.h"

#include <QCoreApplication>

namespace optolune {

bool OpenLink(const QUrl &url, const QString &shownAddress)
{
    if (openUrl(url))
        return true;
    messages().information(QCoreApplication::translate("OpenLink", "Aucun programme n'a pu ouvrir l'adresse %1")
                               .arg(QuotedForMessage(shownAddress, 200)));
    return false;
}

} // namespace optolune
