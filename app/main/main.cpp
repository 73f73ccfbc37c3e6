#include "app/Sdimain.h"
#include "app/startup.h"
#include "table/calculprof.h"
#include "variations/calcprofisol.h"

using namespace optolune;

int main(int argc, char **argv)
{
    return runOptolune(argc, argv, [](TSDIAppForm &form) {
        form.setTableOpener([](QWidget *owner) { ShowTableWindow(owner, false); });
        form.setOpenTableFileCommand([](QWidget *owner) { ShowTableWindow(owner, true); });
        form.setVariationsOpener([](QWidget *owner) { ShowVariationsWindow(owner); });
    });
}
