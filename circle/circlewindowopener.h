// How the depth-of-field table opens the circle-of-confusion window and gets
// back the chosen c and film format, without knowing the window.
#pragma once

#include "formatgrid.h"

#include <functional>
#include <optional>

class QWidget;

namespace optolune {

// The chosen row's c and film format after Ok; nullopt when the window was
// left any other way.
using CircleOpener = std::function<std::optional<CircleChoice>(QWidget *owner)>;

// Opens the window through the installed opener (ShowCircleWindow unless a
// test installed another).
std::optional<CircleChoice> OpenCircleWindow(QWidget *owner);

// Installs an opener and returns the previous one; an empty opener restores
// ShowCircleWindow.
CircleOpener setCircleOpener(CircleOpener opener);

// The program's opener: creates the window over the owner, shows it modally
// and destroys it when it closes.
std::optional<CircleChoice> ShowCircleWindow(QWidget *owner);

} // namespace optolune
