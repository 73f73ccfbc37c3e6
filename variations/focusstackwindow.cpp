#include "focusstackwindow.h"

#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "core/widgets.h"
#include "print/printoptionsdialog.h"
#include "table/tableexport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace optolune {

namespace {

// Escape does not close the window: the readings typed are worth keeping.
class NoEscape : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    }
};

QLabel *label(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

// ---- the zones

StackZonesView::StackZonesView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(360, 160);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

QSize StackZonesView::sizeHint() const { return QSize(560, 200); }

void StackZonesView::setPlan(const std::optional<StackPlan> &plan)
{
    m_plan = plan;
    update();
}

void StackZonesView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const QRectF area = QRectF(rect()).adjusted(8, 6, -12, -(fm.height() + 10));
    if (!m_plan || m_plan->frames.empty()) {
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter, tr("Pas de plan à dessiner"));
        return;
    }
    const std::vector<StackFrame> &frames = m_plan->frames;
    // The axis: from a little before the nearest limit to a little past the
    // farthest finite one, in decades like the chart's.
    double lo = INFINITY, hi = 0;
    for (const StackFrame &f : frames) {
        lo = std::min(lo, static_cast<double>(f.nearM));
        hi = std::max(hi, static_cast<double>(f.farInfinite ? f.distanceM * 2 : f.farM));
        hi = std::max(hi, static_cast<double>(f.distanceM));
    }
    lo = std::max(lo / 1.15, 1e-4);
    hi = std::max(hi * 1.15, lo * 1.5);
    const double l0 = std::log10(lo), l1 = std::log10(hi);
    const auto x = [&](double m) {
        return area.left() + (std::log10(std::max(m, lo)) - l0) / (l1 - l0) * area.width();
    };
    // Ticks: 1, 2 and 5 of each decade.
    painter.setPen(QColor(200, 200, 200));
    for (int e = static_cast<int>(std::floor(l0)); e <= static_cast<int>(std::ceil(l1)); ++e)
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = m * std::pow(10.0, e);
            if (v < lo || v > hi)
                continue;
            const double px = x(v);
            painter.setPen(QColor(210, 210, 210));
            painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
            painter.setPen(Qt::darkGray);
            const QString t = LocalNumbers(GeneralText(static_cast<long double>(v)));
            painter.drawText(QPointF(px - fm.horizontalAdvance(t) / 2.0, area.bottom() + fm.ascent() + 4), t);
        }
    const QString unit = QStringLiteral("m");
    painter.drawText(QPointF(area.right() - fm.horizontalAdvance(unit), area.bottom() + fm.ascent() + 4), unit);

    const double band = area.height() / static_cast<double>(frames.size());
    const double thick = std::clamp(band * 0.6, 1.0, 14.0);
    for (size_t i = 0; i < frames.size(); ++i) {
        const StackFrame &f = frames[i];
        const double y = area.top() + band * (static_cast<double>(i) + 0.5);
        const double left = x(static_cast<double>(f.nearM));
        const double right = f.farInfinite ? area.right() : x(static_cast<double>(f.farM));
        const QColor colour = QColor::fromHsv(static_cast<int>(i * 47 % 360), 140, 210);
        painter.fillRect(QRectF(left, y - thick / 2, right - left, thick), colour);
        if (f.farInfinite) {
            // Sharp to infinity: an arrow past the axis's end.
            painter.setPen(QPen(Qt::black, 1.5));
            painter.drawLine(QPointF(right - 8, y - thick / 2), QPointF(right, y));
            painter.drawLine(QPointF(right - 8, y + thick / 2), QPointF(right, y));
        }
        painter.setPen(QPen(Qt::black, 1.5));
        const double focus = x(static_cast<double>(f.distanceM));
        painter.drawLine(QPointF(focus, y - thick / 2 - 2), QPointF(focus, y + thick / 2 + 2));
    }
}

// ---- the window

FocusStackWindow::FocusStackWindow(const StackWindowStart &start, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_start(start.fields), m_decimals(start.decimals)
{
    setObjectName(QStringLiteral("FormEmpilement"));
    setWindowTitle(tr("Empilement de mises au point"));
    installEventFilter(new NoEscape(this));
    buildControls(start);
    updateEnabled();
    showPlan();
}

void FocusStackWindow::buildControls(const StackWindowStart &start)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildToolBar());
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(6, 0, 6, 0);
    middle->addWidget(buildFields(start), 0, Qt::AlignTop);
    auto *results = new QVBoxLayout;
    m_count = make<QLabel>(this, "LabelVues");
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);
    results->addWidget(m_count);
    m_grid = make<QTableWidget>(this, "GrilleVues");
    m_grid->setColumnCount(5);
    m_grid->setHorizontalHeaderLabels({tr("vue"), tr("rail (mm)"),
                                       tr("distance (m)"), tr("proche (m)"),
                                       tr("lointain (m)")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->addWidget(m_grid, 1);
    middle->addLayout(results, 1);
    layout->addLayout(middle, 1);
    m_zones = make<StackZonesView>(this, "ImageZones");
    layout->addWidget(m_zones);
    m_statusBar = addStatusBar(this, layout);
    m_statusBar->showMessage(tr(
        "Le standard arrière met au point : la distance au film de chaque vue se mesure depuis "
        "la position du film de cette vue"));
    resize(900, 600);
}

QWidget *FocusStackWindow::buildToolBar()
{
    auto *bar = make<QFrame>(this, "ToolBar1");
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    QToolButton *calc = makeTextButton(bar, "CalcBtn", tr("Calculer"),
                                       tr("Calculer le plan|Calcule les vues de l'empilement (ou Entrée dans un champ)"),
                                       QStyle::SP_BrowserReload);
    connect(calc, &QToolButton::clicked, this, [this] { guarded([this] { calculate(); }); });
    row->addWidget(calc);
    m_origin = makeOriginButton(bar, tr("Distances rapportées au plan du film| Enfoncer le bouton pour rapporter les distances au plan du film"));
    m_origin->setChecked(m_start.fromFilm);
    row->addWidget(m_origin);
    QToolButton *copy = makeTextButton(bar, "CopierBtn", tr("Copier"),
                                       tr("Copier le plan|Copie le plan dans le presse-papiers, pour un tableur ou un traitement de texte"),
                                       QStyle::SP_FileDialogContentsView);
    connect(copy, &QToolButton::clicked, this, [this] { guarded([this] { copyPlan(); }); });
    row->addWidget(copy);
    QToolButton *csv = makeTextButton(bar, "CsvBtn", tr("Exporter en CSV..."),
                                      tr("Exporter en CSV|Enregistre le plan en CSV pour un tableur français"),
                                      QStyle::SP_DialogSaveButton);
    connect(csv, &QToolButton::clicked, this, [this] { guarded([this] { exportCsv(); }); });
    row->addWidget(csv);
    const struct {
        const char *name, *caption, *hint;
        TableOutput output;
        QStyle::StandardPixmap glyph;
    } prints[] = {
        {"ImprimerBtn", QT_TR_NOOP("Imprimer"), QT_TR_NOOP("Imprimer le plan|Imprime le plan, son objectif et ses sujets en titre"),
         TableOutput::Printer, QStyle::SP_ComputerIcon},
        {"ApercuBtn", QT_TR_NOOP("Aperçu"), QT_TR_NOOP("Aperçu avant impression|Les pages du plan telles qu'elles seront imprimées"),
         TableOutput::Preview, QStyle::SP_FileDialogInfoView},
    };
    for (const auto &p : prints) {
        QToolButton *button = makeTextButton(bar, p.name, tr(p.caption), tr(p.hint), p.glyph);
        const TableOutput output = p.output;
        connect(button, &QToolButton::clicked, this, [this, output] { guarded([this, output] { printPlan(output); }); });
        row->addWidget(button);
    }
    row->addStretch(1);
    QToolButton *close = makeButton(bar, "SpeedButton1", tr("Fermer la fenêtre|Retour à la fenêtre précédente"),
                                    QStyle::SP_DialogCloseButton);
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    return bar;
}

QWidget *FocusStackWindow::buildFields(const StackWindowStart &start)
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    const int w = fontMetrics().horizontalAdvance(QStringLiteral("00000,000")) + 12;
    int row = 0;
    const auto edit = [&](const char *name, const char *caption, const char *hint, const QString &text) {
        QLineEdit *e = makeEdit(box, name, tr(hint), w);
        paintParameter(e);
        e->setText(LocalNumbers(text));
        connect(e, &QLineEdit::returnPressed, this, [this] { guarded([this] { calculate(); }); });
        grid->addWidget(label(box, tr(caption)), row, 0);
        grid->addWidget(e, row, 1);
        ++row;
        return e;
    };
    const StackFields &f = start.fields;
    m_fields.circle = edit("EdCercle", QT_TR_NOOP("Cercle (mm)"), QT_TR_NOOP("Diamètre du cercle de confusion (mm)"), f.circle);
    m_fields.focal = edit("EdFocale", QT_TR_NOOP("Focale (mm)"), QT_TR_NOOP("Focale (mm)"), f.focal);
    m_fields.nodal = edit("EdNod", QT_TR_NOOP("Distance nodale (mm)"), QT_TR_NOOP("Distance nodale (mm)"), f.nodal);
    m_fields.gp = edit("EdGP", "gp", QT_TR_NOOP("Grandissement pupillaire"), f.gp);
    m_fields.fNumber = edit("EdDia", QT_TR_NOOP("Diaphragme"), QT_TR_NOOP("Diaphragme|Diaphragme de toutes les vues, de 1 à 256"), f.fNumber);
    if (!start.fNumbers.isEmpty())
        m_fields.fNumber->setToolTip(tr("Diaphragmes de la liste : %1").arg(LocalNumbers(start.fNumbers.join(QStringLiteral("  ")))));
    m_fields.overlap = edit("EdRecouvrement", QT_TR_NOOP("Recouvrement"), QT_TR_NOOP("Facteur de recouvrement|Chaque vue est prévue pour un flou de ce facteur fois c, de 0,5 à 1, pour que les zones nettes se recouvrent"),
                            f.overlap.isEmpty() ? QStringLiteral("0,8") : f.overlap);
    m_macro = make<QCheckBox>(box, "CheckMacro");
    m_macro->setText(tr("Macro"));
    m_macro->setChecked(f.macro);
    applyHint(m_macro, tr("Macro|Des deux mises au point d'une distance au film, celle dont le grandissement dépasse 1"));
    grid->addWidget(m_macro, row++, 1);
    m_diffraction = make<QCheckBox>(box, "CheckDiffraction");
    m_diffraction->setText(tr("Diffraction"));
    m_diffraction->setChecked(f.diffraction);
    applyHint(m_diffraction, tr("Diffraction|Le plan utilise le cercle que laisse la diffraction au tirage le plus long"));
    grid->addWidget(m_diffraction, row++, 1);

    m_subjects = new QButtonGroup(box);
    const auto radio = [&](const char *name, const QString &text, int id) {
        auto *b = make<QRadioButton>(box, name);
        b->setText(text);
        m_subjects->addButton(b, id);
        grid->addWidget(b, row++, 0, 1, 2);
        return b;
    };
    radio("RadioLectures", tr("Trois lectures du rail"), 1)->setChecked(f.fromReadings);
    m_fields.railInfinity = edit("EdRailInf", QT_TR_NOOP("Infini (mm)"), QT_TR_NOOP("Lecture à l'infini (mm)|Lecture du rail, mise au point sur l'infini"), f.railInfinity);
    m_fields.railNear = edit("EdRailProche", QT_TR_NOOP("Proche (mm)"), QT_TR_NOOP("Lecture au point proche (mm)|Lecture du rail, mise au point sur le sujet proche"), f.railNear);
    m_fields.railFar = edit("EdRailLointain", QT_TR_NOOP("Lointain (mm)"), QT_TR_NOOP("Lecture au point lointain (mm)|Lecture du rail, mise au point sur le sujet lointain"), f.railFar);
    radio("RadioDistances", tr("Deux distances"), 0)->setChecked(!f.fromReadings);
    m_fields.nearDistance = edit("EdDistProche", QT_TR_NOOP("Proche (m)"), QT_TR_NOOP("Distance du sujet proche (m)"), f.nearDistance);
    m_fields.farDistance = edit("EdDistLointain", QT_TR_NOOP("Lointain (m)"), QT_TR_NOOP("Distance du sujet lointain (m)|Distance du sujet lointain (m), ou inf pour l'infini"), f.farDistance);
    connect(m_subjects, &QButtonGroup::idToggled, this, [this] { updateEnabled(); });
    grid->setRowStretch(row, 1);
    return box;
}

void FocusStackWindow::updateEnabled()
{
    const bool readings = m_subjects->checkedId() == 1;
    for (QLineEdit *e : {m_fields.railInfinity, m_fields.railNear, m_fields.railFar})
        e->setEnabled(readings);
    for (QLineEdit *e : {m_fields.nearDistance, m_fields.farDistance})
        e->setEnabled(!readings);
}

StackFields FocusStackWindow::readFields() const
{
    StackFields f = m_start;
    f.circle = m_fields.circle->text();
    f.focal = m_fields.focal->text();
    f.nodal = m_fields.nodal->text();
    f.gp = m_fields.gp->text();
    f.fNumber = m_fields.fNumber->text();
    f.overlap = m_fields.overlap->text();
    f.fromFilm = m_origin->isChecked();
    f.macro = m_macro->isChecked();
    f.diffraction = m_diffraction->isChecked();
    f.fromReadings = m_subjects->checkedId() == 1;
    f.railInfinity = m_fields.railInfinity->text();
    f.railNear = m_fields.railNear->text();
    f.railFar = m_fields.railFar->text();
    f.nearDistance = m_fields.nearDistance->text();
    f.farDistance = m_fields.farDistance->text();
    return f;
}

bool FocusStackWindow::calculate()
{
    const StackFieldsReading reading = ReadStackFields(readFields());
    QString message = reading.message;
    m_plan.reset();
    if (reading.input) {
        StackPlan plan = PlanFocusStack(*reading.input);
        if (plan.status == StackStatus::Ok)
            m_plan = std::move(plan);
        else
            message = plan.message;
    }
    showPlan();
    if (!m_plan) {
        m_statusBar->showMessage(message);
        messages().warning(message);
        return false;
    }
    return true;
}

void FocusStackWindow::showPlan()
{
    m_zones->setPlan(m_plan);
    if (!m_plan) {
        m_count->setText(tr("Pas de plan"));
        m_grid->setRowCount(0);
        return;
    }
    const StackPlan &plan = *m_plan;
    const int count = static_cast<int>(plan.frames.size());
    QString text;
    if (m_diffraction->isChecked()) {
        const QString circle = LocalNumbers(FixedText(plan.circleMm, 15, 4));
        text = count == 1 ? tr("1 vue suffit (cercle avec la diffraction : %1 mm)").arg(circle)
                          : tr("%1 vues (cercle avec la diffraction : %2 mm)").arg(count).arg(circle);
    } else {
        text = count == 1 ? tr("1 vue suffit") : tr("%1 vues").arg(count);
    }
    m_count->setText(text);
    const TableModel table = StackPlanTable(plan, m_decimals);
    m_grid->setRowCount(table.rowCount() - 1);
    for (int r = 1; r < table.rowCount(); ++r)
        for (int c = 0; c < table.colCount(); ++c) {
            auto *item = new QTableWidgetItem(table.cell(c, r));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r - 1, c, item);
        }
    m_statusBar->showMessage(tr(
        "Le standard arrière met au point : la distance au film de chaque vue se mesure depuis "
        "la position du film de cette vue"));
}

void FocusStackWindow::copyPlan()
{
    if (!calculate())
        return;
    QApplication::clipboard()->setMimeData(TableMimeData(StackPlanTable(*m_plan, m_decimals)));
    m_statusBar->showMessage(tr("Plan copié dans le presse-papiers"));
}

QStringList FocusStackWindow::titleLines() const
{
    // The numbers typed, as the user's language writes them.
    StackFields f = readFields();
    for (QString *typed : {&f.focal, &f.circle, &f.nodal, &f.gp, &f.fNumber, &f.overlap, &f.railInfinity,
                           &f.railNear, &f.railFar, &f.nearDistance, &f.farDistance})
        *typed = LocalNumbers(*typed);
    QString subjects = f.fromReadings
                           ? tr("lectures du rail : infini %1, proche %2, lointain %3 mm")
                                 .arg(f.railInfinity, f.railNear, f.railFar)
                           : tr("sujets à %1 et %2 m").arg(f.nearDistance, f.farDistance);
    // PF: distances from the film plane, PL: from the lens, as the origin
    // button says.
    const QString origin = f.fromFilm ? tr("PF") : tr("PL");
    const QString lens =
        f.macro ? tr("f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   recouvrement %6   distances %7   macro")
                : tr("f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   recouvrement %6   distances %7");
    return {tr("Empilement de mises au point : %1").arg(m_count->text()),
            lens.arg(f.focal, f.circle, f.nodal, f.gp, f.fNumber, f.overlap, origin),
            subjects,
            QStringLiteral("Optolune     ") + VersionText()};
}

void FocusStackWindow::printPlan(TableOutput output)
{
    if (!calculate())
        return;
    PrintChoice choice;
    choice.title = tr("Empilement de mises au point");
    RunPagesPrint(output, this, StackPlanTable(*m_plan, m_decimals), titleLines(), choice,
                  QStringLiteral("Empilement.pdf"));
}

void FocusStackWindow::exportCsv()
{
    if (!calculate())
        return;
    const QString folder = appPaths().tablesFolder();
    QDir().mkpath(folder);
    const std::optional<QString> path =
        prompts().saveFile(folder, QStringLiteral("Empilement.csv"), QStringLiteral("CSV (*.csv)"));
    if (!path)
        return;
    QString target = *path;
    if (!target.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        target += QStringLiteral(".csv");
    const TableReport exported = ExportTableCsv(StackPlanTable(*m_plan, m_decimals), target);
    ShowNotices(exported.messages);
    if (exported)
        m_statusBar->showMessage(tr("Plan exporté dans %1").arg(QDir::toNativeSeparators(target)));
}

StackWindowStart StackStartOf(const VariationsInput &window)
{
    StackWindowStart start;
    StackFields &f = start.fields;
    f.circle = window.cText;
    f.focal = window.fText;
    f.nodal = window.dnText;
    f.gp = window.gpText;
    f.fNumber = window.nText;
    f.fromFilm = window.fromFilm;
    f.macro = window.macro;
    start.decimals = window.decimals;
    return start;
}

void ShowFocusStackWindow(QWidget *owner, const StackWindowStart &start)
{
    FocusStackWindow window(start, owner);
    window.exec();
}

} // namespace optolune
