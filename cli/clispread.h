// optolune-cli spread: the focus spread with diffraction on the command line.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace optolune {

QString SpreadHelpText();
int RunSpreadCli(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace optolune
