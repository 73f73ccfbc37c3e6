#include "formatgrid.h"

#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "lists/listkind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>

namespace optolune {

namespace {

QString damaged(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("FormatGrid", "Fichier illisible ou endommagé : %1 (%2)")
        .arg(ShownPath(QDir::toNativeSeparators(path)), reason);
}

// The program writes printable Windows-1252 text, CR LF line ends and
// nothing else; a control byte or a byte Windows-1252 leaves unassigned
// means the file is something else (binary, damaged).
qsizetype firstForeignByte(const QByteArray &bytes)
{
    static const auto foreign = [] {
        std::array<bool, 256> table{};
        for (int b = 0; b < 0x20; ++b)
            table[static_cast<size_t>(b)] = b != '\n' && b != '\t' && b != '\r';
        for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            table[static_cast<size_t>(b)] = true;
        return table;
    }();
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (foreign[p[i]])
            return i;
        if (p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n'))
            return i; // a CR that ends no line
    }
    return -1;
}

// A count written by the program: decimal digits, blanks around allowed.
std::optional<int> readCount(const QString &line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

GridRow makeHeaders()
{
    // The file keeps these French headers in every language; the window
    // shows them translated (GridHeaderShown).
    const char *texts[kGridColumns] = {
        QT_TRANSLATE_NOOP("FormatGrid", "FF"),         QT_TRANSLATE_NOOP("FormatGrid", "FT"),
        QT_TRANSLATE_NOOP("FormatGrid", "Film(mm)"),   QT_TRANSLATE_NOOP("FormatGrid", "Tirage"),
        QT_TRANSLATE_NOOP("FormatGrid", "Diag. tir."), QT_TRANSLATE_NOOP("FormatGrid", "Dist. obs."),
        QT_TRANSLATE_NOOP("FormatGrid", "Fact. agr."), QT_TRANSLATE_NOOP("FormatGrid", "c(mm)"),
        QT_TRANSLATE_NOOP("FormatGrid", "n inf. à"),   QT_TRANSLATE_NOOP("FormatGrid", "Commentaire")};
    GridRow row;
    for (int c = 0; c < kGridColumns; ++c)
        row[static_cast<size_t>(c)] = QString::fromUtf8(texts[c]);
    return row;
}

} // namespace

const GridRow &GridHeaders()
{
    static const GridRow headers = makeHeaders();
    return headers;
}

QString GridHeaderShown(const QString &header, int column)
{
    if (column < 0 || column >= kGridColumns || header != GridHeaders()[static_cast<size_t>(column)])
        return header;
    return QCoreApplication::translate("FormatGrid", header.toUtf8().constData());
}

QString GridCellShown(const QString &text, int column)
{
    switch (column) {
    case FilmFormatColumn:
        // A preset's name in the user's language; a name from elsewhere as
        // the file holds it.
        for (const FormatPreset &preset : FilmPresets())
            if (text == QString::fromUtf8(preset.item))
                return PresetShownName(preset);
        // The film's sizes the add command wrote ("20,5x30") are numbers.
        if (static const QRegularExpression sizes(QStringLiteral("^\\d+(,\\d+)?x\\d+(,\\d+)?$"));
            sizes.match(text).hasMatch())
            return LocalNumbers(text);
        return text;
    case CommentColumn:
        return text;
    default:
        return LocalNumbers(text);
    }
}

const std::array<int, kGridColumns> &GridColumnWidths()
{
    static constexpr std::array<int, kGridColumns> widths = {50, 50, 46, 44, 44,
                                                             48, 50, 40, 40, 170};
    return widths;
}

GridRow FormatGrid::row(int row) const
{
    GridRow texts;
    for (int c = 0; c < kGridColumns; ++c)
        texts[static_cast<size_t>(c)] = cell(row, c);
    return texts;
}

void FormatGrid::setRow(int row, const GridRow &texts)
{
    for (int c = 0; c < kGridColumns; ++c)
        setCell(row, c, texts[static_cast<size_t>(c)]);
}

FormatGrid NewFormatGrid()
{
    FormatGrid grid;
    grid.resize(kGridCreatedRows);
    SetGridHeaders(grid);
    return grid;
}

void SetGridHeaders(FormatGrid &grid)
{
    if (grid.rowCount() == 0)
        grid.resize(1);
    grid.setRow(0, GridHeaders());
}

void ClearGridRows(FormatGrid &grid)
{
    for (int r = 1; r < grid.rowCount(); ++r)
        grid.setRow(r, GridRow());
}

void ClearGridRow(FormatGrid &grid, int row)
{
    if (row >= 1 && row < grid.rowCount())
        grid.setRow(row, GridRow());
}

QString CurrentGridName() { return QStringLiteral("cbxcgr7.stf"); }
QString Grid1Name() { return QStringLiteral("cbxcgr1.stf"); }
QString Grid2Name() { return QStringLiteral("cbxcgr0.stf"); }

QStringList GridFileLines(const FormatGrid &grid)
{
    QStringList lines;
    lines.reserve(2 + grid.cells().size());
    lines << QString::number(kGridColumns) << QString::number(grid.rowCount());
    lines += grid.cells();
    return lines;
}

void WriteGridFile(const FormatGrid &grid, const QString &path)
{
    writeWhole(path, joinLines(GridFileLines(grid)));
}

std::optional<FormatGrid> ReadGridFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    // A file over the limit is refused before more of it is read.
    const BoundedRead read = readBounded(path, kGridMaxFileBytes);
    if (read.status == ReadStatus::CannotOpen)
        throw UserError(QCoreApplication::translate("FormatGrid", "Impossible d'ouvrir le fichier %1")
                            .arg(ShownPath(QDir::toNativeSeparators(path))));
    if (read.status == ReadStatus::TooLarge)
        throw UserError(damaged(path, QCoreApplication::translate("FormatGrid", "plus de 1 Mo")));
    const QByteArray &bytes = read.bytes;
    if (const qsizetype at = firstForeignByte(bytes); at >= 0) {
        const qsizetype line = bytes.left(at).count('\n') + 1;
        throw UserError(damaged(path, QCoreApplication::translate("FormatGrid", "caractère de contrôle à la ligne %1")
                                          .arg(line)));
    }
    QStringList lines = splitLines(decode1252(bytes));
    const QString noLine;
    const std::optional<int> columns = readCount(lines.value(0, noLine));
    if (columns != kGridColumns)
        throw UserError(damaged(path, QCoreApplication::translate("FormatGrid", "la ligne 1 doit donner 10 colonnes")));
    const std::optional<int> rows = readCount(lines.value(1, noLine));
    if (!rows || *rows < kGridMinRows || *rows > kGridMaxRows)
        throw UserError(damaged(path, QCoreApplication::translate("FormatGrid", "la ligne 2 doit donner de 2 à 1000 lignes")));

    // The lines after the counts are the cells: they become the grid as
    // they are, cut to its size or filled up with empty cells.
    FormatGrid grid;
    grid.m_cells = std::move(lines);
    grid.m_cells.remove(0, 2);
    grid.resize(*rows);
    return grid;
}

GridRow CircleGridRow(const CircleState &s, const QString &filmFormat)
{
    return {filmFormat, s.largT + u'x' + s.longT, s.fmodif, s.tmodif, s.diagTir,
            s.distObsCalc, s.coeff, s.c, s.nmin, QString()};
}

GridRowChoice ChooseGridRow(FormatGrid &grid, int row)
{
    // A grid file may hold numbers typed with a point.
    for (int r = 1; r < grid.rowCount(); ++r)
        for (const int c : {EnlargementColumn, CircleColumn})
            if (grid.cell(r, c).contains(u'.'))
                grid.setCell(r, c, DecimalCommaText(grid.cell(r, c)));
    const QString circle = row >= 1 && row < grid.rowCount() ? grid.cell(row, CircleColumn) : QString();
    if (!ReadNumber(circle))
        return {std::nullopt,
                QCoreApplication::translate("FormatGrid", "Valeur de c non valide. ")};
    NumericField::Report check = NumericField::Check(circle, 12, 3, QStringLiteral("c"),
                                                     ValueLimits::CerMin, ValueLimits::CerMax);
    if (check.code != 0)
        return {std::nullopt, std::move(check.warning)};
    return {CircleChoice{circle, grid.cell(row, FilmFormatColumn)}, std::nullopt};
}

} // namespace optolune
