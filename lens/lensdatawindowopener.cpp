#include "lensdatawindowopener.h"

#include "lensdatawindow.h"
#include "core/opener.h"

namespace optolune {

namespace {

ReplaceableOpener<std::optional<LensChoice>(QWidget *)> &lensOpener()
{
    static ReplaceableOpener<std::optional<LensChoice>(QWidget *)> opener(ShowLensWindow);
    return opener;
}

} // namespace

std::optional<LensChoice> OpenLensWindow(QWidget *owner) { return lensOpener().open(owner); }

LensOpener setLensOpener(LensOpener opener) { return lensOpener().replace(std::move(opener)); }

std::optional<LensChoice> ShowLensWindow(QWidget *owner)
{
    LensDataWindow form(owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.choice();
}

} // namespace optolune
