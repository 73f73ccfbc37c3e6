#include "notes.h"

#include "core/opener.h"
#include "core/textfile.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace optolune {

namespace {

ReplaceableOpener<bool(const QUrl &)> &urlOpener()
{
    static ReplaceableOpener<bool(const QUrl &)> opener(
        [](const QUrl &url) { return QDesktopServices::openUrl(url); });
    return opener;
}

} // namespace

UrlOpener setUrlOpener(UrlOpener opener) { return urlOpener().replace(std::move(opener)); }

bool openUrl(const QUrl &url) { return urlOpener().open(url); }

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
