#include "widgets.h"

#include "messages.h"
#include "showntext.h"
#include "textfile.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QValidator>
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

QToolButton *makeTextButton(QWidget *bar, const char *name, const QString &caption,
                            const QString &hint, QStyle::StandardPixmap glyph)
{
    QToolButton *button = makeButton(bar, name, hint, glyph);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

std::vector<QToolButton *> addToolButtons(QWidget *bar, QBoxLayout *row, std::span<const ToolButtonDef> buttons)
{
    std::vector<QToolButton *> made;
    made.reserve(buttons.size());
    for (const ToolButtonDef &b : buttons) {
        const QString hint = QCoreApplication::translate("ToolButtons", b.hint);
        QToolButton *button =
            b.caption && *b.caption
                ? makeTextButton(bar, b.name, QCoreApplication::translate("ToolButtons", b.caption),
                                 hint, b.glyph)
                : makeButton(bar, b.name, hint, b.glyph);
        row->addWidget(button);
        if (b.made)
            *b.made = button;
        made.push_back(button);
    }
    return made;
}

QLineEdit *makeEdit(QWidget *parent, const char *name, const QString &hint, int width)
{
    auto *edit = make<QLineEdit>(parent, name);
    applyHint(edit, hint);
    edit->setFixedWidth(width);
    return edit;
}

QStatusBar *addStatusBar(QWidget *window, QBoxLayout *layout)
{
    auto *bar = make<QStatusBar>(window, "StatusBar");
    bar->setSizeGripEnabled(false);
    layout->addWidget(bar);
    routeStatusTips(window, bar);
    return bar;
}

QString SavedFileText(const QString &path)
{
    return QCoreApplication::translate("Widgets", "Fichier enregistré : %1")
        .arg(ShownPath(QDir::toNativeSeparators(path)));
}

void showSavedFile(QWidget *window, const QString &path)
{
    if (!window)
        return;
    if (auto *bar = window->findChild<QStatusBar *>(QStringLiteral("StatusBar")))
        bar->showMessage(SavedFileText(path));
}

void addNotesAndQuit(QMenuBar *bar, QWidget *window, const std::function<void()> &openNotes)
{
    QAction *notes = bar->addAction(QCoreApplication::translate("Widgets", "Notes"));
    notes->setObjectName(QStringLiteral("Notes1"));
    QObject::connect(notes, &QAction::triggered, window, [openNotes] { guarded(openNotes); });
    QAction *quit = bar->addAction(QCoreApplication::translate("Widgets", "Quitter"));
    quit->setObjectName(QStringLiteral("Quitter1"));
    QObject::connect(quit, &QAction::triggered, window, &QWidget::close);
}


QToolButton *makeOriginButton(QWidget *bar, const QString &hint)
{
    QToolButton *button = makeButton(bar, "DistFilmBtn", hint, QStyle::SP_ArrowRight, true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // PF: distances from the film plane; PL: from the lens.
    button->setText(QCoreApplication::translate("Widgets", "PL"));
    QObject::connect(button, &QToolButton::toggled, button, [button](bool down) {
        guarded([button, down] {
            button->setText(down ? QCoreApplication::translate("Widgets", "PF")
                                 : QCoreApplication::translate("Widgets", "PL"));
        });
    });
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

void paintReadOnlyParameter(QLineEdit *edit)
{
    edit->setReadOnly(true);
    edit->setStyleSheet(QStringLiteral(
        "QLineEdit { background: #c0c0c0; color: #ff0000; font-weight: bold; }"));
}

void setChangedText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setChangedTexts(std::initializer_list<std::pair<QLineEdit *, QString>> fields)
{
    for (const auto &[edit, text] : fields)
        setChangedText(edit, text);
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

namespace {

// Takes the characters out rather than refusing the whole change, so that a
// pasted text keeps all the rest; the message waits for the field to finish
// its change.
class Windows1252Validator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        QString removed;
        int beforeCursor = 0;
        QString kept;
        kept.reserve(input.size());
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (FitsWindows1252(input[i])) {
                kept.append(input[i]);
            } else {
                removed.append(input[i]);
                if (i < pos)
                    ++beforeCursor;
            }
        }
        if (removed.isEmpty())
            return Acceptable;
        input = kept;
        pos -= beforeCursor;
        auto *self = const_cast<Windows1252Validator *>(this);
        QTimer::singleShot(0, self, [removed] {
            messages().information(Windows1252RefusalText(removed));
        });
        return Acceptable;
    }
};

} // namespace

QString Windows1252RefusalText(const QString &removed)
{
    return QCoreApplication::translate(
               "Widgets", "Les fichiers d'Optolune ne peuvent pas contenir ces caractères, "
                          "qui ont été retirés : %1")
        .arg(ShownText(removed));
}

void acceptWindows1252Only(QLineEdit *edit)
{
    edit->setValidator(new Windows1252Validator(edit));
}

} // namespace optolune
