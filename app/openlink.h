// Opening the favourites' and the about box's links in the desktop's
// programs.
#pragma once

#include <QString>
#include <QUrl>

namespace optolune {

// Opens a link through openUrl and, when no program answers, says so in an
// information message that gives `shownAddress`. Returns whether it opened.
bool OpenLink(const QUrl &url, const QString &shownAddress);

} // namespace optolune
