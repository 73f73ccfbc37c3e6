#include "bladopener.h"

#include "Blad.h"

namespace optolune {

namespace {

LensOpener &installedOpener()
{
    static LensOpener opener;
    return opener;
}

} // namespace

std::optional<LensChoice> OpenLensWindow(QWidget *owner)
{
    const LensOpener &opener = installedOpener();
    return opener ? opener(owner) : ShowLensWindow(owner);
}

LensOpener setLensOpener(LensOpener opener)
{
    LensOpener previous = std::move(installedOpener());
    installedOpener() = std::move(opener);
    return previous;
}

std::optional<LensChoice> ShowLensWindow(QWidget *owner)
{
    TFormBlad form(owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace optolune
