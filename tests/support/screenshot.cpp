#include "screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace optolune::test {

void saveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("OPTOLUNE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace optolune::test
