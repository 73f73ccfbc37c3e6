#include "displayoptions.h"

#include "core/diffractiontext.h"
#include "core/inifile.h"

#include <QCoreApplication>
#include <array>

namespace optolune {

namespace {

constexpr std::array<DisplayOptionField, 9> Fields{{
    {"Hcheck", QT_TRANSLATE_NOOP("DisplayOptions", "Hyperfocale (h)"), "h", &DisplayOptions::h,
     true},
    {"Grcheck", QT_TRANSLATE_NOOP("DisplayOptions", "Grandissement et tirage"), "grt",
     &DisplayOptions::grt, true},
    {"pcheck", QT_TRANSLATE_NOOP("DisplayOptions", "Profondeur de champ p "), "p",
     &DisplayOptions::p, true},
    {"abCheck",
     QT_TRANSLATE_NOOP(
         "DisplayOptions",
         "Profondeur de champ en avant (a) et en arrière (b) du plan de mise au point"),
     "ab", &DisplayOptions::ab, true},
    {"DiffCheck", QT_TRANSLATE_NOOP("DisplayOptions", "Diffraction"), "diff", &DisplayOptions::diff,
     true},
    {"pfCheck", QT_TRANSLATE_NOOP("DisplayOptions", "Profondeur de foyer (pf)"), "pf",
     &DisplayOptions::pf, false},
    {"DCCheck", QT_TRANSLATE_NOOP("DisplayOptions", "Distance corrigée (dc)"), "dc",
     &DisplayOptions::dc, false},
    {"ZCCheck", QT_TRANSLATE_NOOP("DisplayOptions", "Zone corrigée"), "zc", &DisplayOptions::zc,
     false},
    {"TirCheck", QT_TRANSLATE_NOOP("DisplayOptions", "Tirage"), "t", &DisplayOptions::t, false},
}};

// The order in which the keys are written: a new section reads as the
// program has always written it.
constexpr std::array<bool DisplayOptions::*, 9> SaveOrder{
    &DisplayOptions::p,  &DisplayOptions::ab, &DisplayOptions::h,  &DisplayOptions::grt,
    &DisplayOptions::pf, &DisplayOptions::dc, &DisplayOptions::zc, &DisplayOptions::t,
    &DisplayOptions::diff};

const QString WavelengthKey = QStringLiteral("lambda");
const QString BlurModelKeyName = QStringLiteral("flou");

QString keyOf(bool DisplayOptions::*value)
{
    for (const DisplayOptionField &f : Fields)
        if (f.value == value)
            return QString::fromLatin1(f.key);
    return QString();
}

} // namespace

std::span<const DisplayOptionField> displayOptionFields() { return Fields; }

QString DisplayOptionCaption(const DisplayOptionField &field)
{
    return QCoreApplication::translate("DisplayOptions", field.caption);
}

void DisplayOptions::load(const IniFile &ini)
{
    for (const DisplayOptionField &f : Fields)
        this->*f.value = ini.boolValue(DisplayOptionsSection, QString::fromLatin1(f.key), false);
    wavelengthUm = ReadWavelength(ini.value(DisplayOptionsSection, WavelengthKey))
                       .value_or(kWavelengthDefaultUm);
    blurModel = ReadBlurModel(ini.value(DisplayOptionsSection, BlurModelKeyName))
                    .value_or(BlurModel::RootSumSquare);
}

void DisplayOptions::save(IniFile &ini) const
{
    for (bool DisplayOptions::*value : SaveOrder)
        ini.setBool(DisplayOptionsSection, keyOf(value), this->*value);
    ini.setValue(DisplayOptionsSection, WavelengthKey, WavelengthText(wavelengthUm));
    ini.setValue(DisplayOptionsSection, BlurModelKeyName, BlurModelKey(blurModel));
}

void DisplayOptions::markAll()
{
    for (const DisplayOptionField &f : Fields)
        this->*f.value = true;
}

void DisplayOptions::invert()
{
    for (const DisplayOptionField &f : Fields)
        this->*f.value = !(this->*f.value);
}

DisplayOptions readDisplayOptions(const QString &iniFileName)
{
    return readSettingsSection<DisplayOptions>(iniFileName);
}

void writeDisplayOptions(const QString &iniFileName, const DisplayOptions &options)
{
    writeSettingsSection(iniFileName, options);
}

} // namespace optolune
