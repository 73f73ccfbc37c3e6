// The application object. It catches, where each event is dispatched, the
// errors that no routine handled, shows their text as an error message and
// lets the program go on: a command ends, never the program.
#pragma once

#include <QApplication>

namespace optolune {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the text of the error being handled. Call from a catch block.
void reportCurrentException();

} // namespace optolune
