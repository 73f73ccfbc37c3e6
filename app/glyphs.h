// The main window's button glyphs, drawn in code: no image file to read and
// no image plugin to load while the program starts.
#pragma once

#include <QIcon>

namespace optolune {

enum class Glyph { Table, Variations, Notes, Quit };

QIcon glyphIcon(Glyph glyph, int size = 32);

} // namespace optolune
