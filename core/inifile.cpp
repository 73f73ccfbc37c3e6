#include "inifile.h"

#include "core/textfile.h"

// Bytes pass through unconverted: the file is Windows-1252, decoded here.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace optolune {

struct IniFile::Impl {
    CSimpleIniA ini{false, false, false}; // 8-bit, one value per key, single-line values
    Impl() { ini.SetSpaces(false); }      // "key=value", as Windows writes it
};

IniFile::IniFile() : d(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;

namespace {

std::string bytes(const QString &text)
{
    const QByteArray b = encode1252(text);
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

} // namespace

void IniFile::load(const QString &path)
{
    d->ini.Reset();
    QByteArray data;
    if (!readWhole(path, data))
        return;
    // A NUL byte ends the parser's view of the text; keep what comes before.
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        data.truncate(nul);
    if (d->ini.LoadData(data.constData(), static_cast<size_t>(data.size())) < 0)
        d->ini.Reset();
}

void IniFile::save(const QString &path) const
{
    std::string text;
    d->ini.Save(text, false);
    // The file keeps the Windows line ends its readers expect.
    QByteArray out;
    out.reserve(static_cast<qsizetype>(text.size() + text.size() / 16));
    for (const char c : text) {
        if (c == '\n')
            out += "\r\n";
        else if (c != '\r')
            out += c;
    }
    writeWhole(path, out);
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const char *v = d->ini.GetValue(bytes(section).c_str(), bytes(key).c_str(), nullptr);
    return v ? decode1252(QByteArrayView(v)) : fallback;
}

int IniFile::intValue(const QString &section, const QString &key, int fallback) const
{
    bool ok = false;
    const int v = value(section, key).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

bool IniFile::boolValue(const QString &section, const QString &key, bool fallback) const
{
    // Written as 1 and 0, as Windows INI files hold booleans.
    bool ok = false;
    const int v = value(section, key).trimmed().toInt(&ok);
    return ok ? v != 0 : fallback;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    d->ini.SetValue(bytes(section).c_str(), bytes(key).c_str(), bytes(value).c_str());
}

void IniFile::setInt(const QString &section, const QString &key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::setBool(const QString &section, const QString &key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void FichtempSettings::load(const IniFile &ini)
{
    const QString read = ini.value(QStringLiteral("fichtemp"), QStringLiteral("table"));
    if (!read.isEmpty())
        table = read;
}

void FichtempSettings::save(IniFile &ini) const
{
    ini.setValue(QStringLiteral("fichtemp"), QStringLiteral("table"), table);
}

} // namespace optolune
