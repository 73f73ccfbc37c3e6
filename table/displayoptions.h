// The display preferences of the depth-of-field table kept in the settings
// file, section "optaff": nine yes/no choices, and the wavelength and blur
// model with which the windows count diffraction. The choices are only
// stored here; the table window shows what its own menu and its table files
// say. The wavelength and the model are those every window uses.
#pragma once

#include "core/diffraction.h"

#include <QString>
#include <span>

namespace optolune {

class IniFile;

struct DisplayOptions {
    bool h = false;   // hyperfocal distance
    bool grt = false; // magnification and extension
    bool p = false;   // total depth of field
    bool ab = false;  // depth in front of and behind the focused plane
    bool pf = false;  // depth of focus
    bool dc = false;  // corrected distance
    bool zc = false;  // corrected zone
    bool t = false;   // extension
    bool diff = false; // diffraction counted
    long double wavelengthUm = kWavelengthDefaultUm; // "lambda", micrometres
    BlurModel blurModel = BlurModel::RootSumSquare;  // "flou": rss or sum

    // Each key that is missing or holds no integer keeps its default, off; a
    // wavelength or a model that does not read keeps its default too.
    void load(const IniFile &ini);
    // Writes the nine choices as 1 or 0, in the order p, ab, h, grt, pf, dc,
    // zc, t, diff, then lambda and flou; other keys and sections stay as they
    // are.
    void save(IniFile &ini) const;

    // Tick or invert the nine choices; the wavelength and model stay.
    void markAll();
    void invert();

    bool operator==(const DisplayOptions &) const = default;
};

// One choice: its check box, caption and key. Five are boxes a user sees; the
// other four are kept, read, written and marked like them but never shown.
struct DisplayOptionField {
    const char *box;
    const char *caption; // UTF-8, French: shown through DisplayOptionCaption
    const char *key;
    bool DisplayOptions::*value;
    bool shown;
};

// In the dialog's order, top to bottom.
std::span<const DisplayOptionField> displayOptionFields();

// The caption of a choice as its check box shows it, in the user's language.
QString DisplayOptionCaption(const DisplayOptionField &field);

inline const QString DisplayOptionsSection = QStringLiteral("optaff");

// The options stored in the settings file at `iniFileName`; all off when the
// file does not exist.
DisplayOptions readDisplayOptions(const QString &iniFileName);

// Stores the options in the settings file, keeping everything else in it.
// Throws UserError "Impossible d'ouvrir le fichier <path>" when an existing
// file cannot be read (writing would lose its other sections) and
// "Impossible de créer le fichier <path>" when it cannot be written; the file
// is then unchanged.
void writeDisplayOptions(const QString &iniFileName, const DisplayOptions &options);

} // namespace optolune
