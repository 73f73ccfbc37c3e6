// The Hasselblad lens data window (LensDataWindow): from the published data of a
// Zeiss lens (principal planes from the vertices, the vertex distance, the
// pupil diameters) it computes the nodal distance dn and the pupil
// magnification gp (lensdata), draws the lens to scale (lensdiagram) and, on
// Ok, hands the focal length, gp, dn, the lens reference and a comment to
// the depth-of-field table. Its fields are kept in the settings file,
// section "blad".
#pragma once

#include "lensdata.h"

#include <QDialog>
#include <optional>

class QButtonGroup;
class QLineEdit;
class QToolButton;

namespace optolune {

class LensDiagramView;

class LensDataWindow : public QDialog {
    Q_OBJECT
public:
    explicit LensDataWindow(QWidget *parent = nullptr);

    // What the last successful Ok handed back.
    const std::optional<LensChoice> &choice() const { return m_choice; }
    const BladSettings &fields() const { return m_fields; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildTopBar();
    QWidget *buildLeftColumn();
    QWidget *buildRightColumn();
    QWidget *radioGroup(const char *name, QButtonGroup *&group);
    void connectControls();

    void LoadLensWindow();
    void FormActivate();
    void readControls();
    void writeControls();
    std::optional<LensData> ComputeLensDataCommand();
    void AcceptLensData();

    struct Fields {
        QLineEdit *focale = nullptr, *h = nullptr, *hprime = nullptr, *epaiss = nullptr;
        QLineEdit *entrance = nullptr, *exit = nullptr, *ref = nullptr, *num = nullptr;
        QLineEdit *dn = nullptr, *gp = nullptr;
    } m_edits;
    // The tool bar's commands, as built.
    struct Buttons {
        QToolButton *print = nullptr;  // SpeedButton13
        QToolButton *calc = nullptr;   // CalcBtn
        QToolButton *cancel = nullptr; // SpeedButton3
        QToolButton *ok = nullptr;     // validebtn
    } m_buttons;
    QButtonGroup *m_r1 = nullptr;
    QButtonGroup *m_r2 = nullptr;
    LensDiagramView *m_diagram = nullptr;

    BladSettings m_fields;
    std::optional<LensChoice> m_choice;
    bool m_activated = false;
    bool m_writing = false;
};

} // namespace optolune
