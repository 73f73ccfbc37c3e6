#include "widgets.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QWidget>

namespace optolune {

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void applyHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
}

QToolButton *makeButton(QWidget *bar, const char *name, const QString &hint,
                        QStyle::StandardPixmap glyph, bool checkable)
{
    auto *button = make<QToolButton>(bar, name);
    button->setIcon(bar->style()->standardIcon(glyph));
    button->setAutoRaise(true);
    button->setCheckable(checkable);
    applyHint(button, hint);
    return button;
}

void paintParameter(QLineEdit *edit)
{
    edit->setStyleSheet(QStringLiteral(
        "QLineEdit { background: #ffff00; color: #ff0000; font-weight: bold; }"));
}

void paintReadOnly(QLineEdit *edit)
{
    edit->setReadOnly(true);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: #c0c0c0; }"));
}

namespace {

class StatusTipRouter : public QObject {
public:
    StatusTipRouter(QWidget *window, QStatusBar *bar) : QObject(window), m_bar(bar) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StatusTip) {
            m_bar->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QStatusBar *m_bar;
};

} // namespace

void routeStatusTips(QWidget *window, QStatusBar *bar)
{
    window->installEventFilter(new StatusTipRouter(window, bar));
}

} // namespace optolune
