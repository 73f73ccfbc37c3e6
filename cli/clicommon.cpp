#include "clicommon.h"

#include "clitable.h"
#include "core/apppaths.h"
#include "core/diffractiontext.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "core/usererror.h"
#include "core/showntext.h"
#include "lists/listfiles.h"
#include "lists/listkind.h"
#include "table/tableexport.h"
#include "table/tablemodel.h"
#include "variations/variationsfields.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace optolune {

void CliSay(QTextStream &err, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    err << "optolune-cli: " << text << '\n';
    err.flush();
}

void CliSay(QTextStream &err, const Notices &notices)
{
    for (const Notice &notice : notices)
        CliSay(err, notice.text);
}

QString CliQuoted(const QString &value)
{
    constexpr qsizetype kShown = 40;
    return ShownText(value, kShown, ControlEscapes::LowerHex);
}

QString CliNumber(const QString &option, const QString &value)
{
    const QString text = DecimalCommaText(value);
    if (!ReadNumber(text))
        throw UsageError{
            QCoreApplication::translate("CliCommon", "--%1 vaut un nombre décimal, pas « %2 »")
                .arg(option, CliQuoted(value))};
    return text;
}

long double CliNumberIn(const QString &option, const QString &value, long double minimum,
                        long double maximum, int decimals)
{
    const long double number = *ReadNumber(CliNumber(option, value));
    if (!(number >= minimum && number <= maximum))
        throw UsageError{
            QCoreApplication::translate("CliCommon", "--%1 hors limites : %2 (limites %3)")
                .arg(option, CliQuoted(value), RangeText(minimum, maximum, decimals))};
    return number;
}

long double CliWavelength(const QString &value)
{
    const QString text = CliNumber(QStringLiteral("wavelength"), value);
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && text.size() - comma - 1 > 4)
        throw UsageError{
            QCoreApplication::translate("CliCommon",
                                        "--wavelength s'écrit avec 4 décimales au plus, pas « %1 »")
                .arg(CliQuoted(value))};
    return CliNumberIn(QStringLiteral("wavelength"), value, kWavelengthMinUm, kWavelengthMaxUm, 2);
}

bool CliFromFilm(const QString &value, QString (*quote)(const QString &))
{
    if (value != u"film" && value != u"lens")
        throw UsageError{
            QCoreApplication::translate("CliCommon", "--origin vaut film ou lens, pas « %1 »")
                .arg(quote(value))};
    return value == u"film";
}

int CliDecimals(const QString &value, QString (*quote)(const QString &))
{
    bool ok = false;
    const int d = value.toInt(&ok);
    if (!ok || d < 0 || d > 8)
        throw UsageError{QCoreApplication::translate(
                             "CliCommon", "--decimals vaut un entier de 0 à 8, pas « %1 »")
                             .arg(quote(value))};
    return d;
}

BlurModel CliBlurModel(const QString &value)
{
    if (const std::optional<BlurModel> model = ReadBlurModel(value))
        return *model;
    throw UsageError{QCoreApplication::translate("CliCommon", "--blur vaut rss ou sum, pas « %1 »")
                         .arg(CliQuoted(value))};
}

CliLens CliOpeningLens()
{
    const TestLens lens;
    return CliLens{*ReadNumber(lens.circle), *ReadNumber(lens.focal), *ReadNumber(lens.nodal),
                   1.1L};
}

bool CliReadLensOption(const QString &name, const QString &value, CliLens &lens)
{
    using namespace ValueLimits;
    if (name == u"focal")
        lens.fMm = CliNumberIn(name, value, FocMin, FocMax, 1);
    else if (name == u"gp")
        lens.gp = CliNumberIn(name, value, GpMin, GpMax, 3);
    else if (name == u"nodal")
        lens.dnMm = CliNumberIn(name, value, NodMin, NodMax, 1);
    else if (name == u"circle")
        lens.cMm = CliNumberIn(name, value, CerMin, CerMax, 3);
    else
        return false;
    return true;
}

QStringList CliFNumbers(const std::optional<QString> &typed, QTextStream &err)
{
    if (typed)
        return CliListItems(*typed);
    ValueList list;
    if (const auto cut =
            LoadListFile(appPaths().dataFolder, ListKind::Dia, DefaultListNumber, list).cut)
        CliSay(err, *cut);
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        if (!list.text(i).isEmpty())
            items << list.text(i);
    return items;
}

QStringList CliListItems(QString text)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return DecimalCommaText(std::move(text)).split(separators, Qt::SkipEmptyParts);
}

namespace {
QString tableQuoted(const QString &text) { return ShownText(text); }
} // namespace

CliSyntax CliTableSyntax() { return CliSyntax{1, true, true, tableQuoted}; }

CliOptionReader::CliOptionReader(const QStringList &args, QStringList valued, CliSyntax syntax)
    : m_args(args), m_valued(std::move(valued)), m_syntax(syntax), m_next(syntax.first)
{
}

bool CliOptionReader::next()
{
    for (; m_next < m_args.size(); ++m_next) {
        const QString &arg = m_args[m_next];
        if (arg == u"--help" || arg == u"-h" || arg == u"-?") {
            m_help = true;
            continue;
        }
        m_arg = arg;
        m_name.clear();
        m_value.reset();
        m_positional = false;
        const bool dashes = arg.startsWith(QStringLiteral("--"));
        if (!dashes && !(m_syntax.singleDash && arg.startsWith(u'-'))) {
            if (!m_syntax.positionals)
                throw UsageError{QCoreApplication::translate("CliCommon", "argument inattendu : %1")
                                     .arg(quoted(arg))};
            m_positional = true;
            ++m_next;
            return true;
        }
        m_name = arg.mid(dashes ? 2 : 1);
        if (const qsizetype eq = m_name.indexOf(u'='); eq >= 0) {
            m_value = m_name.mid(eq + 1);
            m_name.truncate(eq);
        }
        ++m_next;
        if (m_value && !takesValue())
            throw UsageError{
                QCoreApplication::translate("CliCommon", "l'option --%1 ne prend pas de valeur")
                    .arg(quoted(m_name))};
        return true;
    }
    return false;
}

QString CliOptionReader::value()
{
    if (m_value)
        return *m_value;
    if (m_next >= m_args.size())
        throw UsageError{
            QCoreApplication::translate("CliCommon", "l'option --%1 demande une valeur")
                .arg(quoted(m_name))};
    return m_args[m_next++];
}

std::optional<QStringList> CliOptionReader::takeArguments(qsizetype count)
{
    if (m_next + count > m_args.size())
        return std::nullopt;
    const QStringList taken = m_args.mid(m_next, count);
    m_next += count;
    return taken;
}

void CliOptionReader::refuseUnknown() const
{
    throw UsageError{
        QCoreApplication::translate("CliCommon", "option inconnue : %1").arg(quoted(m_arg))};
}

int RunSubcommand(QTextStream &out, QTextStream &err, const QString &command, QString (*helpText)(),
                  const std::function<bool()> &parse, const std::function<int()> &run)
{
    bool help = false;
    try {
        help = parse();
    } catch (const UsageError &e) {
        PrintUsageError(err, e.text(), command);
        return kCliBadUsage;
    }
    if (help) {
        out << helpText();
        out.flush();
        return kCliOk;
    }
    try {
        return run();
    } catch (const UserError &e) {
        CliSay(err, e.text());
        return kCliFailed;
    }
}

void PrintResultRows(QTextStream &out, const std::array<QString, 3> &header, const ResultRows &rows,
                     bool csv)
{
    if (csv) {
        TableModel model;
        model.reset(3, static_cast<int>(rows.size()) + 1);
        for (int c = 0; c < 3; ++c)
            model.setCell(c, 0, header[static_cast<size_t>(c)]);
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < 3; ++c)
                model.setCell(c, r + 1, rows[r][static_cast<size_t>(c)]);
        out << TableAsCsv(model);
        return;
    }
    // The rows hold the program's labels and numbers, never a text the user
    // typed: shown as the user's language writes numbers.
    ResultRows shown = rows;
    for (auto &row : shown)
        for (QString &field : row)
            field = LocalNumbers(field);
    qsizetype labelWidth = 0, valueWidth = 0;
    for (const auto &row : shown) {
        labelWidth = std::max(labelWidth, row[0].size());
        valueWidth = std::max(valueWidth, row[1].size());
    }
    for (const auto &row : shown)
        out << row[0].leftJustified(labelWidth) << "  " << row[1].rightJustified(valueWidth) << "  "
            << row[2] << '\n';
}

void PrintResults(QTextStream &out, const ResultRows &rows, bool csv)
{
    PrintResultRows(out,
                    {QCoreApplication::translate("CliCommon", "Résultat"),
                     QCoreApplication::translate("CliCommon", "Valeur"),
                     QCoreApplication::translate("CliCommon", "Signification")},
                    rows, csv);
}

void PrintColumns(QTextStream &out, const TableModel &table, bool csv)
{
    if (csv) {
        out << TableAsCsv(table);
        return;
    }
    std::vector<qsizetype> widths;
    for (int c = 0; c < table.colCount(); ++c) {
        qsizetype width = 0;
        for (int r = 0; r < table.rowCount(); ++r)
            width = std::max(width, LocalNumbers(table.cell(c, r)).size());
        widths.push_back(width);
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c)
            out << (c ? "  " : "")
                << LocalNumbers(table.cell(c, r)).rightJustified(widths[static_cast<size_t>(c)]);
        out << '\n';
    }
}

void PrintUsageError(QTextStream &err, const QString &text, const QString &command)
{
    const QString help = QStringLiteral("optolune-cli ") + command +
                         (command.isEmpty() ? "" : " ") + QStringLiteral("--help");
    err << "optolune-cli: " << text << '\n'
        << QCoreApplication::translate("CliCommon", "Voir %1.").arg(help) << '\n';
    err.flush();
}

} // namespace optolune
