#include "notes.h"

#include "core/textfile.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace optolune {

namespace {

UrlOpener &urlOpener()
{
    static UrlOpener opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    return opener;
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(urlOpener());
    urlOpener() = std::move(opener);
    return previous;
}

bool openUrl(const QUrl &url) { return urlOpener()(url); }

void EnsureNotesFile(const QString &programFolder, const QString &name)
{
    const QString path = programFolder + name;
    if (!QFileInfo::exists(path))
        writeWhole(path, QByteArray());
}

void OpenNotes(const QString &programFolder, const QString &name)
{
    EnsureNotesFile(programFolder, name);
    openUrl(QUrl::fromLocalFile(programFolder + name));
}

} // namespace optolune
