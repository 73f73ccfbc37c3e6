#include "circlewindow.h"

#include "formatgridmodel.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

namespace {

// The typed dimensions are yellow.
void paintInput(QLineEdit *edit)
{
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: #ffff00; }"));
}

QLineEdit *makeResult(QWidget *parent, const char *name, const QString &hint, int width)
{
    QLineEdit *edit = makeEdit(parent, name, hint, width);
    paintReadOnly(edit);
    return edit;
}

QLabel *label(QWidget *parent, const QString &text)
{
    return new QLabel(text, parent);
}

} // namespace

CircleWindow::CircleWindow(QWidget *parent) : QDialog(parent), m_grid(NewFormatGrid())
{
    setObjectName(QStringLiteral("FormCercle"));
    setWindowTitle(tr("Cercle de confusion"));
    // Ok and Abandonner close the window; the title bar offers nothing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildControls();
    connectControls();
    writeControls();
}

CircleWindow::~CircleWindow()
{
    // The model reads m_grid, which goes before the widgets do.
    m_view->setModel(nullptr);
}

void CircleWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(4);
    layout->addWidget(buildTopBar());

    auto *calc = make<QGroupBox>(this, "GroupBox4");
    calc->setTitle(tr("Calcul du diamètre du cercle de confusion"));
    auto *groups = new QHBoxLayout(calc);
    groups->addWidget(buildFilmGroup());
    groups->addWidget(buildPrintGroup());
    groups->addWidget(buildResultGroup(), 1);
    layout->addWidget(calc);

    layout->addWidget(buildGridBar());
    m_view = make<QTableView>(this, "GridCercle");
    m_model = new FormatGridModel(m_grid, this);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_view->verticalHeader()->setMinimumSectionSize(10);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->horizontalHeader()->setMinimumSectionSize(10);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideNone);
    // The column widths are counted in pixels (40 for a c of three
    // decimals), as the table window's are: a small font fits them.
    QFont small = m_view->font();
    small.setPixelSize(11);
    m_view->setFont(small);
    m_view->horizontalHeader()->setFont(small);
    m_view->setMinimumHeight(200);
    layout->addWidget(m_view, 1);

    addStatusBar(this, layout);
    resize(760, 560);
}

QWidget *CircleWindow::buildTopBar()
{
    auto *bar = make<QWidget>(this, "ToolBar1");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_buttons.print = makeButton(bar, "SpeedButton13", tr("Impression d'écran de la fenêtre"),
                                 QStyle::SP_ComputerIcon);
    m_buttons.cancel = makeTextButton(bar, "SpeedButton3", tr("Abandonner"), QString(),
                                      QStyle::SP_DialogCancelButton);
    m_buttons.ok = makeTextButton(bar, "validebtn", tr("Ok"),
                                  tr("Valider et quitter|"), QStyle::SP_DialogOkButton);
    row->addWidget(m_buttons.print);
    row->addStretch(1);
    row->addWidget(m_buttons.cancel);
    row->addWidget(m_buttons.ok);
    return bar;
}

QGroupBox *CircleWindow::buildFilmGroup()
{
    auto *box = make<QGroupBox>(this, "GroupBox2");
    box->setTitle(tr("Film (mm)"));
    auto *grid = new QGridLayout(box);
    m_fields.format = make<QComboBox>(box, "ComboFormat");
    for (const FormatPreset &preset : FilmPresets())
        m_fields.format->addItem(PresetShownName(preset));
    applyHint(m_fields.format,
              tr("Format du film|Les dimensions du film sont copiées dans les champs"));
    m_fields.largF = makeEdit(box, "EdLargF", tr("Largeur du film"), 60);
    m_fields.longF = makeEdit(box, "EdLongF", tr("Longueur du film"), 60);
    paintInput(m_fields.largF);
    paintInput(m_fields.longF);
    m_fields.pf = make<QCheckBox>(box, "CheckPF");
    m_fields.pf->setText(tr("Plein format"));
    applyHint(m_fields.pf,
              tr("Cocher si l'image du film est entièrement conservée au tirage |Si la case n'est pas cochée l'image du film est reformatée pour adaptation au format du tirage."));
    grid->addWidget(label(box, tr("Format")), 0, 0);
    grid->addWidget(m_fields.format, 0, 1);
    grid->addWidget(label(box, tr("Largeur")), 1, 0);
    grid->addWidget(m_fields.largF, 1, 1);
    grid->addWidget(label(box, tr("Longueur")), 2, 0);
    grid->addWidget(m_fields.longF, 2, 1);
    grid->addWidget(m_fields.pf, 3, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(4, 1);
    return box;
}

QGroupBox *CircleWindow::buildPrintGroup()
{
    auto *box = make<QGroupBox>(this, "GroupBox3");
    box->setTitle(tr("Tirage (cm)"));
    auto *grid = new QGridLayout(box);
    m_fields.film = make<QComboBox>(box, "ComboFilm");
    for (const FormatPreset &preset : PrintPresets())
        m_fields.film->addItem(PresetShownName(preset));
    applyHint(m_fields.film,
              tr("Format du tirage|Les dimensions du tirage sont copiées dans les champs"));
    m_fields.largT = makeEdit(box, "EdLargT", tr("Largeur du tirage|La largeur et la longueur du tirage n'interviennent que par leur rapport"), 60);
    m_fields.longT = makeEdit(box, "EdLongT", tr("Longueur du tirage|La largeur et la longueur du tirage n'interviennent que par leur rapport"), 60);
    paintInput(m_fields.largT);
    paintInput(m_fields.longT);
    m_fields.distObs = makeEdit(box, "EdDistObs",
                                 tr("Distance minimale d'observation|Supérieure à 10 cm"), 60);
    m_fields.distMin = make<QCheckBox>(box, "CheckDistMin");
    applyHint(m_fields.distMin,
              tr("Pour la distance d'observation  minimale, cocher la case|Si la case n'est pas cochée, le calcul est effectué pour une distance d'observation égale à la diagonale de l'image agrandie"));
    grid->addWidget(label(box, tr("Format")), 0, 0);
    grid->addWidget(m_fields.film, 0, 1, 1, 2);
    grid->addWidget(label(box, tr("Largeur")), 1, 0);
    grid->addWidget(m_fields.largT, 1, 1);
    grid->addWidget(label(box, tr("Longueur")), 2, 0);
    grid->addWidget(m_fields.longT, 2, 1);
    grid->addWidget(label(box, tr("Dist. obs.")), 3, 0);
    grid->addWidget(m_fields.distObs, 3, 1);
    grid->addWidget(m_fields.distMin, 3, 2);
    grid->setRowStretch(4, 1);
    return box;
}

QGroupBox *CircleWindow::buildResultGroup()
{
    auto *box = make<QGroupBox>(this, "GroupBox1");
    box->setTitle(tr("Diamètre du cercle"));
    auto *grid = new QGridLayout(box);
    m_fields.fmodif = makeResult(box, "EdFmodif", tr("Format de l'image à agrandir"), 70);
    m_fields.tmodif = makeResult(box, "EdTmodif", tr("Format de l'image agrandie"), 70);
    m_fields.diagTir = makeResult(box, "EdDiagTir", tr("Diagonale de l'image agrandie"), 70);
    m_fields.distObsCalc = makeResult(box, "EdDistObsCalc",
                                      tr("Distance d'observation du tirage"), 70);
    m_fields.coeff = makeResult(box, "EdCoeff", tr("Facteur d'agrandissement"), 70);
    m_fields.c = makeEdit(box, "EdC", tr("Diamètre du cercle de confusion"), 70);
    m_fields.nmin = makeEdit(box, "EdNmin",
                              tr("Plus petite valeur de diaphragme pour tenir compte de la diffraction"),
                              70);
    // c and the limiting f-number, the answers the user came for, stand out.
    paintReadOnlyParameter(m_fields.c);
    paintReadOnlyParameter(m_fields.nmin);

    const std::pair<const char *, QLineEdit *> left[] = {
        {QT_TR_NOOP("Film"), m_fields.fmodif}, {QT_TR_NOOP("Tirage"), m_fields.tmodif},
        {QT_TR_NOOP("Diag. tir."), m_fields.diagTir}, {QT_TR_NOOP("Dist. obs."), m_fields.distObsCalc}};
    const std::pair<const char *, QLineEdit *> right[] = {
        {QT_TR_NOOP("Fact. Agr."), m_fields.coeff}, {"c (mm)", m_fields.c}, {QT_TR_NOOP("n inférieur à"), m_fields.nmin}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(label(box, tr(left[i].first)), i, 0);
        grid->addWidget(left[i].second, i, 1);
    }
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(label(box, tr(right[i].first)), i, 2);
        grid->addWidget(right[i].second, i, 3);
    }
    auto *buttons = new QHBoxLayout;
    m_buttons.calc = makeTextButton(box, "CalcBtn", tr("Calculer"), tr("Calculer"),
                                    QStyle::SP_BrowserReload);
    m_buttons.add = makeTextButton(box, "AddBtn", tr("Ajouter"),
                                   tr("Copier dans la grille| Les valeurs calculées sont copiées dans la grille"),
                                   QStyle::SP_ArrowDown);
    buttons->addWidget(m_buttons.calc);
    buttons->addWidget(m_buttons.add);
    grid->addLayout(buttons, 3, 2, 1, 2);
    grid->setColumnMinimumWidth(2, 8);
    return box;
}

QWidget *CircleWindow::buildGridBar()
{
    auto *bar = make<QWidget>(this, "ToolBar2");
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const ToolButtonDef buttons[] = {
        {"LoadBtn", QT_TR_NOOP("Ouvrir la grille n°1"), QStyle::SP_DialogOpenButton, "1", &m_buttons.load1},
        {"SaveBtn", QT_TR_NOOP("Enregistrer la grille n°1"), QStyle::SP_DialogSaveButton, "1", &m_buttons.save1},
        {"DefBtnLoad", QT_TR_NOOP("Ouvrir la grille n°2"), QStyle::SP_DialogOpenButton, "2", &m_buttons.load2},
        {"DefBtnSave", QT_TR_NOOP("Enregistrer la grille n°2"), QStyle::SP_DialogSaveButton, "2", &m_buttons.save2},
        {"ToolButton3", QT_TR_NOOP("Effacer a grille"), QStyle::SP_TrashIcon, nullptr, &m_buttons.clearGrid},
        {"ToolButton4", QT_TR_NOOP("Effacer la ligne sélectionnée"), QStyle::SP_LineEditClearButton, nullptr, &m_buttons.clearRow},
    };
    // The table's hints in the user's language.
    const std::vector<QToolButton *> made = addToolButtons(bar, row, buttons);
    for (size_t i = 0; i < made.size(); ++i)
        applyHint(made[i], tr(buttons[i].hint));
    row->addStretch(1);
    return bar;
}

} // namespace optolune
