// The settings file: a Windows-style INI file of "key=value" lines, read and
// written as it stands (no quoting, so "f=81,2" stays one value). It is read
// whole and written whole: saving keeps every section of the file, also those
// this run never touched.
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

    // A missing, empty or damaged file gives an empty set of settings.
    void load(const QString &path);
    // Throws UserError when the file cannot be written; the previous file is intact.
    void save(const QString &path) const;

    QString value(const QString &section, const QString &key,
                  const QString &fallback = QString()) const;
    int intValue(const QString &section, const QString &key, int fallback) const;
    bool boolValue(const QString &section, const QString &key, bool fallback) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void setInt(const QString &section, const QString &key, int value);
    void setBool(const QString &section, const QString &key, bool value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Section "fichtemp": where the table window's temporary table is.
struct FichtempSettings {
    QString table;

    void load(const IniFile &ini);
    void save(IniFile &ini) const;
};

} // namespace optolune
