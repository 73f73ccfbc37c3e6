// What the commands of optolune-cli share: messages on the error stream,
// usage errors (exit code 2), the reading of options and of their values, and
// the printing of results.
#pragma once

#include "core/diffraction.h"
#include "core/messages.h"
#include "core/usererror.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class QTextStream;

namespace optolune {

// A message of the command on the error stream: "optolune-cli: " and the
// text, one line per line of the text.
void CliSay(QTextStream &err, QString text);
// The notices a logic library returned, in their order.
void CliSay(QTextStream &err, const Notices &notices);

// A command line that cannot be run as given: exit code 2. It is a UserError,
// so that one thrown after the options were read still ends the command with
// its message.
class UsageError : public UserError {
public:
    using UserError::UserError;
};

// A value from the command line as messages show it: at most 40 characters,
// control characters escaped.
QString CliQuoted(const QString &value);

// The text of a number option, '.' read as the decimal comma. A text that is
// not a number throws UsageError naming the option.
QString CliNumber(const QString &option, const QString &value);

// The value of a number option (CliNumber's reading), refused as a usage
// error naming the option when it lies outside [minimum, maximum].
long double CliNumberIn(const QString &option, const QString &value, long double minimum,
                        long double maximum, int decimals);

// The wavelength of --wavelength in micrometres, as typed with at most four
// decimals, within the range the program accepts.
long double CliWavelength(const QString &value);

// --origin: true for "film", false for "lens"; UsageError otherwise, the
// value quoted by `quote` (the command's own quoting, CliOptionReader::quoted).
bool CliFromFilm(const QString &value, QString (*quote)(const QString &) = CliQuoted);

// --decimals: an integer from 0 to 8; UsageError otherwise.
int CliDecimals(const QString &value, QString (*quote)(const QString &) = CliQuoted);

// --blur: "rss" (root sum of squares) or "sum".
BlurModel CliBlurModel(const QString &value);

// The lens of the focus spread and the focus stack on the command line: the
// variations window's opening lens (the test lens at gp 1,1), which
// --focal, --gp, --nodal and --circle change within the variations' limits.
struct CliLens {
    long double cMm, fMm, dnMm, gp;
};
CliLens CliOpeningLens();
// Reads one of the four lens options into `lens`; false when `name` is none
// of them.
bool CliReadLensOption(const QString &name, const QString &value, CliLens &lens);
// The lens into a calculator's input (its cMm, fMm, dnMm and gp).
template <typename Input> void CliSetLens(Input &in, const CliLens &lens)
{
    in.cMm = lens.cMm;
    in.fMm = lens.fMm;
    in.dnMm = lens.dnMm;
    in.gp = lens.gp;
}

// The f-numbers a calculator chooses from: those typed (--f-numbers), else
// the default list of f-numbers.
QStringList CliFNumbers(const std::optional<QString> &typed, QTextStream &err);

// The items of a typed list of f-numbers or distances, separated by ';' or
// spaces; a typed '.' is a decimal comma.
QStringList CliListItems(QString text);

// How a command line is written. The subcommands (the default) read their
// options from args[2] on, each written "--name", and quote what they refuse
// with CliQuoted. The table, the program's first command, reads from args[1]
// on, where its word "table" stands among the options (a positional
// argument), accepts "-name" as "--name" and quotes with ShownText, as its
// messages always have.
struct CliSyntax {
    qsizetype first = 2;
    bool singleDash = false;
    bool positionals = false;
    QString (*quote)(const QString &) = CliQuoted;
};
// The table's syntax.
CliSyntax CliTableSyntax();

// Reads the options of a command one at a time: "--name", "--name=value" or
// "--name value". "-h", "-?" and "--help" are not returned: they set help().
// Throws UsageError for an argument that is not an option (unless the syntax
// takes positional arguments: positional() then says so) and for a value
// given to an option that takes none.
class CliOptionReader {
public:
    // `valued`: the names of the options that take a value.
    CliOptionReader(const QStringList &args, QStringList valued, CliSyntax syntax = {});

    // Moves to the next option or positional argument; false after the last.
    bool next();
    bool help() const { return m_help; }
    // An argument that is no option, as typed (arg()).
    bool positional() const { return m_positional; }
    // The argument as it was typed.
    const QString &arg() const { return m_arg; }
    // The option's name, without its dashes and its value.
    const QString &name() const { return m_name; }
    bool takesValue() const { return m_valued.contains(m_name); }
    // The value written after '=', if any.
    bool hasInlineValue() const { return m_value.has_value(); }
    // The value: after '=', else the next argument. Throws UsageError when
    // the command line ends first.
    QString value();
    // The next `count` arguments as they stand, for an option that takes
    // several; nullopt when fewer are left.
    std::optional<QStringList> takeArguments(qsizetype count);
    // Throws UsageError "option inconnue" for the option as it was typed.
    [[noreturn]] void refuseUnknown() const;
    // A text from the command line quoted as this command's messages quote.
    QString quoted(const QString &text) const { return m_syntax.quote(text); }

private:
    const QStringList m_args; // a copy (shared, not copied): a temporary may be given
    QStringList m_valued;
    CliSyntax m_syntax;
    qsizetype m_next;
    QString m_arg;
    QString m_name;
    std::optional<QString> m_value;
    bool m_help = false;
    bool m_positional = false;
};

// Runs a subcommand: `parse` reads its options and tells whether help was
// asked (a UsageError prints the usage error, exit code 2), help prints
// `helpText()`, and `run` runs the command with the program's messages on
// the error stream; a UserError it throws is one of them and fails the
// command (exit code 1).
int RunSubcommand(QTextStream &out, QTextStream &err, const QString &command, QString (*helpText)(),
                  const std::function<bool()> &parse, const std::function<int()> &run);

// RunSubcommand for a command whose options `parse` reads into an Options
// with a `help` member, then `run` runs on them.
template <typename Options, typename Run>
int RunSubcommandOn(const QStringList &arguments, QTextStream &out, QTextStream &err,
                    const QString &command, QString (*helpText)(),
                    Options (*parse)(const QStringList &), Run run)
{
    Options o;
    return RunSubcommand(
        out, err, command, helpText,
        [&] {
            o = parse(arguments);
            return o.help;
        },
        [&] { return run(o); });
}

// Results as rows of three texts (a label, a value, what it means), printed
// as aligned columns, or as CSV under a header row with the table's CSV
// rules; their numbers as the user's language writes them.
using ResultRows = QList<std::array<QString, 3>>;
void PrintResultRows(QTextStream &out, const std::array<QString, 3> &header, const ResultRows &rows,
                     bool csv);
// The results of a calculator, under the header Résultat, Valeur,
// Signification (Result, Value, Meaning in English).
void PrintResults(QTextStream &out, const ResultRows &rows, bool csv);

class TableModel;

// A table of results whose row 0 is its header: as columns aligned to the
// right under their headers, or as CSV with the table's CSV rules.
void PrintColumns(QTextStream &out, const TableModel &table, bool csv);

// "optolune-cli: " + text, then "Voir optolune-cli <command> --help." (for
// no command, "Voir optolune-cli --help."), in the user's language.
void PrintUsageError(QTextStream &err, const QString &text, const QString &command);

} // namespace optolune
