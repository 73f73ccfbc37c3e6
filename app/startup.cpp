#include "startup.h"

#include "Sdimain.h"
#include "apppaths.h"
#include "inifile.h"
#include "core/application.h"
#include "core/qtmessages.h"

namespace optolune {

void loadShellSettings()
{
    IniFile ini;
    ini.load(appPaths().iniFileName);
    FichtempSettings fichtemp;
    fichtemp.load(ini);
    if (!fichtemp.table.isEmpty())
        TempTablePath() = fichtemp.table;
}

void wireMainWindow(TSDIAppForm &)
{
}

int runOptolune(int argc, char **argv)
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Optolune"));
    QApplication::setApplicationDisplayName(QStringLiteral("Optolune"));
    QtMessages qtMessages;
    QtPrompts qtPrompts;
    installMessages(&qtMessages);
    installPrompts(&qtPrompts);

    loadScaLines(appPaths());
    loadShellSettings();

    TSDIAppForm form;
    wireMainWindow(form);
    form.showMaximized();
    const int code = QApplication::exec();
    installMessages(nullptr);
    installPrompts(nullptr);
    return code;
}

} // namespace optolune
