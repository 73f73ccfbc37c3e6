// The tilt window ("Bascule"): from two rail readings and the separation of
// their images on the ground glass (or the camera's height above the plane,
// or a tilt typed in degrees), and the film's distance (the rail reading set,
// a typed distance, or the wanted angle of the plane), it shows the tilt, the
// hinge distance, the plane of sharp focus and its wedge for the f-number and
// circle, the heights of the three planes at a distance, and a side view to
// scale (tiltcalc, tiltfields). Opened from the variations window with its
// lens, f-number and circle.
#pragma once

#include "tiltcalc.h"
#include "tiltfields.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <optional>

class QButtonGroup;
class QLineEdit;
class QStatusBar;

namespace optolune {

// The side view: the lens at the origin, the film behind it, the hinge line
// J below the lens, the plane of sharp focus and the wedge between its two
// limits, the plane through the hinge parallel to the axis (the ground, when
// the tilt came from the camera's height), to one scale in both directions.
class TiltDiagramView : public QWidget {
    Q_OBJECT
public:
    explicit TiltDiagramView(QWidget *parent = nullptr);
    void setResult(const std::optional<TiltResult> &result, long double focalMm,
                   std::optional<long double> atM);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<TiltResult> m_result;
    long double m_focalMm = 0;
    std::optional<long double> m_atM;
};

// The lens the window opens with.
struct TiltLens {
    QString focal = QStringLiteral("90");
    QString fNumber = QStringLiteral("22");
    QString circle = QStringLiteral("0,100");
};

class TiltWindow : public QDialog {
    Q_OBJECT
public:
    explicit TiltWindow(const TiltLens &lens, QWidget *parent = nullptr);

    // Reads the fields, computes and shows the results; false, with the
    // reason shown and the results emptied, when the fields allow none.
    bool calculate();

private:
    void buildControls();
    QWidget *buildToolBar();
    QWidget *buildInputs();
    QWidget *buildResults();
    void updateEnabled();
    TiltFields readFields() const;
    void showResult(const std::optional<TiltResult> &result);

    struct Inputs {
        QLineEdit *focal = nullptr, *fNumber = nullptr, *circle = nullptr;
        QLineEdit *railNear = nullptr, *railFar = nullptr, *separation = nullptr;
        QLineEdit *height = nullptr, *tilt = nullptr;
        QLineEdit *railInfinity = nullptr, *railSet = nullptr, *film = nullptr, *plane = nullptr;
        QLineEdit *at = nullptr;
    } m_in;
    enum Result { Tilt, Hinge, Film, Plane, Near, Far, PlaneHeight, NearHeight, FarHeight, ResultCount };
    std::array<QLineEdit *, ResultCount> m_out{};
    QButtonGroup *m_tiltFrom = nullptr;
    QButtonGroup *m_filmFrom = nullptr;
    TiltDiagramView *m_diagram = nullptr;
    QStatusBar *m_statusBar = nullptr;
};

// Opens the tilt window modally over the owner.
void ShowTiltWindow(QWidget *owner, const TiltLens &lens);

} // namespace optolune
