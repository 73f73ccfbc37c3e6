// optolune-cli circle: the circle-of-confusion calculator on the command
// line, and the film and print formats it knows.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

// arguments[0] is the program's name, arguments[1] "circle".
int RunCircleCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

QString CircleHelpText();

} // namespace optolune
