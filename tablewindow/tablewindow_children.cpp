// The two windows the table opens for its lens parameters: the circle of
// confusion calculator (CercleBtn, menu "Diamètre du cercle de confusion",
// Ctrl+C anywhere in the window) and the Hasselblad lens data window (the
// grid's pop-up "Objectifs Hasselblad"). Each hands its result back through
// its opener; only this window writes its own fields.
#include "tablewindow.h"

#include "circle/circlewindowopener.h"
#include "core/widgets.h"
#include "lens/lensdatawindowopener.h"

#include <QKeyEvent>
#include <QToolButton>

namespace optolune {

namespace {

// A field with the focus takes Ctrl+C for copying; left unaccepted, the key
// goes to the window's shortcut, the circle window.
class CircleKeyThrough : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_C) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TableWindow::connectChildren()
{
    connect(m_buttons.circle, &QToolButton::clicked, this, [this] { guarded([this] { openCircleWindow(); }); });
    auto *through = new CircleKeyThrough(this);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(through);
}

void TableWindow::openCircleWindow()
{
    readControls();
    std::optional<CircleChoice> choice;
    guarded([&] { choice = OpenCircleWindow(this); });
    if (choice) {
        m_state.circle = choice->circle;
        m_state.format = choice->format;
        writeControls();
    }
    // Whatever the way the window was left, the table is computed again.
    refresh();
}

void TableWindow::openLensWindow()
{
    readControls();
    std::optional<LensChoice> choice;
    guarded([&] { choice = OpenLensWindow(this); });
    if (!choice)
        return;
    m_state.focal = choice->focal;
    m_state.pupil = choice->pupil;
    m_state.nodal = choice->nodal;
    m_state.lensReferences = choice->references;
    m_state.comment = choice->comment;
    writeControls();
    refresh();
}

} // namespace optolune
