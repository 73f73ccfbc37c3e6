// What the subcommands of optolune-cli share: messages on the error stream,
// usage errors (exit code 2) and the reading of option values.
#pragma once

#include "core/messages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class QTextStream;

namespace optolune {

// The program's messages, on the error stream, while the object lives: a
// warning about a repaired value does not stop the command.
class CliMessages final : public LineMessages {
public:
    explicit CliMessages(QTextStream &err);
    ~CliMessages() override;
    CliMessages(const CliMessages &) = delete;
    CliMessages &operator=(const CliMessages &) = delete;

private:
    Messages *m_previous = nullptr;
};

// A command line that cannot be run as given: exit code 2.
struct UsageError {
    QString text;
};

// A value from the command line as messages show it: at most 40 characters,
// control characters escaped.
QString CliQuoted(const QString &value);

// The text of a number option, '.' read as the decimal comma. A text that is
// not a number throws UsageError naming the option.
QString CliNumber(const QString &option, const QString &value);

// Results as rows of three texts (a label, a value, what it means), printed
// as aligned columns, or as CSV under a header row with the table's CSV
// rules.
using ResultRows = QList<std::array<QString, 3>>;
void PrintResultRows(QTextStream &out, const std::array<QString, 3> &header, const ResultRows &rows,
                     bool csv);

// "optolune-cli: " + text, then "Voir optolune-cli <command> --help.".
void PrintUsageError(QTextStream &err, const QString &text, const QString &command);

} // namespace optolune
