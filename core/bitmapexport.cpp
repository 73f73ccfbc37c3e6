#include "bitmapexport.h"

#include "core/apppaths.h"
#include "core/messages.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QClipboard>
#include <QCoreApplication>
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
        messages().information(
            QCoreApplication::translate("BitmapExport", "Pas d'image dans le presse-papier"));
        return QString();
    }
    if (!IsBareFileName(name)) {
        messages().information(
            QCoreApplication::translate("BitmapExport", "nom %1 non valide").arg(name));
        return QString();
    }
    if (!QDir().mkpath(folder))
        throw UserError(
            QCoreApplication::translate("BitmapExport", "Impossible de créer le dossier %1")
                .arg(folder));
    const QString path = QDir(folder).filePath(name + QStringLiteral(".bmp"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !commitSaveFile(file))
        throw UserError(
            QCoreApplication::translate("BitmapExport", "Impossible de créer le fichier %1")
                .arg(path));
    return path;
}

void ExportClipboardBitmap(QWidget *window)
{
    const auto name =
        prompts().inputText(QCoreApplication::translate("BitmapExport", "Saisir le nom du bitmap"),
                            QCoreApplication::translate("BitmapExport", "Nom du fichier .Bmp"),
                            QCoreApplication::translate("BitmapExport", "ici le nom"));
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
