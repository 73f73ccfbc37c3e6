// Lets GoogleTest print Qt texts in its failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
void PrintTo(const QString &s, std::ostream *os);
void PrintTo(const QStringList &list, std::ostream *os);
QT_END_NAMESPACE
