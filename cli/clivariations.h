// optolune-cli variations: the variations calculator's fourteen results for
// one setting, and the focus spread from rail readings, on the command line.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

// arguments[0] is the program's name, arguments[1] "variations".
int RunVariationsCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString VariationsHelpText();

} // namespace optolune
