// The settings file: a Windows-style INI file of "key=value" lines under
// "[section]" headers, read and written as it stands (no quoting, so
// "f=81,2" stays one value). It is read whole and written whole: saving
// changes only the lines of the keys set and keeps every other line byte for
// byte, other sections, lines it does not understand and odd bytes included.
// Names of sections and keys compare without regard to case, as on Windows.
#pragma once

#include <QString>
#include <memory>

namespace optolune {

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // A missing, empty or damaged file gives an empty set of settings. A
    // file that exists but cannot be read whole (no permission, a device, more
    // than a megabyte) gives an empty set too, and save() then refuses to
    // write over it.
    void load(const QString &path);
    // Throws UserError when the file cannot be written, or when the file
    // loaded could not be read ("Impossible d'ouvrir le fichier <path>");
    // the previous file is then intact.
    void save(const QString &path) const;

    QString value(const QString &section, const QString &key,
                  const QString &fallback = QString()) const;
    int intValue(const QString &section, const QString &key, int fallback) const;
    // An integer from minimum to maximum (an item of a list, a radio
    // button); the fallback for anything else.
    int intValueIn(const QString &section, const QString &key, int minimum, int maximum,
                   int fallback) const;
    bool boolValue(const QString &section, const QString &key, bool fallback) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void setInt(const QString &section, const QString &key, int value);
    void setBool(const QString &section, const QString &key, bool value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The settings of one section (a struct with load(const IniFile &) and
// save(IniFile &) const), read from the file: its defaults for whatever the
// file does not hold.
template <typename Section>
Section readSettingsSection(const QString &iniFileName)
{
    IniFile ini;
    ini.load(iniFileName);
    Section section;
    section.load(ini);
    return section;
}

// Writes one section's settings into the file, read again now so that what
// other windows wrote since is kept. A file that cannot be read is left as
// it is: UserError "Impossible d'ouvrir le fichier <path>" (IniFile::save).
template <typename Section>
void writeSettingsSection(const QString &iniFileName, const Section &section)
{
    IniFile ini;
    ini.load(iniFileName);
    section.save(ini);
    ini.save(iniFileName);
}

// Section "langue": the language chosen in the main window's menu, "fr" or
// "en"; empty (or anything else) follows the user's locale.
struct LanguageSettings {
    QString language;

    void load(const IniFile &ini);
    void save(IniFile &ini) const;
};

// Section "fichtemp": where the table window's temporary table is.
struct FichtempSettings {
    QString table;

    void load(const IniFile &ini);
    void save(IniFile &ini) const;
};

} // namespace optolune
