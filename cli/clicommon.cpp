#include "clicommon.h"

#include "core/procs.h"
#include "table/tableexport.h"
#include "table/tablemodel.h"

#include <QTextStream>

namespace optolune {

CliMessages::CliMessages(QTextStream &err)
    : LineMessages([&err](QString text) {
          text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
          err << "optolune-cli: " << text << '\n';
          err.flush();
      })
{
    m_previous = installMessages(this);
}

CliMessages::~CliMessages() { installMessages(m_previous); }

QString CliQuoted(const QString &value)
{
    constexpr int kShown = 40;
    QString shown;
    for (const QChar c : QStringView(value).left(kShown)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    if (value.size() > kShown)
        shown += QStringLiteral("...");
    return shown;
}

QString CliNumber(const QString &option, const QString &value)
{
    QString text = value;
    text.replace(u'.', u',');
    if (!ReadNumber(text))
        throw UsageError{QStringLiteral("--%1 vaut un nombre décimal, pas « %2 »")
                             .arg(option, CliQuoted(value))};
    return text;
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
    qsizetype labelWidth = 0, valueWidth = 0;
    for (const auto &row : rows) {
        labelWidth = std::max(labelWidth, row[0].size());
        valueWidth = std::max(valueWidth, row[1].size());
    }
    for (const auto &row : rows)
        out << row[0].leftJustified(labelWidth) << "  " << row[1].rightJustified(valueWidth) << "  "
            << row[2] << '\n';
}

void PrintUsageError(QTextStream &err, const QString &text, const QString &command)
{
    err << "optolune-cli: " << text << '\n'
        << "Voir optolune-cli " << command << (command.isEmpty() ? "" : " ") << "--help.\n";
    err.flush();
}

} // namespace optolune
