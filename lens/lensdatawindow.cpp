#include "lensdatawindow.h"

#include "lensdiagramview.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "print/screenprint.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

namespace {

// The width of the typed dimensions.
constexpr int kFieldWidth = 60;

QGroupBox *group(QWidget *parent, const char *name, const QString &title)
{
    auto *box = make<QGroupBox>(parent, name);
    box->setTitle(title);
    return box;
}

QHBoxLayout *tightRow(QWidget *box)
{
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 4);
    return row;
}

} // namespace

LensDataWindow::LensDataWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBlad"));
    setWindowTitle(tr("Objectifs Zeiss pour Hasselblad"));
    // Ok and Abandonner close the window; the title bar offers nothing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
    connectControls();
    setFixedSize(569, 501);
    LoadLensWindow();
}

void LensDataWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(4);
    layout->addWidget(buildTopBar());
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildLeftColumn(), 0, Qt::AlignTop);
    columns->addWidget(buildRightColumn(), 1);
    layout->addLayout(columns);

    auto *scroll = make<QScrollArea>(this, "ScrollBox1");
    m_diagram = make<LensDiagramView>(scroll, "Image1");
    scroll->setWidget(m_diagram);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);

    addStatusBar(this, layout);
}

QWidget *LensDataWindow::buildTopBar()
{
    auto *bar = make<QWidget>(this, "ToolBar1");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_buttons.print = makeButton(bar, "SpeedButton13", tr("Impression d'écran de la fenêtre"),
                                 QStyle::SP_ComputerIcon);
    m_buttons.calc = makeTextButton(bar, "CalcBtn", tr("Calculer"),
                                    tr("Calcul de dn et de gp|Cliquez sur le bouton pour lire les valeurs calculées"),
                                    QStyle::SP_BrowserReload);
    m_buttons.cancel = makeTextButton(bar, "SpeedButton3", tr("Abandonner"), QString(),
                                      QStyle::SP_DialogCancelButton);
    m_buttons.ok = makeTextButton(bar, "validebtn", tr("Ok"),
                                  tr("Quitter en validant les saisies"), QStyle::SP_DialogOkButton);
    row->addWidget(m_buttons.print);
    row->addWidget(m_buttons.calc);
    row->addStretch(1);
    row->addWidget(m_buttons.cancel);
    row->addWidget(m_buttons.ok);
    return bar;
}

QWidget *LensDataWindow::radioGroup(const char *name, QButtonGroup *&buttons)
{
    auto *box = make<QWidget>(this, name);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    buttons = new QButtonGroup(box);
    const char *items[] = {QT_TR_NOOP("in front"), QT_TR_NOOP("behind")};
    for (int id : {InFront, Behind}) {
        auto *radio = new QRadioButton(tr(items[id]), box);
        buttons->addButton(radio, id);
        row->addWidget(radio);
    }
    return box;
}

QWidget *LensDataWindow::buildLeftColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QString planeLimits = tr("valeurs limites  0,1-150 ");

    QGroupBox *focal = group(column, "GroupBox1", tr("Focale"));
    auto *focalRow = tightRow(focal);
    m_edits.focale = makeEdit(focal, "EdFocale", tr("Distance focale vraie"), kFieldWidth);
    focalRow->addWidget(new QLabel(tr("Focal length"), focal));
    focalRow->addWidget(m_edits.focale);
    focalRow->addStretch(1);

    QGroupBox *h = group(column, "GroupBox2", tr(" H  / the first lens vertex"));
    auto *hRow = tightRow(h);
    m_edits.h = makeEdit(h, "EdH", planeLimits, kFieldWidth);
    hRow->addWidget(m_edits.h);
    hRow->addWidget(radioGroup("R1", m_r1));
    hRow->addStretch(1);

    QGroupBox *hPrime = group(column, "GroupBox3", tr(" H'  /  the last lens vertex"));
    auto *hPrimeRow = tightRow(hPrime);
    m_edits.hprime = makeEdit(hPrime, "EdHprime", planeLimits, kFieldWidth);
    hPrimeRow->addWidget(m_edits.hprime);
    hPrimeRow->addWidget(radioGroup("R2", m_r2));
    hPrimeRow->addStretch(1);

    QGroupBox *vertices = group(column, "GroupBox4", tr("Distance between first and last lens vertex"));
    auto *verticesRow = tightRow(vertices);
    m_edits.epaiss = makeEdit(vertices, "EDepaiss", tr("valeurs limites  0,1-300 "), kFieldWidth);
    verticesRow->addWidget(m_edits.epaiss);
    verticesRow->addStretch(1);

    for (QGroupBox *box : {focal, h, hPrime, vertices})
        layout->addWidget(box);
    return column;
}

QWidget *LensDataWindow::buildRightColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QString pupilLimits = tr("valeurs limites  0,1-100 ");

    QGroupBox *pupils = group(column, "GroupBox5", tr("Grandissement pupillaire gp"));
    auto *pupilGrid = new QGridLayout(pupils);
    pupilGrid->setContentsMargins(6, 2, 6, 4);
    m_edits.entrance = makeEdit(pupils, "EdEntrance", pupilLimits, kFieldWidth);
    m_edits.exit = makeEdit(pupils, "EdExit", pupilLimits, kFieldWidth);
    pupilGrid->addWidget(new QLabel(tr("Entrance pupil"), pupils), 0, 0);
    pupilGrid->addWidget(new QLabel(tr("diameter"), pupils), 0, 1);
    pupilGrid->addWidget(m_edits.entrance, 0, 2);
    pupilGrid->addWidget(new QLabel(tr("Exit pupil"), pupils), 1, 0);
    pupilGrid->addWidget(new QLabel(tr("diameter"), pupils), 1, 1);
    pupilGrid->addWidget(m_edits.exit, 1, 2);
    pupilGrid->setColumnStretch(3, 1);
    layout->addWidget(pupils);

    auto *references = new QGridLayout;
    m_edits.ref = makeEdit(column, "EdRef", tr("Références de l'objectif"), 160);
    m_edits.num = makeEdit(column, "EdNum", tr("Numéro de catalogue de l'objectif"), 160);
    // Both reach the table's file name and the settings file.
    acceptWindows1252Only(m_edits.ref);
    acceptWindows1252Only(m_edits.num);
    references->addWidget(new QLabel(tr("Réf."), column), 0, 0);
    references->addWidget(m_edits.ref, 0, 1);
    references->addWidget(new QLabel(tr("Cat. N° of lens"), column), 1, 0);
    references->addWidget(m_edits.num, 1, 1);
    layout->addLayout(references);

    QGroupBox *nodal = group(column, "GroupBox6", tr("Distance nodale dn"));
    auto *nodalGrid = new QGridLayout(nodal);
    nodalGrid->setContentsMargins(6, 2, 6, 4);
    m_edits.dn = makeEdit(nodal, "EdDn", QString(), 130);
    m_edits.gp = makeEdit(nodal, "EdGp", QString(), 130);
    paintReadOnly(m_edits.dn);
    paintReadOnly(m_edits.gp);
    nodalGrid->addWidget(new QLabel(tr("Position of principal planes"), nodal), 0, 0, 1, 3);
    nodalGrid->addWidget(new QLabel(QStringLiteral("dn="), nodal), 1, 0);
    nodalGrid->addWidget(m_edits.dn, 1, 1);
    nodalGrid->addWidget(new QLabel(QStringLiteral("gp="), nodal), 2, 0);
    nodalGrid->addWidget(m_edits.gp, 2, 1);
    nodalGrid->setColumnStretch(2, 1);
    layout->addWidget(nodal);
    layout->addStretch(1);
    return column;
}

void LensDataWindow::connectControls()
{
    connect(m_buttons.calc, &QToolButton::clicked, this,
            [this] { guarded([this] { ComputeLensDataCommand(); }); });
    connect(m_buttons.ok, &QToolButton::clicked, this,
            [this] { guarded([this] { AcceptLensData(); }); });
    connect(m_buttons.cancel, &QToolButton::clicked, this, &QDialog::reject);
    connect(m_buttons.print, &QToolButton::clicked, this,
            [this] { guarded([this] { PrintWindowImage(this); }); });
    for (QButtonGroup *radios : {m_r1, m_r2})
        connect(radios, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked && !m_writing)
                guarded([this] { ComputeLensDataCommand(); });
        });
    // A click into a field computes with the texts as they stand.
    for (QLineEdit *edit : {m_edits.focale, m_edits.h, m_edits.hprime, m_edits.epaiss,
                            m_edits.entrance, m_edits.exit})
        edit->installEventFilter(this);
}

void LensDataWindow::LoadLensWindow()
{
    // Nothing is computed here: the window computes once as it opens.
    m_fields = readBladSettings(appPaths().iniFileName);
    writeControls();
}

void LensDataWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateOnce(this, m_activated, [this] { FormActivate(); });
}

void LensDataWindow::FormActivate()
{
    guarded([this] { ComputeLensDataCommand(); });
}

void LensDataWindow::readControls()
{
    // The numbers as the settings keep them, with the decimal comma.
    m_fields.f = CommaNumber(m_edits.focale->text());
    m_fields.h = CommaNumber(m_edits.h->text());
    m_fields.hprime = CommaNumber(m_edits.hprime->text());
    m_fields.ep = CommaNumber(m_edits.epaiss->text());
    m_fields.de = CommaNumber(m_edits.entrance->text());
    m_fields.ds = CommaNumber(m_edits.exit->text());
    m_fields.ref = m_edits.ref->text();
    m_fields.num = m_edits.num->text();
    m_fields.r1 = m_r1->checkedId() == InFront ? InFront : Behind;
    m_fields.r2 = m_r2->checkedId() == Behind ? Behind : InFront;
}

void LensDataWindow::writeControls()
{
    m_writing = true;
    // The numbers as the user's language writes them; the references are
    // free text.
    setChangedTexts({{m_edits.focale, LocalNumbers(m_fields.f)},      {m_edits.h, LocalNumbers(m_fields.h)},
                     {m_edits.hprime, LocalNumbers(m_fields.hprime)}, {m_edits.epaiss, LocalNumbers(m_fields.ep)},
                     {m_edits.entrance, LocalNumbers(m_fields.de)},   {m_edits.exit, LocalNumbers(m_fields.ds)},
                     {m_edits.ref, m_fields.ref},                     {m_edits.num, m_fields.num}});
    m_r1->button(m_fields.r1)->setChecked(true);
    m_r2->button(m_fields.r2)->setChecked(true);
    m_writing = false;
}

std::optional<LensData> LensDataWindow::ComputeLensDataCommand()
{
    readControls();
    const LensComputation computed = ComputeLensData(m_fields);
    writeControls();
    if (computed.warning)
        messages().warning(*computed.warning);
    const std::optional<LensData> &lens = computed.data;
    if (!lens)
        return lens; // dn, gp and the drawing keep the last results
    m_edits.dn->setText(LocalNumbers(NodalText(*lens)));
    m_edits.gp->setText(LocalNumbers(PupilText(*lens)));
    m_diagram->setData(lens);
    return lens;
}

void LensDataWindow::AcceptLensData()
{
    // Always from the fields as they stand now: typing computes nothing.
    const std::optional<LensData> lens = ComputeLensDataCommand();
    if (!lens)
        return;
    m_choice = MakeLensChoice(m_fields, *lens);
    // The table gets the lens even when its data cannot be kept.
    try {
        writeBladSettings(appPaths().iniFileName, m_fields);
    } catch (const UserError &e) {
        messages().error(e.text());
    }
    accept();
}

bool LensDataWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        guarded([this] { ComputeLensDataCommand(); });
    return QDialog::eventFilter(watched, event); // the field takes the click too
}

} // namespace optolune
