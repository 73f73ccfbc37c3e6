#include "textfile.h"

#include "opener.h"

#include "usererror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>

namespace optolune {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five unassigned
// bytes map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decode1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return text;
}

QString SafeFileName(QStringView text)
{
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'/')
            name += u'-';
        else if (c.category() == QChar::Other_Control || QStringView(u"\\:*?\"<>|").contains(c))
            name += u'_';
        else
            name += c;
    }
    return name;
}

QByteArray encode1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (size_t i = 0; i < kHigh.size(); ++i)
            if (kHigh[i] == u)
                mapped = static_cast<char>(0x80 + i);
        bytes.append(mapped);
    }
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        lines.append(text.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool FitsWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    return std::find(kHigh.begin(), kHigh.end(), u) != kHigh.end();
}

QString KeepWindows1252(QStringView text, QString *removed)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (FitsWindows1252(c))
            kept.append(c);
        else if (removed)
            removed->append(c);
    }
    return kept;
}

BoundedRead readBounded(const QString &path, qint64 limit)
{
    BoundedRead result;
    limit = std::max<qint64>(limit, 0);
    if (QFileInfo(path).isDir())
        return result;
    QFile file(path);
    // Unbuffered: each read is one read of the system, which a pipe answers
    // with what it holds and with nothing only at its end.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return result;
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray bytes;
    // The size a regular file claims sizes the first allocation and the first
    // read, so a small file costs a small buffer and two reads (the second
    // finds the end). It bounds nothing: a file that grows, or a pipe, which
    // claims 0, goes on in pieces up to the limit.
    const qint64 claimed = std::clamp<qint64>(file.size(), 0, limit);
    bytes.reserve(static_cast<qsizetype>(claimed + 1));
    while (bytes.size() <= limit) {
        qint64 want = std::min(kPiece, limit + 1 - bytes.size());
        if (bytes.size() <= claimed)
            want = std::min(want, claimed + 1 - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + static_cast<qsizetype>(want));
        const qint64 got = file.read(bytes.data() + at, want);
        if (got < 0)
            return result; // a read error
        bytes.resize(at + static_cast<qsizetype>(got));
        if (got == 0)
            break; // the end of the file
    }
    if (bytes.size() > limit) {
        bytes.truncate(static_cast<qsizetype>(limit));
        result.status = ReadStatus::TooLarge;
    } else {
        result.status = ReadStatus::Read;
    }
    result.bytes = std::move(bytes);
    return result;
}

bool readWhole(const QString &path, QByteArray &bytes, qint64 limit)
{
    BoundedRead read = readBounded(path, limit);
    if (read.status != ReadStatus::Read)
        return false;
    bytes = std::move(read.bytes);
    return true;
}

namespace {
ReplaceableOpener<bool(QSaveFile &)> &committer()
{
    static ReplaceableOpener<bool(QSaveFile &)> own([](QSaveFile &file) { return file.commit(); });
    return own;
}
} // namespace

SaveCommitter setSaveCommitter(SaveCommitter replacement)
{
    return committer().replace(std::move(replacement));
}

bool commitSaveFile(QSaveFile &file) { return committer().open(file); }

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !commitSaveFile(file))
        throw UserError(
            QCoreApplication::translate("TextFile", "Impossible de créer le fichier %1").arg(path));
}

} // namespace optolune
