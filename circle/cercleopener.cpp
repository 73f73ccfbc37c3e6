#include "cercleopener.h"

#include "cercle.h"

namespace optolune {

namespace {

CircleOpener &installedOpener()
{
    static CircleOpener opener;
    return opener;
}

} // namespace

std::optional<CircleChoice> OpenCircleWindow(QWidget *owner)
{
    const CircleOpener &opener = installedOpener();
    return opener ? opener(owner) : ShowCircleWindow(owner);
}

CircleOpener setCircleOpener(CircleOpener opener)
{
    CircleOpener previous = std::move(installedOpener());
    installedOpener() = std::move(opener);
    return previous;
}

std::optional<CircleChoice> ShowCircleWindow(QWidget *owner)
{
    TFormCercle form(owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace optolune
