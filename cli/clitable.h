// optolune-cli: the depth-of-field table on the command line, for parameters
// given as options or read from a saved table file, printed as aligned text
// or as CSV for a spreadsheet, in French or in English (--lang, else the
// user's locale). Only the program's logic units are used:
// the table is the one the table window shows.
#pragma once

#include "table/tableexport.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

class TableModel;

// Exit codes.
inline constexpr int kCliOk = 0;
inline constexpr int kCliFailed = 1;   // the table could not be computed or the file read
inline constexpr int kCliBadUsage = 2; // unknown command or option, bad option value

// Runs the command line (arguments[0] is the program's name). The table goes
// to out; help goes to out; every message and error goes to err.
int RunCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString CliHelpText();

// The table as aligned columns, the lines of a cell joined with " / ", the
// numbers as the user's language writes them.
QString TableAsText(const TableModel &model);
// With --csv the table is printed by TableAsCsv (table/tableexport.h), the
// same text the table window exports.

} // namespace optolune
