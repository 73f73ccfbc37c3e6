// The variations window's tools beside the fields: the half-stop buttons
// held down, and the calculators it opens with its lens (the focus spread,
// the focus stacking plan and the tilt).
#include "variationswindow.h"

#include "focusspreaddialog.h"
#include "focusstackwindow.h"
#include "tilt/tiltwindow.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>

namespace optolune {

namespace {

// Forwards every message to the messages shown before it was installed and
// counts them: a message box shown while a half-stop button is held takes
// the mouse release with it.
class CountingMessages final : public Messages {
public:
    CountingMessages() : m_target(messages()) { m_previous = installMessages(this); }
    ~CountingMessages() override { installMessages(m_previous); }
    CountingMessages(const CountingMessages &) = delete;
    CountingMessages &operator=(const CountingMessages &) = delete;

    int count() const { return m_count; }
    void information(const QString &text) override { ++m_count; m_target.information(text); }
    void warning(const QString &text) override { ++m_count; m_target.warning(text); }
    void plain(const QString &text) override { ++m_count; m_target.plain(text); }
    void error(const QString &text) override { ++m_count; m_target.error(text); }
    bool confirm(const QString &text) override { ++m_count; return m_target.confirm(text); }

private:
    Messages &m_target;
    Messages *m_previous = nullptr;
    int m_count = 0;
};

} // namespace

// ---- half stops

void VariationsWindow::halfStopPress(HalfStop which)
{
    if (m_held != HalfStop::None)
        return;
    m_held = which;
    m_releasePending = false;
    m_inPress = true;
    QToolButton *pressed = which == HalfStop::Plus ? m_plus : m_minus;
    QToolButton *other = which == HalfStop::Plus ? m_minus : m_plus;
    pressed->setDown(true);
    int shown = 0;
    {
        const CountingMessages counter;
        guarded([&] {
            const QString fNumber = CommaNumber(m_params.dia->text());
            const QString stepped = which == HalfStop::Plus ? HalfStopUp(fNumber) : HalfStopDown(fNumber);
            m_params.dia->setText(LocalNumbers(stepped));
            other->hide();
            RefreshVariations();
        });
        shown = counter.count();
    }
    m_inPress = false;
    // A message box took the mouse while the step ran: the release went to
    // it, so the press is over.
    if (shown > 0 || m_releasePending)
        halfStopRelease();
}

void VariationsWindow::halfStopRelease()
{
    if (m_held == HalfStop::None)
        return;
    if (m_inPress) {
        m_releasePending = true;
        return;
    }
    const HalfStop which = m_held;
    m_held = HalfStop::None;
    m_releasePending = false;
    QToolButton *pressed = which == HalfStop::Plus ? m_plus : m_minus;
    QToolButton *other = which == HalfStop::Plus ? m_minus : m_plus;
    pressed->setDown(false);
    // The other button comes back whatever the release does with the
    // f-number: the press is over.
    other->show();
    guarded([&] {
        const QString fNumber = CommaNumber(m_params.dia->text());
        const std::optional<QString> back = which == HalfStop::Plus ? ReleaseAfterUp(fNumber)
                                                                    : ReleaseAfterDown(fNumber);
        if (back) {
            m_params.dia->setText(LocalNumbers(*back));
            RefreshVariations();
        }
    });
}

void VariationsWindow::hideEvent(QHideEvent *event)
{
    halfStopRelease();
    QDialog::hideEvent(event);
}

void VariationsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        halfStopRelease();
    QDialog::changeEvent(event);
}

// ---- focus spread

void VariationsWindow::openFocusSpread()
{
    if (CheckManualFields() != 0)
        return;
    const VariationsInput checked = readInput();
    FocusSpreadInput input;
    input.cMm = ToNumber(checked.cText);
    input.fMm = ToNumber(checked.fText);
    input.gp = ToNumber(checked.gpText);
    input.dnMm = ToNumber(checked.dnText);
    input.fromFilm = checked.fromFilm;
    for (int i = 0; i < m_lists.dia->count(); ++i)
        input.fNumbers << m_lists.dia->value(i);
    FocusSpreadDialog dialog(input, checked, this);
    dialog.onApply = [this](const FocusSpreadResult &result, const FocusSpreadSetting &setting) {
        applyFocusSpread(result, setting);
    };
    dialog.exec();
}

void VariationsWindow::applyFocusSpread(const FocusSpreadResult &result, const FocusSpreadSetting &setting)
{
    // More decimals when the distance needs them to give the proposed
    // extension; never fewer than the photographer chose.
    if (setting.input.decimals > m_nbDecim->currentIndex())
        m_nbDecim->setCurrentIndex(setting.input.decimals);
    m_params.dist->setText(LocalNumbers(setting.input.dText));
    if (result.fNumberIndex >= 0 && result.fNumberIndex < m_lists.dia->count()) {
        m_lists.dia->setCurrentRow(result.fNumberIndex);
        TakeListItem(ListKind::Dia);
    }
    m_macro->setChecked(setting.input.macro);
    calculate();
    m_statusBar->showMessage(FocusSpreadSettingText(result, setting));
}

// ---- the focus stacking plan and the tilt

void VariationsWindow::openFocusStack()
{
    if (CheckManualFields() != 0)
        return;
    StackWindowStart start = StackStartOf(readInput());
    start.fields.fromReadings = false;
    for (int i = 0; i < m_lists.dia->count(); ++i)
        start.fNumbers << m_lists.dia->value(i);
    ShowFocusStackWindow(this, start);
}

void VariationsWindow::openTilt()
{
    if (CheckManualFields() != 0)
        return;
    const VariationsInput checked = readInput();
    TiltLens lens;
    lens.focal = checked.fText;
    lens.fNumber = checked.nText;
    lens.circle = checked.cText;
    ShowTiltWindow(this, lens);
}

} // namespace optolune
