#include "circlewindowopener.h"

#include "circlewindow.h"
#include "core/opener.h"

namespace optolune {

namespace {

ReplaceableOpener<std::optional<CircleChoice>(QWidget *)> &circleOpener()
{
    static ReplaceableOpener<std::optional<CircleChoice>(QWidget *)> opener(ShowCircleWindow);
    return opener;
}

} // namespace

std::optional<CircleChoice> OpenCircleWindow(QWidget *owner) { return circleOpener().open(owner); }

CircleOpener setCircleOpener(CircleOpener opener) { return circleOpener().replace(std::move(opener)); }

std::optional<CircleChoice> ShowCircleWindow(QWidget *owner)
{
    CircleWindow form(owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace optolune
