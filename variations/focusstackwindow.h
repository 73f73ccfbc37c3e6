// The focus stacking window ("Empilement de mises au point"): from the lens,
// an f-number, an overlap factor and the two subjects (three rail readings,
// or two distances), the number of frames and, for each, where to set the
// rail, the focus and the sharp zone (focusstack), in a grid that can be
// copied or exported as CSV, and a drawing of the zones along the distance
// axis. Opened from the focus spread dialog with its readings and from the
// variations window with its lens and f-number.
#pragma once

#include "focusstack.h"
#include "variationscompute.h"
#include "print/tableprinting.h"
#include "table/tablemodel.h"

#include <QDialog>
#include <QWidget>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableWidget;
class QToolButton;

namespace optolune {

// The zones of the frames on a logarithmic distance axis, like the chart's:
// one bar a frame from its near to its far limit (an arrow past the axis's
// end when sharp to infinity), its focus marked.
class StackZonesView : public QWidget {
    Q_OBJECT
public:
    explicit StackZonesView(QWidget *parent = nullptr);
    void setPlan(const std::optional<StackPlan> &plan);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<StackPlan> m_plan;
};

// What the window opens with: the fields as the opener has them.
struct StackWindowStart {
    StackFields fields;
    QStringList fNumbers; // the opener's f-number list, offered beside the typed field
    int decimals = 3;
};

class FocusStackWindow : public QDialog {
    Q_OBJECT
public:
    explicit FocusStackWindow(const StackWindowStart &start, QWidget *parent = nullptr);

    // Reads the fields and plans; false, with the reason shown and the
    // results emptied, when the fields allow no plan.
    bool calculate();
    const std::optional<StackPlan> &plan() const { return m_plan; }

private:
    void buildControls(const StackWindowStart &start);
    QWidget *buildToolBar();
    QWidget *buildFields(const StackWindowStart &start);
    void updateEnabled();
    StackFields readFields() const;
    void showPlan();
    void copyPlan();
    QStringList titleLines() const;
    void printPlan(TableOutput output);
    void exportCsv();

    struct Fields {
        QLineEdit *circle = nullptr, *focal = nullptr, *nodal = nullptr, *gp = nullptr;
        QLineEdit *fNumber = nullptr, *overlap = nullptr;
        QLineEdit *railInfinity = nullptr, *railNear = nullptr, *railFar = nullptr;
        QLineEdit *nearDistance = nullptr, *farDistance = nullptr;
    } m_fields;
    QButtonGroup *m_subjects = nullptr;
    QToolButton *m_origin = nullptr;
    QCheckBox *m_macro = nullptr;
    QCheckBox *m_diffraction = nullptr;
    QLabel *m_count = nullptr;
    QTableWidget *m_grid = nullptr;
    StackZonesView *m_zones = nullptr;
    QStatusBar *m_statusBar = nullptr;
    StackFields m_start;
    int m_decimals = 3;
    std::optional<StackPlan> m_plan;
};

void ShowFocusStackWindow(QWidget *owner, const StackWindowStart &start);

// The start of the window from the variations window's checked fields: its
// lens, f-number, origin, Macro and decimals; the subjects left to type.
StackWindowStart StackStartOf(const VariationsInput &window);

} // namespace optolune
