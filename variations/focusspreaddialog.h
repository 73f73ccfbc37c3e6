// The focus-spread dialog of the variations window: the photographer types
// three rail readings (at infinity, focused on the near subject, on the far
// subject) and reads where to set the standard, the f-number needed, the
// f-number of the window's list to use and the focusing distance; "Appliquer"
// hands the setting back to the window, "Empiler..." opens the focus stacking
// plan with the same readings. The computation is focusspread's.
#pragma once

#include "focusspread.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace optolune {

// The three readings typed last, kept while the program runs: the dialog
// opens with them again.
struct FocusSpreadReadings {
    QString infinity, nearReading, farReading;
};
const FocusSpreadReadings &RememberedFocusSpreadReadings();
void ForgetFocusSpreadReadings();

class FocusSpreadDialog : public QDialog {
    Q_OBJECT
public:
    // The lens parameters and f-numbers of the window; the window's checked
    // texts, origin and decimals for the distance.
    FocusSpreadDialog(FocusSpreadInput input, VariationsInput window, QWidget *parent = nullptr);

    // Called by "Appliquer" with a setting that can be applied; the dialog
    // then closes.
    std::function<void(const FocusSpreadResult &, const FocusSpreadSetting &)> onApply;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Computes from the readings and shows the results; reports what stops
    // it and returns nothing then.
    std::optional<FocusSpreadResult> compute();
    void apply();
    void openStack();
    void clearResults();

    void rememberReadings() const;

    FocusSpreadInput m_input;
    VariationsInput m_window;
    QLineEdit *m_infinity = nullptr, *m_near = nullptr, *m_far = nullptr;
    QLineEdit *m_rail = nullptr, *m_needed = nullptr, *m_chosen = nullptr, *m_distance = nullptr;
    QString m_chosenValue; // the list's f-number m_chosen shows, as the list holds it
    QLineEdit *m_optimal = nullptr, *m_optimalBlur = nullptr, *m_optimalChosen = nullptr;
    QLabel *m_sharpness = nullptr;
    QCheckBox *m_useOptimal = nullptr;
    std::optional<SpreadSharpness> m_sharpnessFound;
    QLabel *m_macroNote = nullptr;
};

} // namespace optolune
