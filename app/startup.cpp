#include "startup.h"

#include "mainwindow.h"
#include "core/application.h"
#include "core/apppaths.h"
#include "core/inifile.h"
#include "core/messages.h"
#include "core/qtmessages.h"

#include <QGuiApplication>
#include <QScreen>

namespace optolune {

QString loadShellSettings()
{
    return readSettingsSection<FichtempSettings>(appPaths().iniFileName).table;
}

int runOptolune(int argc, char **argv, const std::function<void(MainWindow &)> &wire)
{
    Application app(argc, argv);
    setUpApplication();
    QtMessages qtMessages;
    QtPrompts qtPrompts;
    installMessages(&qtMessages);
    installPrompts(&qtPrompts);

    // An installed program keeps each user's files in a folder of their own,
    // filled from the installation data at the first start. When that fails
    // the data check of the main window reports the files it cannot find.
    const QString seeding = SeedProgramFolder(appPaths());
    if (!seeding.isEmpty())
        messages().error(seeding);
    const QString tmpTablePath = loadShellSettings();

    MainWindow form;
    form.setTmpTablePath(tmpTablePath);
    wire(form);
    // Without a window manager (a bare X server) "maximized" is only a wish:
    // the screen's available area is given too.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    const int code = QApplication::exec();
    installMessages(nullptr);
    installPrompts(nullptr);
    return code;
}

} // namespace optolune
