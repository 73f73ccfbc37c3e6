#include "app/mainwindow.h"
#include "app/startup.h"
#include "tablewindow/tablewindow.h"
#include "variations/variationswindow.h"

using namespace optolune;

int main(int argc, char **argv)
{
    return runOptolune(argc, argv, [](MainWindow &form) {
        form.setTableOpener([](QWidget *owner) { ShowTableWindow(owner, false); });
        form.setOpenTableFileCommand([](QWidget *owner) { ShowTableWindow(owner, true); });
        form.setVariationsOpener([](QWidget *owner) { ShowVariationsWindow(owner); });
    });
}
