// The choices of the print options dialog kept in the settings file, section
// "Impression": the page orientation and the font size of the printed table,
// both as the index of the dialog's item, so that the next print starts from
// the last choice.
#pragma once

#include <QString>

namespace optolune {

class IniFile;

struct PrintOptions {
    int orientation = 0; // 0 "Portrait", 1 "Paysage"
    int fontSize = 2;    // index of "6", "8", "10", "12": 10 points

    // A key that is missing, holds no integer, or an index outside its
    // items (0-1, 0-3) keeps its default.
    void load(const IniFile &ini);
    // Writes "Orientation" and "Fontsize"; other keys and sections stay.
    void save(IniFile &ini) const;

    bool landscape() const { return orientation == 1; }
    int fontSizePoints() const;

    bool operator==(const PrintOptions &) const = default;
};

inline const QString PrintOptionsSection = QStringLiteral("Impression");

// The sizes the dialog offers, in points, in the order of its items.
inline constexpr int kPrintFontSizes[] = {6, 8, 10, 12};

// The options stored in the settings file at `iniFileName` (defaults when
// the file or the section is missing).
PrintOptions readPrintOptions(const QString &iniFileName);

// Stores the options in the settings file, keeping everything else in it.
// Throws UserError when the file cannot be read whole or written; the file is
// then unchanged.
void writePrintOptions(const QString &iniFileName, const PrintOptions &options);

} // namespace optolune
