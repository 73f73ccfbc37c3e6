// optolune-cli stack: the focus stacking plan on the command line.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

QString StackHelpText();
int RunStackCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace optolune
