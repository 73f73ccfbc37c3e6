// The application object. It catches, where each event is dispatched, the
// errors that no routine handled, shows their text as an error message and
// lets the program go on: a command ends, never the program.
#pragma once

#include "language.h"

#include <QApplication>

class QTranslator;

namespace optolune {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the text of the error being handled. Call from a catch block.
void reportCurrentException();

// Qt's own texts (the buttons of the message boxes, the file dialogs) in
// French, from the translations installed beside Qt (Debian's
// qt6-translations-l10n), and a French locale for what Qt writes by itself
// (the dates of the file dialogs). The translator belongs to the application
// object and is returned; nullptr when the folder holds no French
// translation: the program then runs with Qt's English texts.
QTranslator *installFrenchTranslation(const QString &folder);
QTranslator *installFrenchTranslation(); // from Qt's own translations folder

// The language of the run: the one stored in the settings file's section
// "langue" ("fr" or "en"), else the user's locale's (French for French,
// English for any other).
Language ChosenLanguage(const QString &iniFileName);

// The names and translations of the program, set on its application object
// before any window: the program's own translation and Qt's texts in the
// chosen language. No display name is set: Qt would append it to every
// window title.
void setUpApplication();

} // namespace optolune
