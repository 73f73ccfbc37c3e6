// optolune-cli tilt: the tilt calculator on the command line.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

QString TiltHelpText();
int RunTiltCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace optolune
