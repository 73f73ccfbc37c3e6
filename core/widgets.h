// Small helpers every window uses to build its controls in code.
#pragma once

#include "core/application.h"

#include <QObject>
#include <QStyle>
#include <QString>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

class QBoxLayout;
class QLineEdit;
class QMenuBar;
class QStatusBar;
class QToolButton;
class QWidget;

namespace optolune {

// Creates a child control that always carries its program name.
template <typename T, typename Parent>
T *make(Parent *parent, const char *objectName)
{
    auto *widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// Hint "short|long": the short part as tool tip, the long part as status tip.
// A hint without '|' is both.
void applyHint(QWidget *widget, const QString &hint);
QString shortHint(const QString &hint);
QString longHint(const QString &hint);

// Runs a command; an error nobody handled is reported and the window goes on.
template <typename F> void guarded(F &&command)
{
    try {
        command();
    } catch (...) {
        reportCurrentException();
    }
}

// A window's activation step: runs `activate` once, when the event loop is
// back after the window's first show (so its messages stand over it).
// Returning from a modal child shows the window again without a new
// activation.
template <typename F>
void activateOnce(QObject *window, bool &activated, F activate)
{
    if (activated)
        return;
    activated = true;
    QMetaObject::invokeMethod(
        window, [activate] { guarded(activate); }, Qt::QueuedConnection);
}

// A flat tool-bar button with a standard glyph and a hint.
QToolButton *makeButton(QWidget *bar, const char *name, const QString &hint,
                        QStyle::StandardPixmap glyph, bool checkable = false);

// The same with its caption beside the glyph ("Ok", "Calculer").
QToolButton *makeTextButton(QWidget *bar, const char *name, const QString &caption,
                            const QString &hint, QStyle::StandardPixmap glyph);

// One button of a tool bar's table: a caption, when it has one, stands
// beside the glyph. The hint and the caption are French texts marked
// QT_TRANSLATE_NOOP("ToolButtons", ...): the button shows them translated. `made`, when given,
// receives the button, so that the window connects the button it made rather than one looked up by
// name.
struct ToolButtonDef {
    const char *name;
    const char *hint;
    QStyle::StandardPixmap glyph;
    const char *caption = nullptr;
    QToolButton **made = nullptr;
};

// Makes the buttons of a table, in order, at the end of the bar's row, and
// returns them in the same order.
std::vector<QToolButton *> addToolButtons(QWidget *bar, QBoxLayout *row, std::span<const ToolButtonDef> buttons);

// A field with its hint, as wide as given.
QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &hint, int width);

// The window's status bar "StatusBar", at the foot of its layout: it shows
// the status tips of the window's controls.
QStatusBar *addStatusBar(QWidget *window, QBoxLayout *layout);

// An export that succeeded says where it went: "Fichier enregistré : " and
// the file's path in the status bar "StatusBar" of `window`.
void showSavedFile(QWidget *window, const QString &path);
QString SavedFileText(const QString &path);

// The last two items of a calculator's menu bar: "Notes" (Notes1) runs
// `openNotes`, "Quitter" (Quitter1) closes the window.
void addNotesAndQuit(QMenuBar *bar, QWidget *window, const std::function<void()> &openNotes);

// The origin-of-distances toggle (DistFilmBtn): a text button that reads
// "PF" while down (distances from the film plane) and "PL" while up (from the
// lens), whoever changes its state.
QToolButton *makeOriginButton(QWidget *bar, const QString &hint);

// The parameter fields: yellow with bold red text, as every typed parameter.
void paintParameter(QLineEdit *edit);

// Read-only fields computed by the program are silver.
void paintReadOnly(QLineEdit *edit);

// A read-only field that stands out: silver with the parameters' bold red (a
// parameter only the program sets, an answer the user came for).
void paintReadOnlyParameter(QLineEdit *edit);

// Sets the field's text only when it differs, so that a field being typed in
// keeps its cursor.
void setChangedText(QLineEdit *edit, const QString &text);
// The same for several fields: {field, text}.
void setChangedTexts(std::initializer_list<std::pair<QLineEdit *, QString>> fields);

// Shows the status tips of every control of `window` in `bar`, as a main
// window does for its own status bar.
void routeStatusTips(QWidget *window, QStatusBar *bar);

// For a field whose text reaches a file name or a file (a format, lens
// references, a comment): characters that Windows-1252, the code page of the
// program's files and settings file, cannot hold never enter it, so that a
// name, the file's contents and the settings file always agree. A key or a
// pasted text that brings some is taken without them, and one information
// message names what was left out.
void acceptWindows1252Only(QLineEdit *edit);

// The message of acceptWindows1252Only for the characters left out.
QString Windows1252RefusalText(const QString &removed);

} // namespace optolune
