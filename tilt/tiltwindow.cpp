#include "tiltwindow.h"

#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "print/screenprint.h"
#include "core/widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

namespace optolune {

namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180;

// A dialog that Escape does not close: the readings typed on the ground glass
// are worth keeping, and the window closes through its own button.
class NoEscape : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        return static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    }
};

QLabel *label(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// A number as the user's language writes it.
QString fixed(long double value, int decimals) { return LocalNumbers(FixedText(value, 15, decimals)); }

} // namespace

// ---- the side view

TiltDiagramView::TiltDiagramView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(480, 240);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

QSize TiltDiagramView::sizeHint() const { return QSize(720, 300); }

void TiltDiagramView::setResult(const std::optional<TiltResult> &result, long double focalMm,
                                std::optional<long double> atM)
{
    m_result = result;
    m_focalMm = focalMm;
    m_atM = atM;
    update();
}

void TiltDiagramView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(10, 10, -10, -10);
    if (!m_result) {
        painter.setPen(Qt::gray);
        painter.drawText(area, Qt::AlignCenter, tr("Pas de résultat à dessiner"));
        return;
    }
    const TiltResult &r = *m_result;
    const double J = static_cast<double>(r.hingeM);
    // One scale both ways: the view reaches the distance asked for (or three
    // hinge distances), and is tall enough to show the hinge line.
    double zMax = m_atM ? static_cast<double>(*m_atM) * 1.1 : 3 * J;
    zMax = std::max(zMax, 0.5);
    const double aspect = area.height() / area.width();
    double zRange = zMax * 1.08;
    zRange = std::max(zRange, 1.2 * J / (0.55 * aspect));
    const double scale = area.width() / zRange;                 // pixels per metre
    const double originX = area.left() + 0.06 * area.width();   // the lens
    const double originY = area.top() + 0.4 * area.height();
    const auto at = [&](double z, double y) {
        return QPointF(originX + z * scale, originY - y * scale);
    };
    const double zEnd = (area.right() - originX) / scale;
    painter.setClipRect(area);

    // A plane of angle psi through the hinge, from the hinge to the view's end
    // (clamped far outside the view so that the painter's numbers stay sane).
    const auto planeEnd = [&](long double psiDeg) {
        const double psi = static_cast<double>(psiDeg * kDegree);
        double y = -J + zEnd * std::cos(psi) / std::sin(psi);
        y = std::clamp(y, -1e4 * zRange, 1e4 * zRange);
        return at(zEnd, y);
    };
    const QPointF hinge = at(0, -J);

    // The lens axis and the plane through the hinge parallel to it.
    painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
    painter.drawLine(at(0, 0), at(zEnd, 0));
    painter.setPen(QPen(QColor(120, 90, 40), 1.5, Qt::DashLine));
    painter.drawLine(at(-zRange, -J), at(zEnd, -J));

    // The wedge between the two limits.
    if (r.nearDeg && r.farDeg) {
        QPainterPath wedge(hinge);
        wedge.lineTo(planeEnd(*r.nearDeg));
        wedge.lineTo(planeEnd(*r.farDeg < 180 ? *r.farDeg : 179.999L));
        wedge.closeSubpath();
        painter.fillPath(wedge, QColor(220, 40, 40, 40));
        painter.setPen(QPen(QColor(200, 60, 60), 1, Qt::DashLine));
        painter.drawLine(hinge, planeEnd(*r.nearDeg));
        if (*r.farDeg < 180)
            painter.drawLine(hinge, planeEnd(*r.farDeg));
    }
    // The plane of sharp focus.
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawLine(hinge, planeEnd(r.planeDeg));

    // The lens, tilted, and the film, upright behind it: a few millimetres at
    // this scale, so drawn at a readable size.
    const double theta = static_cast<double>(r.tiltDeg * kDegree);
    const double half = 18;
    const QPointF lens = at(0, 0);
    const QPointF along(half * std::sin(theta), -half * std::cos(theta));
    painter.setPen(QPen(QColor(0, 0, 200), 3));
    painter.drawLine(lens - along, lens + along);
    const double filmX = std::min(lens.x() - 6, lens.x() - static_cast<double>(r.filmMm) / 1000 * scale);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(filmX, lens.y() - half), QPointF(filmX, lens.y() + half));

    // The hinge line, seen end on.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 90, 40));
    painter.drawEllipse(hinge, 4, 4);

    // The distance asked for, with the three heights.
    if (m_atM && r.planeHeightM) {
        const double x = static_cast<double>(*m_atM);
        painter.setPen(QPen(QColor(0, 120, 0), 1, Qt::DashDotLine));
        painter.drawLine(at(x, -1e4), at(x, 1e4));
        painter.setBrush(QColor(0, 120, 0));
        painter.setPen(Qt::NoPen);
        for (const auto &h : {r.planeHeightM, r.nearHeightM, r.farHeightM})
            if (h)
                painter.drawEllipse(at(x, static_cast<double>(*h)), 3, 3);
    }

    // Labels.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics fm(font());
    painter.drawText(lens + QPointF(6, -half - 4), tr("objectif"));
    painter.drawText(QPointF(filmX - fm.horizontalAdvance(tr("film")) - 4, lens.y() + half + fm.ascent()),
                     tr("film"));
    painter.drawText(hinge + QPointF(8, fm.ascent() + 2),
                     tr("charnière, J = %1 m").arg(fixed(r.hingeM, 3)));
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QPointF(area.left() + 4, area.bottom() - 4),
                     r.nearDeg ? tr("plan net %1° — coin de netteté de %2° à %3°")
                                     .arg(fixed(r.planeDeg, 2), fixed(*r.nearDeg, 2), fixed(*r.farDeg, 2))
                               : tr("plan net %1°").arg(fixed(r.planeDeg, 2)));
    painter.setPen(Qt::darkGray);
    const QString scaleText = tr("échelle : 1 m = %1 pixels").arg(fixed(scale, 0));
    painter.drawText(QPointF(area.right() - fm.horizontalAdvance(scaleText) - 4, area.top() + fm.ascent()),
                     scaleText);
}

// ---- the window

TiltWindow::TiltWindow(const TiltLens &lens, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormBascule"));
    setWindowTitle(tr("Bascule"));
    installEventFilter(new NoEscape(this));
    buildControls();
    m_in.focal->setText(LocalNumbers(lens.focal));
    m_in.fNumber->setText(LocalNumbers(lens.fNumber));
    m_in.circle->setText(LocalNumbers(lens.circle));
    updateEnabled();
    showResult(std::nullopt);
}

void TiltWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildToolBar());
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(6, 0, 6, 0);
    middle->addWidget(buildInputs());
    middle->addWidget(buildResults(), 0, Qt::AlignTop);
    layout->addLayout(middle);
    m_diagram = make<TiltDiagramView>(this, "Image1");
    layout->addWidget(m_diagram, 1);
    m_statusBar = addStatusBar(this, layout);
}

QWidget *TiltWindow::buildToolBar()
{
    auto *bar = make<QFrame>(this, "ToolBar1");
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    QToolButton *calc = makeTextButton(
        bar, "CalcBtn", tr("Calculer"),
        tr("Calculer|Calcule la bascule, le plan net et le coin de netteté (ou Entrée dans un champ)"),
        QStyle::SP_BrowserReload);
    connect(calc, &QToolButton::clicked, this, [this] { guarded([this] { calculate(); }); });
    row->addWidget(calc);
    QToolButton *print = makeButton(bar, "SpeedButton13", tr("Impression d'écran de la fenêtre"),
                                    QStyle::SP_ComputerIcon);
    connect(print, &QToolButton::clicked, this, [this] { guarded([this] { PrintWindowImage(this); }); });
    row->addWidget(print);
    row->addStretch(1);
    QToolButton *close = makeButton(bar, "SpeedButton1", tr("Fermer la fenêtre|Retour à la fenêtre des variations"),
                                    QStyle::SP_DialogCloseButton);
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    return bar;
}

QWidget *TiltWindow::buildInputs()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    const int w = fontMetrics().horizontalAdvance(QStringLiteral("00000,000")) + 12;
    const auto edit = [&](const char *name, const char *hint) {
        QLineEdit *e = makeEdit(box, name, tr(hint), w);
        paintParameter(e);
        connect(e, &QLineEdit::returnPressed, this, [this] { guarded([this] { calculate(); }); });
        return e;
    };
    int row = 0;
    const auto heading = [&](const QString &text) {
        auto *l = new QLabel(QStringLiteral("<b>%1</b>").arg(text), box);
        grid->addWidget(l, row++, 0, 1, 4);
    };
    const auto pair = [&](const QString &text, QLineEdit *e, int column) {
        grid->addWidget(label(box, text), row, column * 2);
        grid->addWidget(e, row, column * 2 + 1);
    };
    heading(tr("Objectif"));
    m_in.focal = edit("EdFocale", QT_TR_NOOP("Focale (mm)|Focale de l'objectif (mm)"));
    m_in.fNumber = edit("EdDia", QT_TR_NOOP("Diaphragme|Diaphragme, pour le coin de netteté"));
    m_in.circle = edit("EdCercle", QT_TR_NOOP("Cercle de confusion (mm)|Diamètre du cercle de confusion (mm), pour le coin de netteté"));
    pair(tr("Focale (mm)"), m_in.focal, 0);
    pair(tr("Diaphragme"), m_in.fNumber, 1);
    ++row;
    pair(tr("Cercle (mm)"), m_in.circle, 0);
    ++row;

    heading(tr("Bascule"));
    m_tiltFrom = new QButtonGroup(box);
    const auto radio = [&](QButtonGroup *group, const char *name, const QString &text, int id) {
        auto *b = make<QRadioButton>(box, name);
        b->setText(text);
        group->addButton(b, id);
        grid->addWidget(b, row, 0, 1, 4);
        ++row;
        return b;
    };
    radio(m_tiltFrom, "RadioLectures",
          tr("Deux lectures du rail, avant de basculer, sur deux points du plan voulu net"),
          static_cast<int>(TiltInputs::TiltFrom::Readings))
        ->setChecked(true);
    m_in.railNear = edit("EdRailNear", QT_TR_NOOP("Lecture au point proche (mm)|Lecture du rail, mise au point sur un point proche du plan voulu net"));
    m_in.railFar = edit("EdRailFar", QT_TR_NOOP("Lecture au point lointain (mm)|Lecture du rail, mise au point sur un point lointain du même plan"));
    pair(tr("Proche (mm)"), m_in.railNear, 0);
    pair(tr("Lointain (mm)"), m_in.railFar, 1);
    ++row;
    m_in.separation = edit("EdSeparation", QT_TR_NOOP("Écart des images (mm)|Écart des deux images sur le verre dépoli (mm)"));
    pair(tr("Écart des images (mm)"), m_in.separation, 0);
    ++row;
    radio(m_tiltFrom, "RadioHauteur", tr("Hauteur de l'objectif au-dessus du plan (le sol)"),
          static_cast<int>(TiltInputs::TiltFrom::Height));
    m_in.height = edit("EdHauteur", QT_TR_NOOP("Hauteur (m)|Hauteur de l'objectif au-dessus du plan voulu net (m)"));
    pair(tr("Hauteur (m)"), m_in.height, 0);
    ++row;
    radio(m_tiltFrom, "RadioAngle", tr("Bascule donnée en degrés"),
          static_cast<int>(TiltInputs::TiltFrom::Angle));
    m_in.tilt = edit("EdBascule", QT_TR_NOOP("Bascule (°)|Bascule de l'objectif, entre 0 et 90° exclus"));
    pair(tr("Bascule (°)"), m_in.tilt, 0);
    ++row;

    heading(tr("Film"));
    m_filmFrom = new QButtonGroup(box);
    radio(m_filmFrom, "RadioRail", tr("Lecture du rail réglée, et lecture à l'infini"),
          static_cast<int>(TiltFields::FilmFrom::Readings))
        ->setChecked(true);
    m_in.railSet = edit("EdRailSet", QT_TR_NOOP("Lecture du rail (mm)|Lecture du rail à laquelle le film est réglé"));
    m_in.railInfinity = edit("EdRailInf", QT_TR_NOOP("Lecture à l'infini (mm)|Lecture du rail, mise au point sur l'infini : le film est alors à une focale de l'objectif"));
    pair(tr("Réglée (mm)"), m_in.railSet, 0);
    pair(tr("Infini (mm)"), m_in.railInfinity, 1);
    ++row;
    radio(m_filmFrom, "RadioTirage", tr("Tirage : distance du film à l'objectif"),
          static_cast<int>(TiltFields::FilmFrom::Distance));
    m_in.film = edit("EdTirage", QT_TR_NOOP("Tirage (mm)|Distance du film à l'objectif, le long du rail (mm)"));
    pair(tr("Tirage (mm)"), m_in.film, 0);
    ++row;
    radio(m_filmFrom, "RadioPlan", tr("Angle voulu du plan net (90° : couché le long de l'axe, comme le sol)"),
          static_cast<int>(TiltFields::FilmFrom::PlaneAngle));
    m_in.plane = edit("EdPlan", QT_TR_NOOP("Angle du plan net (°)|Angle voulu du plan net avec le film : 0° parallèle au film, 90° parallèle à l'axe"));
    pair(tr("Plan net (°)"), m_in.plane, 0);
    ++row;
    m_in.at = edit("EdDistance", QT_TR_NOOP("Distance (m)|Distance en avant de l'objectif où donner la hauteur des plans (facultatif)"));
    pair(tr("À la distance (m)"), m_in.at, 0);
    // Only the fields of the chosen ways are open to typing.
    for (QButtonGroup *group : {m_tiltFrom, m_filmFrom})
        connect(group, &QButtonGroup::idToggled, this, [this] { guarded([this] { updateEnabled(); }); });
    return box;
}

QWidget *TiltWindow::buildResults()
{
    auto *box = make<QGroupBox>(this, "GroupResultats");
    box->setTitle(tr("Résultats"));
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    const struct {
        const char *name, *caption, *hint;
    } rows[ResultCount] = {
        {"EdResBascule", QT_TR_NOOP("Bascule (°)"), QT_TR_NOOP("Bascule de l'objectif (°)")},
        {"EdResJ", "J (m)", QT_TR_NOOP("Distance de la charnière à l'objectif (m)")},
        {"EdResTirage", QT_TR_NOOP("Tirage (mm)"), QT_TR_NOOP("Distance du film à l'objectif, le long du rail (mm)")},
        {"EdResPlan", QT_TR_NOOP("Plan net (°)"), QT_TR_NOOP("Angle du plan net avec le film (°)")},
        {"EdResProche", QT_TR_NOOP("Limite proche (°)"), QT_TR_NOOP("Angle de la limite proche de netteté (plan net du film à tirage + N c)")},
        {"EdResLointaine", QT_TR_NOOP("Limite lointaine (°)"), QT_TR_NOOP("Angle de la limite lointaine de netteté (plan net du film à tirage - N c)")},
        {"EdResHautPlan", QT_TR_NOOP("Hauteur plan net (m)"), QT_TR_NOOP("Hauteur du plan net à la distance donnée, par rapport à l'objectif (m)")},
        {"EdResHautProche", QT_TR_NOOP("Hauteur limite proche (m)"), QT_TR_NOOP("Hauteur de la limite proche à la distance donnée (m)")},
        {"EdResHautLointaine", QT_TR_NOOP("Hauteur limite lointaine (m)"), QT_TR_NOOP("Hauteur de la limite lointaine à la distance donnée (m)")},
    };
    // Wide enough for the widest value the fields allow: a height of
    // -100000,000 m (a plane almost parallel to the axis far away).
    const int w = fontMetrics().horizontalAdvance(QStringLiteral("-0000000,000")) + 16;
    for (int i = 0; i < ResultCount; ++i) {
        grid->addWidget(label(box, tr(rows[i].caption)), i, 0);
        QLineEdit *e = makeEdit(box, rows[i].name, tr(rows[i].hint), w);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        paintReadOnly(e);
        grid->addWidget(e, i, 1);
        m_out[static_cast<size_t>(i)] = e;
    }
    return box;
}

void TiltWindow::updateEnabled()
{
    const auto tiltFrom = static_cast<TiltInputs::TiltFrom>(m_tiltFrom->checkedId());
    m_in.railNear->setEnabled(tiltFrom == TiltInputs::TiltFrom::Readings);
    m_in.railFar->setEnabled(tiltFrom == TiltInputs::TiltFrom::Readings);
    m_in.separation->setEnabled(tiltFrom == TiltInputs::TiltFrom::Readings);
    m_in.height->setEnabled(tiltFrom == TiltInputs::TiltFrom::Height);
    m_in.tilt->setEnabled(tiltFrom == TiltInputs::TiltFrom::Angle);
    const auto filmFrom = static_cast<TiltFields::FilmFrom>(m_filmFrom->checkedId());
    m_in.railSet->setEnabled(filmFrom == TiltFields::FilmFrom::Readings);
    m_in.railInfinity->setEnabled(filmFrom == TiltFields::FilmFrom::Readings);
    m_in.film->setEnabled(filmFrom == TiltFields::FilmFrom::Distance);
    m_in.plane->setEnabled(filmFrom == TiltFields::FilmFrom::PlaneAngle);
}

TiltFields TiltWindow::readFields() const
{
    TiltFields f;
    f.focal = m_in.focal->text();
    f.fNumber = m_in.fNumber->text();
    f.circle = m_in.circle->text();
    f.tiltFrom = static_cast<TiltInputs::TiltFrom>(m_tiltFrom->checkedId());
    f.railNear = m_in.railNear->text();
    f.railFar = m_in.railFar->text();
    f.separation = m_in.separation->text();
    f.height = m_in.height->text();
    f.tilt = m_in.tilt->text();
    f.filmFrom = static_cast<TiltFields::FilmFrom>(m_filmFrom->checkedId());
    f.railInfinity = m_in.railInfinity->text();
    f.railSet = m_in.railSet->text();
    f.film = m_in.film->text();
    f.plane = m_in.plane->text();
    f.at = m_in.at->text();
    return f;
}

bool TiltWindow::calculate()
{
    const TiltFieldsReading reading = ReadTiltFields(readFields());
    QString message = reading.message;
    std::optional<TiltResult> result;
    if (reading.inputs) {
        const TiltOutcome outcome = ComputeTilt(*reading.inputs);
        if (outcome.status == TiltStatus::Ok)
            result = outcome.result;
        else
            message = outcome.message;
    }
    showResult(result);
    if (!result) {
        m_statusBar->showMessage(message);
        messages().warning(message);
        return false;
    }
    m_diagram->setResult(result, reading.inputs->focalMm, reading.inputs->atM);
    m_statusBar->showMessage(
        tr("Modèle de la lentille mince, film vertical, sans décentrement latéral"));
    return true;
}

void TiltWindow::showResult(const std::optional<TiltResult> &result)
{
    const auto text = [](const std::optional<long double> &v, int decimals) {
        return v ? fixed(*v, decimals) : QString();
    };
    if (!result) {
        for (QLineEdit *e : m_out)
            e->clear();
        m_diagram->setResult(std::nullopt, 0, std::nullopt);
        return;
    }
    const TiltResult &r = *result;
    m_out[Tilt]->setText(fixed(r.tiltDeg, 3));
    m_out[Hinge]->setText(fixed(r.hingeM, 3));
    m_out[Film]->setText(fixed(r.filmMm, 2));
    m_out[Plane]->setText(fixed(r.planeDeg, 2));
    m_out[Near]->setText(text(r.nearDeg, 2));
    m_out[Far]->setText(text(r.farDeg, 2));
    m_out[PlaneHeight]->setText(text(r.planeHeightM, 3));
    m_out[NearHeight]->setText(text(r.nearHeightM, 3));
    m_out[FarHeight]->setText(r.planeHeightM && r.nearDeg && !r.farHeightM ? QStringLiteral("-inf")
                                                                           : text(r.farHeightM, 3));
}

void ShowTiltWindow(QWidget *owner, const TiltLens &lens)
{
    TiltWindow window(lens, owner);
    window.exec();
}

} // namespace optolune
