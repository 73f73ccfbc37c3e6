#include "inifile.h"

#include "core/textfile.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>
#include <vector>

namespace optolune {

namespace {

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// Names of sections and keys compare as Windows compares them: letters of
// either case are the same.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section header line ("[name]", spaces allowed around), or
// nothing for any other line. The name is taken exactly as it stands, a
// stray control character included, so that it is never mistaken for
// another section.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView t = trimmed(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed(t.sliced(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<QByteArrayView> keyName(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0)
        return std::nullopt;
    const QByteArrayView key = trimmed(line.first(eq));
    if (key.isEmpty() || key.startsWith(';') || key.startsWith('['))
        return std::nullopt;
    return key;
}

} // namespace

// The file as its lines, each kept byte for byte (without its line end):
// lines the program does not understand, other programs' sections, NUL
// bytes and stray carriage returns are written back as they were read.
struct IniFile::Impl {
    std::vector<QByteArray> lines;
    bool unreadable = false; // the file exists but was not read whole

    // The line of the section's header, or -1.
    qsizetype findSection(QByteArrayView section) const
    {
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto name = sectionName(lines[i]);
            if (name && sameName(*name, section))
                return static_cast<qsizetype>(i);
        }
        return -1;
    }
    // The line after the section's last line.
    qsizetype sectionEnd(qsizetype header) const
    {
        qsizetype i = header + 1;
        while (i < static_cast<qsizetype>(lines.size()) && !sectionName(lines[static_cast<size_t>(i)]))
            ++i;
        return i;
    }
    // The line of the key in the section, or -1.
    qsizetype findKey(QByteArrayView section, QByteArrayView key) const
    {
        const qsizetype header = findSection(section);
        if (header < 0)
            return -1;
        const qsizetype end = sectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i) {
            const auto name = keyName(lines[static_cast<size_t>(i)]);
            if (name && sameName(*name, key))
                return i;
        }
        return -1;
    }
};

IniFile::IniFile() : d(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;

void IniFile::load(const QString &path)
{
    d->lines.clear();
    d->unreadable = false;
    if (!QFileInfo::exists(path))
        return;
    const BoundedRead read = readBounded(path, kMaxSettingsBytes);
    if (read.status != ReadStatus::Read) {
        d->unreadable = true;
        return;
    }
    // Lines end with LF, CR LF as Windows writes them; a CR anywhere else
    // is a byte of its line.
    const QByteArray &bytes = read.bytes;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        d->lines.push_back(bytes.sliced(start, stop - start));
        start = end + 1;
    }
}

void IniFile::save(const QString &path) const
{
    // What could not be read would be lost: the file is left as it is.
    if (d->unreadable)
        throw UserError(
            QCoreApplication::translate("IniFile", "Impossible d'ouvrir le fichier %1").arg(path));
    QByteArray out;
    for (const QByteArray &line : d->lines) {
        out += line;
        out += "\r\n";
    }
    writeWhole(path, out);
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const qsizetype i = d->findKey(encode1252(section), encode1252(key));
    if (i < 0)
        return fallback;
    const QByteArray &line = d->lines[static_cast<size_t>(i)];
    return decode1252(trimmed(QByteArrayView(line).sliced(line.indexOf('=') + 1)));
}

int IniFile::intValue(const QString &section, const QString &key, int fallback) const
{
    bool ok = false;
    const int v = value(section, key).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

int IniFile::intValueIn(const QString &section, const QString &key, int minimum, int maximum,
                        int fallback) const
{
    const int v = intValue(section, key, fallback);
    return v >= minimum && v <= maximum ? v : fallback;
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
    const QByteArray s = encode1252(section);
    const QByteArray k = encode1252(key);
    // A line break in a value would make a line of its own.
    QByteArray v = encode1252(value);
    v.replace('\r', ' ');
    v.replace('\n', ' ');
    const QByteArray line = k + '=' + v;
    const qsizetype at = d->findKey(s, k);
    if (at >= 0) {
        d->lines[static_cast<size_t>(at)] = line;
        return;
    }
    const qsizetype header = d->findSection(s);
    if (header < 0) {
        d->lines.push_back('[' + s + ']');
        d->lines.push_back(line);
        return;
    }
    // After the section's last line that is not empty.
    qsizetype end = d->sectionEnd(header);
    while (end > header + 1 && trimmed(d->lines[static_cast<size_t>(end - 1)]).isEmpty())
        --end;
    d->lines.insert(d->lines.begin() + end, line);
}

void IniFile::setInt(const QString &section, const QString &key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::setBool(const QString &section, const QString &key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void LanguageSettings::load(const IniFile &ini)
{
    language = ini.value(QStringLiteral("langue"), QStringLiteral("langue"));
}

void LanguageSettings::save(IniFile &ini) const
{
    ini.setValue(QStringLiteral("langue"), QStringLiteral("langue"), language);
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
