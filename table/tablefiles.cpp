#include "tablefiles.h"

#include "core/apppaths.h"
#include "core/diffractiontext.h"
#include "core/messages.h"
#include "core/showntext.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "tablecompute.h"
#include "tableinputs.h"
#include "tablemodel.h"
#include "tablestate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <utility>

namespace optolune {

namespace {

constexpr int kHeaderLines = 28;
// A table file is a few kilobytes; anything far larger is not one, and is
// not read into memory.
constexpr qint64 kMaxTableFileBytes = 1024 * 1024;

const QString kDiffractionLine = QStringLiteral("diffraction");

QString yesNo(bool on) { return on ? QStringLiteral("Ok") : QStringLiteral("No"); }

// A text of one line: a stray line break would shift every later line of
// the file.
QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

// A decimal integer: optional leading spaces, an optional sign, digits.
std::optional<int> readInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QStringView rest = QStringView(text).mid(i);
    if (rest.isEmpty())
        return std::nullopt;
    for (qsizetype j = 0; j < rest.size(); ++j) {
        const QChar c = rest[j];
        const bool sign = j == 0 && (c == u'+' || c == u'-') && rest.size() > 1;
        if (!sign && !(c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = rest.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// The column width spinner takes 40 to 90 pixels; anything else resets it.
int spinnerWidth(int width) { return width < 40 || width > 90 ? 40 : width; }

QString openError(const QString &path)
{
    return QCoreApplication::translate("TableFiles", "Impossible d'ouvrir le fichier %1")
        .arg(ShownPath(QDir::toNativeSeparators(path)));
}

bool anyParameterEmpty(const TableState &state)
{
    return state.circle.isEmpty() || state.focal.isEmpty() || state.nodal.isEmpty() ||
           state.pupil.isEmpty();
}

// The program's own tmp/ folder: a real folder right inside the program
// folder. A link in its place leads elsewhere, where the program neither
// writes its tmp table nor reads or deletes one.
bool tmpFolderIsOwn()
{
    const QString tmp = QFileInfo(appPaths().tmpFolder()).canonicalFilePath();
    const QString home = QFileInfo(appPaths().programFolder).canonicalFilePath();
    return !tmp.isEmpty() && !home.isEmpty() && tmp == home + QStringLiteral("/tmp");
}

// A path the tmp table may have: an existing ".tmp" file, not a link, right
// inside the program's own tmp/ folder.
bool isTmpTablePath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.isSymLink())
        return false;
    if (info.suffix().compare(QStringLiteral("tmp"), Qt::CaseInsensitive) != 0)
        return false;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString tmp = QFileInfo(appPaths().tmpFolder()).canonicalFilePath();
    return !folder.isEmpty() && folder == tmp && tmpFolderIsOwn();
}

} // namespace

QString TestTableName() { return QStringLiteral("F148,1_C0100_PF_4x5_Test Optolune.slc"); }
QString TestTablePath() { return appPaths().dataFolder + TestTableName(); }
QString TableFileFilter() { return QStringLiteral("optolune (*.stf)"); }

QString BuildNamePrefix(const TableState &state)
{
    QString code = state.circle;
    code.replace(u',', u'0');
    code.remove(0, 1);
    QString prefix = QStringLiteral("F") + state.focal + QStringLiteral("_C") + code;
    if (state.fa)
        prefix += QStringLiteral("_Fa");
    prefix += state.fromFilm ? QStringLiteral("_PF") : QStringLiteral("_PL");
    prefix += u'_' + state.format;
    // A format or lens references as the maker writes them ("5,6/150",
    // "T*") still give a name every system takes.
    return SafeFileName(prefix);
}

QString TableFileName(const TableState &state, const QString &extension)
{
    QString name = BuildNamePrefix(state);
    if (!state.lensReferences.isEmpty())
        name += u'_' + SafeFileName(state.lensReferences);
    return name + extension;
}

TableNameParts SplitTableFileName(const QString &fileName)
{
    QString base = QFileInfo(fileName).fileName();
    base.chop(4); // the extension
    QStringList parts = base.split(u'_');
    while (parts.size() < 6)
        parts.append(QString());
    TableNameParts out;
    const int formatIndex = parts[2] == QStringLiteral("Fa") ? 4 : 3;
    out.format = parts[formatIndex];
    out.lensReferences = formatIndex + 1 < 6 ? parts[formatIndex + 1] : QString();
    return out;
}

bool IsUsableFileName(const QString &folder, const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    // Characters no Windows file name may hold (tables travel between
    // systems), and the controls.
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c))
            return false;
    }
    if (QFile::encodeName(name).size() > 255)
        return false;
    const QFileInfo entry(QDir(folder).filePath(name));
    if (entry.exists() || entry.isSymLink()) {
        if (!entry.isFile() || entry.isHidden())
            return false;
        if (!(entry.permissions() & QFileDevice::WriteOwner))
            return false;
    }
    return true;
}

QStringList TableFileLines(const TableState &state)
{
    QStringList lines;
    lines.reserve(kHeaderLines + state.fNumbers.size() + state.distances.size());
    lines << VersionText() << yesNo(state.fa)
          << (state.showP ? QStringLiteral("p") : QStringLiteral("pn"))
          << (state.showAB ? QStringLiteral("ab") : QStringLiteral("abn"))
          << (state.showH ? QStringLiteral("h") : QStringLiteral("hn"))
          << (state.horizontal ? QStringLiteral("dh") : QStringLiteral("dv"))
          << (state.fromFilm ? QStringLiteral("df") : QStringLiteral("dl"))
          << QString::number(state.columnWidth) << yesNo(state.showGT)
          << oneLine(state.lensReferences) << QString()
          << oneLine(state.comment) << oneLine(state.focal) << oneLine(state.circle)
          << QString::number(state.decimalsIndex) << oneLine(state.bound)
          << QString::number(state.fNumbers.size()) << QString::number(ShownDistanceCount(state))
          << oneLine(state.nodal) << oneLine(state.format) << QString::number(state.columnWidth)
          << oneLine(state.pupil);
    // A table that counts diffraction keeps it with its wavelength and blur
    // model; the lines stay empty otherwise, as in every earlier file.
    if (state.diffraction)
        lines << kDiffractionLine << WavelengthText(state.wavelengthUm)
              << BlurModelKey(state.blurModel);
    while (lines.size() < kHeaderLines)
        lines << QString();
    for (const QString &item : state.fNumbers)
        lines << oneLine(item);
    for (const QString &item : state.distances)
        lines << oneLine(item);
    return lines;
}

TableReport WriteTableFile(const TableState &state, const TableModel &model, const QString &path)
{
    TableReport report;
    if (model.isEmpty()) {
        report.say(Notice::Kind::Plain, QCoreApplication::translate("TableFiles", "Table vide"));
        return report;
    }
    // What the reader would refuse is never written: a tmp table refused
    // at the next opening would lose the window's state without a word.
    const QByteArray bytes = state.fNumbers.size() <= kMaxTableListItems &&
                                     state.distances.size() <= kMaxTableListItems
                                 ? joinLines(TableFileLines(state))
                                 : QByteArray();
    if (bytes.isEmpty() || bytes.size() > kMaxTableFileBytes) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableFiles",
                                               "Table trop grande pour être enregistrée : %1 "
                                               "diaphragmes et %1 distances au plus")
                       .arg(kMaxTableListItems));
        return report;
    }
    try {
        writeWhole(path, bytes);
    } catch (const UserError &e) {
        report.say(Notice::Kind::Error, e.text());
        return report;
    }
    report.done = true;
    return report;
}

TableFileResult ReadTableFile(TableState &state, const QString &path, TableSource source,
                              const QString &programVersion)
{
    const bool chosen = source == TableSource::UserFile;
    TableFileResult result;
    auto stop = [&result](TableStatus status) {
        result.status = status;
        return result;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        if (chosen)
            result.messages.push_back({Notice::Kind::Error, openError(path)});
        return stop(TableStatus::Missing);
    }
    // Read with a bound whatever the file claims to be: a device or a pipe
    // has no size.
    const BoundedRead read = readBounded(path, kMaxTableFileBytes);
    if (read.status == ReadStatus::CannotOpen) {
        if (chosen)
            result.messages.push_back({Notice::Kind::Error, openError(path)});
        return stop(TableStatus::ReadError);
    }
    // Of a file too large to be a table only the first line is looked at.
    const bool tooLarge = read.status == ReadStatus::TooLarge;
    const QStringList lines =
        splitLines(decode1252(tooLarge ? QByteArrayView(read.bytes).first(
                                             std::min<qsizetype>(read.bytes.size(), 4096))
                                       : QByteArrayView(read.bytes)));
    // A line past the end of the file reads as an empty text.
    auto line = [&](int number) {
        return number <= lines.size() ? lines[number - 1] : QString();
    };

    // Line 1 names the version of the program that wrote the file. Every
    // version so far writes the same lines, so a table of another version
    // is read like one of this version: an upgrade keeps the saved tables
    // and the tmp table of the last session. A line 1 that names no version
    // of this program, or lines of another version that this program cannot
    // read, are refused as another version's file.
    auto otherVersion = [&] {
        result.messages.push_back(
            {Notice::Kind::Information,
             QCoreApplication::translate("TableFiles", "Fichier non compatible avec la version %1")
                 .arg(programVersion)});
        return stop(TableStatus::OtherVersion);
    };
    const bool ownVersion = line(1) == programVersion;
    if (!ownVersion && !IsVersionText(line(1)))
        return otherVersion();
    auto fault = [&](TableStatus status) {
        if (!ownVersion)
            return otherVersion();
        if (chosen)
            result.messages.push_back(
                {Notice::Kind::Error,
                 QCoreApplication::translate("TableFiles", "Fichier illisible ou endommagé : %1")
                     .arg(ShownPath(QDir::toNativeSeparators(path)))});
        return stop(status);
    };
    if (tooLarge)
        return fault(TableStatus::ReadError);

    // Everything is read into a copy, which replaces the state only when the
    // whole file has read: a damaged file changes nothing.
    TableState next = state;
    next.fa = line(2) == u"Ok";
    next.faVisible = next.fa;
    next.showP = line(3) == u"p";
    next.showAB = line(4) == u"ab";
    next.showH = line(5) == u"h";
    next.horizontal = line(6) == u"dh";
    next.fromFilm = line(7) == u"df";
    if (chosen) {
        const auto width = readInteger(line(8));
        if (!width)
            return fault(TableStatus::ReadError);
        next.columnWidth = spinnerWidth(*width);
        next.headerColumnWidth = 40;
    }
    next.showGT = line(9) == u"Ok";
    next.comment = line(12);
    next.focal = line(13);
    next.circle = line(14);
    const auto decimals = readInteger(line(15));
    if (!decimals || *decimals < 0 || *decimals > 8)
        return fault(TableStatus::ReadError);
    next.decimalsIndex = *decimals;
    // A table always opens with the bound of one kilometre.
    next.bound = QStringLiteral("1000");
    const auto nDia = readInteger(line(17));
    const auto nDist = readInteger(line(18));
    if (!nDia || !nDist || *nDia < 0 || *nDist < 0 || *nDia > kMaxTableListItems ||
        *nDist > kMaxTableListItems)
        return fault(TableStatus::ReadError);
    next.nodal = line(19);
    next.format = line(20);
    const auto width = readInteger(line(21));
    if (!width)
        return fault(TableStatus::ReadError);
    next.columnWidth = spinnerWidth(*width);
    next.headerColumnWidth = 40;
    next.pupil = line(22);
    // A file without the diffraction line (every file before it existed)
    // reads as a table without diffraction. A wavelength or a model that
    // does not read leaves the one of the display options.
    next.diffraction = line(23) == kDiffractionLine;
    if (next.diffraction) {
        if (const auto wavelength = ReadWavelength(line(24)))
            next.wavelengthUm = *wavelength;
        if (const auto model = ReadBlurModel(line(25)))
            next.blurModel = *model;
    }
    // The counts must be backed by lines: a count is never trusted to size
    // a list by itself.
    const qint64 listLines = static_cast<qint64>(lines.size()) - kHeaderLines;
    if (static_cast<qint64>(*nDia) + *nDist > listLines)
        return fault(TableStatus::ReadError);
    next.fNumbers = lines.mid(kHeaderLines, *nDia);
    next.distances = lines.mid(kHeaderLines + *nDia, *nDist);
    next.nDia = *nDia;
    next.nDist = *nDist;

    // The name gives the format and the lens references. When it is the
    // name this program builds for these settings, the format of line 20
    // and everything after it are taken whole, so that a "_" inside them
    // survives; a name made by hand is split at its "_".
    const QString fileName = info.fileName();
    const QString prefix = BuildNamePrefix(next);
    const QString base = fileName.left(fileName.size() - 4);
    if (base == prefix) {
        next.lensReferences.clear();
    } else if (base.startsWith(prefix + u'_')) {
        // The name holds the references made fit for a file name; line 10
        // holds them as typed ("5,6/150" where the name says "5,6-150").
        next.lensReferences = base.mid(prefix.size() + 1);
        if (SafeFileName(line(10)) == next.lensReferences)
            next.lensReferences = line(10);
    } else {
        const TableNameParts parts = SplitTableFileName(fileName);
        next.format = parts.format;
        next.lensReferences = parts.lensReferences;
    }
    // A name given by the file system may hold characters the files' code
    // page has no place for: they would not survive the tmp table's name in
    // the settings file.
    next.format = KeepWindows1252(next.format);
    next.lensReferences = KeepWindows1252(next.lensReferences);
    next.namePrefix = BuildNamePrefix(next);
    state = std::move(next);
    return stop(TableStatus::Read);
}

TableReport SaveTable(TableState &state, TableModel &model, const Confirm &confirm)
{
    TableReport report;
    if (state.lensReferences.contains(u'_') || state.format.contains(u'_')) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableFiles",
                                               "Le caractère _ n'est pas  autorisé dans le format "
                                               "et les références de l'objectif"));
        return report;
    }
    // A table that cannot be computed is not saved: the refresh says why.
    if (!report.take(RefreshTable(state, model)))
        return report;
    const QString folder = appPaths().tablesFolder();
    const QString name = TableFileName(state, QStringLiteral(".stf"));
    if (!IsUsableFileName(folder, name)) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableFiles", "nom %1 non valide").arg(name));
        return report;
    }
    // The refresh's repairs are read before the question.
    const Notices before = std::exchange(report.messages, {});
    if (!confirm(before, QCoreApplication::translate(
                             "TableFiles",
                             "La table va être enregistrée dans le fichier:\r\n%1\r\nContinuer?")
                             .arg(name)))
        return report;
    const QString path = folder + name;
    if (QFileInfo::exists(path) &&
        !confirm({}, QCoreApplication::translate(
                         "TableFiles", "Le fichier %1 existe, il sera remplacé.\r\nContinuer?")
                         .arg(name)))
        return report;
    QDir().mkpath(folder);
    report.done = report.take(WriteTableFile(state, model, path));
    return report;
}

TableFileResult OpenTable(TableState &state, TableModel &model, const ChooseFile &choose)
{
    // The dialog starts in Tables/, made when a fresh program folder has
    // none yet: a dialog given a missing folder starts wherever the process
    // happens to be.
    const QString folder = appPaths().tablesFolder();
    QDir().mkpath(folder);
    const std::optional<QString> chosen = choose(folder, TableFileFilter());
    if (!chosen)
        return {TableStatus::Cancelled, {}};
    TableFileResult result = ReadTableFile(state, *chosen, TableSource::UserFile);
    if (result.status == TableStatus::Read) {
        TableReport refreshed = RefreshTable(state, model);
        for (Notice &d : refreshed.messages)
            result.messages.push_back(std::move(d));
    }
    return result;
}

TmpTableSave SaveTmpTable(TableState &state, TableModel &model)
{
    TableReport report;
    auto result = [&report](QString path) {
        return TmpTableSave{path, std::move(report.messages)};
    };
    if (anyParameterEmpty(state))
        return result({});
    // Written even when the refresh stops (an empty list): the settings
    // then come back at the next opening, and the refresh says again what
    // is missing.
    report.take(RefreshTable(state, model));
    const QString folder = appPaths().tmpFolder();
    const QString name = TableFileName(state, QStringLiteral(".tmp"));
    if (!IsUsableFileName(folder, name)) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableFiles", "nom %1 non valide").arg(name));
        return result({});
    }
    QDir().mkpath(folder);
    const QString path = folder + name;
    if (!tmpFolderIsOwn()) {
        report.say(Notice::Kind::Error,
                   QCoreApplication::translate("TableFiles", "Impossible de créer le fichier %1")
                       .arg(QDir::toNativeSeparators(path)));
        return result({});
    }
    if (!report.take(WriteTableFile(state, model, path)))
        return result({});
    return result(QDir::toNativeSeparators(path));
}

TableFileResult LoadTmpTable(TableState &state, QString &tmpTablePath,
                             const QString &programVersion)
{
    const QString path = tmpTablePath;
    if (!isTmpTablePath(path)) {
        // Missing, or a path outside tmp/ from a damaged settings file: that
        // file is neither read nor ever deleted.
        if (!path.isEmpty() && QFileInfo::exists(path))
            tmpTablePath.clear();
        return LoadTestTable(state);
    }
    TableFileResult result = ReadTableFile(state, path, TableSource::TmpTable, programVersion);
    if (result.status == TableStatus::Read)
        QFile::remove(path);
    return result;
}

TableFileResult LoadTestTable(TableState &state)
{
    const QString path = TestTablePath();
    if (!QFileInfo::exists(path))
        return {TableStatus::Missing, {}};
    return ReadTableFile(state, path, TableSource::TestTable);
}

TableReport StoreParameters(const TableState &state)
{
    TableReport report;
    try {
        WriteMemoryFile(MemoryFilePath(), {state.circle, state.focal, state.nodal, state.pupil});
    } catch (const UserError &e) {
        report.say(Notice::Kind::Error, e.text());
        return report;
    }
    report.done = true;
    return report;
}

TableReport RecallParameters(TableState &state, TableModel &model)
{
    LensMemory memory;
    try {
        memory = ReadMemoryFile(MemoryFilePath());
    } catch (const UserError &e) {
        TableReport report;
        report.say(Notice::Kind::Error, e.text());
        return report;
    }
    state.circle = memory.circle;
    state.focal = memory.focal;
    state.nodal = memory.nodal;
    state.pupil = memory.pupil;
    state.namePrefix = BuildNamePrefix(state);
    return RefreshTable(state, model);
}

} // namespace optolune
