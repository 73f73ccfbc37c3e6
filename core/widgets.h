// Small helpers every window uses to build its controls in code.
#pragma once

#include <QObject>
#include <QString>

class QStatusBar;
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
    QMetaObject::invokeMethod(window, activate, Qt::QueuedConnection);
}

// Shows the status tips of every control of `window` in `bar`, as a main
// window does for its own status bar.
void routeStatusTips(QWidget *window, QStatusBar *bar);

} // namespace optolune
