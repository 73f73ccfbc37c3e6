#include "bitmapexport.h"

#include "core/apppaths.h"
#include "core/messages.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

namespace optolune {

bool IsBareFileName(const QString &name)
{
    return !name.trimmed().isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           name != QStringLiteral(".") && name != QStringLiteral("..") && !name.contains(QChar(0));
}

QString SaveClipboardBitmap(const QImage &image, const QString &folder, const QString &name)
{
    if (image.isNull()) {
        messages().information(QStringLiteral("Pas d'image dans le presse-papier"));
        return QString();
    }
    if (!IsBareFileName(name)) {
        messages().information(QStringLiteral("nom ") + name + QStringLiteral(" non valide"));
        return QString();
    }
    if (!QDir().mkpath(folder))
        throw UserError(QStringLiteral("Impossible de créer le dossier %1").arg(folder));
    const QString path = QDir(folder).filePath(name + QStringLiteral(".bmp"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !commitSaveFile(file))
        throw UserError(QStringLiteral("Impossible de créer le fichier %1").arg(path));
    return path;
}

void ExportClipboardBitmap(QWidget *window)
{
    const auto name = prompts().inputText(QStringLiteral("Saisir le nom du bitmap"),
                                          QStringLiteral("Nom du fichier .Bmp"),
                                          QStringLiteral("ici le nom"));
    if (!name)
        return;
    guarded([&] {
        const QString path =
            SaveClipboardBitmap(QGuiApplication::clipboard()->image(), appPaths().bitmapFolder(), *name);
        if (!path.isEmpty())
            showSavedFile(window, path);
    });
}

} // namespace optolune
