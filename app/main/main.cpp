#include "app/mainwindow.h"
#include "app/startup.h"
#include "tablewindow/tablewindow.h"
#include "variations/variationswindow.h"

using namespace optolune;

int main(int argc, char **argv)
{
    return runOptolune(argc, argv, [](MainWindow &form) {
        form.setTableOpener(
            [](QWidget *owner, QString &tmpTable) { ShowTableWindow(owner, false, tmpTable); });
        form.setOpenTableFileCommand(
            [](QWidget *owner, QString &tmpTable) { ShowTableWindow(owner, true, tmpTable); });
        form.setVariationsOpener([](QWidget *owner) { ShowVariationsWindow(owner); });
    });
}
