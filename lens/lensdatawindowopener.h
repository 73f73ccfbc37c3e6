// How the depth-of-field table opens the Hasselblad lens data window and
// gets back what it hands over on Ok, without knowing the window.
#pragma once

#include "lensdata.h"

#include <functional>
#include <optional>

class QWidget;

namespace optolune {

// The lens handed over by Ok; nullopt when the window was left otherwise.
using LensOpener = std::function<std::optional<LensChoice>(QWidget *owner)>;

// Opens the window through the installed opener (ShowLensWindow unless a
// test installed another).
std::optional<LensChoice> OpenLensWindow(QWidget *owner);

// Installs an opener and returns the previous one; an empty opener restores
// ShowLensWindow.
LensOpener setLensOpener(LensOpener opener);

// The program's opener: creates the window over the owner, shows it modally
// and destroys it when it closes.
std::optional<LensChoice> ShowLensWindow(QWidget *owner);

} // namespace optolune
