#include "links.h"

#include <QRegularExpression>

namespace optolune {

std::optional<QUrl> WebLink(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QStringLiteral("https") || url.host().isEmpty() ||
        !url.userInfo().isEmpty())
        return std::nullopt;
    return url;
}

bool IsContactAddress(const QString &address)
{
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z0-9._-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    return plain.match(address).hasMatch();
}

} // namespace optolune
