#include "variationswindow.h"

#include "core/application.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/widgets.h"
#include "table/displayoptions.h"
#include "lists/listkind.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

// ---- the window

namespace {

QLabel *makeLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The widest text each result field can hold at any number of decimals the
// window offers, '8' standing for any digit. The ranges of the parameters
// bound them: the near limit, a and u stay within the 900 m of the distance;
// v = d f / (d - f) reaches nine integer digits when d is 1e-8 m beyond f
// from the lens, G eight before its scientific form, T (five decimals)
// eight; the far limit, p and b grow towards the hyperfocal distance until
// their precision's last integer digit (ten for the far limit, eight for p
// and b); H and its two near limits reach f^2 / (N c), six digits. A minus
// sign is allowed for wherever a value may fall below zero.
struct WidestResult {
    ResultField field;
    const char *widest;
};
constexpr WidestResult kWidestResults[] = {
    {ResultField::Ta, "-888,88888888"},
    {ResultField::Tp, "8888888888,88888888"},
    {ResultField::Prof, "88888888,88888888"},
    {ResultField::A, "-888,88888888"},
    {ResultField::B, "88888888,88888888"},
    {ResultField::Apc, "-888,8 %"},
    {ResultField::Bpc, "-888,8 %"},
    {ResultField::A1, "888,88888888"},
    {ResultField::A2, "888888888,88888888"},
    {ResultField::Grandiss, "88888888,88888888"},
    {ResultField::Tirage, "88888888,88888"},
    {ResultField::HyperA, "-888888,88888888"},
    {ResultField::Hyper, "-888888,88888888"},
    {ResultField::DemiHyper, "-888888,88888888"},
};

// Makes the field wide enough to show the widest text of its results whole,
// in its own font and style: a line edit scrolls a text wider than its
// contents, which hides the leading digits.
void fitField(QLineEdit *edit, const char *widestText, int minimumWidth)
{
    edit->ensurePolished();
    const QFontMetrics metrics = edit->fontMetrics();
    QChar widestDigit = u'0';
    for (char16_t d = u'0'; d <= u'9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(d);
    const QString widest = QString::fromLatin1(widestText).replace(u'8', widestDigit);

    // What the style keeps around the text: its frame and padding, the text
    // margins, and the two pixels a line edit leaves on each side.
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = QRect(0, 0, 400, edit->sizeHint().height());
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    const int around = option.rect.width() - contents.width() + margins.left() + margins.right() + 2 * 2;
    edit->setFixedWidth(std::max(minimumWidth, metrics.horizontalAdvance(widest) + around + 1));
}

void fitResultField(QLineEdit *edit, ResultField field, int minimumWidth)
{
    for (const WidestResult &w : kWidestResults)
        if (w.field == field)
            fitField(edit, w.widest, minimumWidth);
}

} // namespace

VariationsWindow::VariationsWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormCalcProfIsol"));
    setWindowTitle(tr("Variations de la profondeur de champ"));
    guarded([this] {
        const DisplayOptions options = readDisplayOptions(appPaths().iniFileName);
        m_wavelengthUm = options.wavelengthUm;
        m_blurModel = options.blurModel;
    });
    buildControls();
    buildMenus();
    connectControls();
    // CreateVariationsWindow: three decimals. The results are blue until a
    // computation says otherwise.
    m_nbDecim->setCurrentIndex(3);
    SetResultColour(ResultColour::Blue);
    // The designed client area, or more when the fonts ask for it.
    adjustSize();
    setFixedSize(sizeHint().expandedTo(QSize(598, 387)));
}

void VariationsWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar());

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(4, 0, 4, 0);
    middle->addWidget(buildAutoGroup(), 1);
    auto *right = new QVBoxLayout;
    right->addWidget(buildManualGroup());
    right->addWidget(buildDepthGroup());
    right->addStretch(1);
    middle->addLayout(right);
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottomBar());

    m_statusBar = addStatusBar(this, layout);
}

QWidget *VariationsWindow::buildToolBar()
{
    auto *bar = make<QFrame>(this, "ToolBar1");
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);

    m_nbDecim = make<QComboBox>(bar, "ComboNbDecim");
    for (int i = 0; i <= 8; ++i)
        m_nbDecim->addItem(QString::number(i));
    applyHint(m_nbDecim, tr("Décimales|Nombre de décimales pour l'affichage des résultats"));
    row->addWidget(m_nbDecim);

    m_distFilm = makeOriginButton(bar,
                                  tr("Distances rapportées au plan du film| Enfoncer le bouton pour rapporter les distances au plan du film"));
    row->addWidget(m_distFilm);

    const ToolButtonDef buttons[] = {
        {"DefautBtn", QT_TR_NOOP("Curseurs au départ|Place les curseurs sur le premier item des listes"), QStyle::SP_MediaSkipBackward, nullptr, &m_buttons.firstItems},
        {"RazBtn", QT_TR_NOOP("Listes par défaut|Affiche toutes les listes par défaut"), QStyle::SP_DialogResetButton, nullptr, &m_buttons.defaultLists},
        {"FichTestBtn", QT_TR_NOOP("Objectif test|Affiche dans la groupe Manuel les Paramètres du Super Symmar 5,6/150"), QStyle::SP_DriveCDIcon, nullptr, &m_buttons.testLens},
        {"MemBtn", QT_TR_NOOP("Paramètres en mémoire|Met en mémoire le diamètre du cercle de confusion, la focale et la distance nodale"), QStyle::SP_DriveFDIcon, nullptr, &m_buttons.store},
        {"MemRapBtn", QT_TR_NOOP("Rappel des paramètres en mémoire|Rappelle dans le groupe Manuel le diamètre, la focale et la distance nodale mise en mémoire"), QStyle::SP_BrowserReload, nullptr, &m_buttons.recall},
        {"NotesBtn", QT_TR_NOOP("Bloc-notes de Windows"), QStyle::SP_FileIcon, nullptr, &m_buttons.notes},
        {"SpeedButton6", QT_TR_NOOP("Paramètres et résultats| Signification et limites des paramètres, signification des résultats"), QStyle::SP_DialogHelpButton, nullptr, &m_buttons.explanation},
        {"SpeedButton13", QT_TR_NOOP("Impression d'écran de la fenêtre"), QStyle::SP_ComputerIcon, nullptr, &m_buttons.screenPrint},
    };
    // The table's hints in the user's language.
    const std::vector<QToolButton *> made = addToolButtons(bar, row, buttons);
    for (size_t i = 0; i < made.size(); ++i)
        applyHint(made[i], tr(buttons[i].hint));
    // The focus spread, an addition of this program.
    auto *ecart = makeButton(bar, "EcartBtn",
                             tr("Écart de mise au point|Diaphragme et mise au point qui tiennent nets un premier plan et un arrière-plan, d'après trois lectures sur le rail"),
                             QStyle::SP_ArrowUp);
    m_buttons.spread = ecart;
    ecart->setText(tr("Écart"));
    ecart->setToolButtonStyle(Qt::ToolButtonTextOnly);
    row->addWidget(ecart);
    // The calculators built on the same lens: the focus stacking plan and
    // the tilt of a view camera.
    const struct {
        const char *name, *caption, *hint;
        void (VariationsWindow::*open)();
    } calculators[] = {
        {"EmpilerBtn", QT_TR_NOOP("Empilement"),
         QT_TR_NOOP("Empilement de mises au point|Combien de vues, où placer le rail et ce que chaque vue tient net, quand une seule vue ne suffit pas"),
         &VariationsWindow::openFocusStack},
        {"BasculeBtn", QT_TR_NOOP("Bascule"),
         QT_TR_NOOP("Bascule|La bascule de l'objectif d'après deux lectures sur le rail, la charnière et le coin de netteté"),
         &VariationsWindow::openTilt},
    };
    for (const auto &c : calculators) {
        QToolButton *button = makeButton(bar, c.name, tr(c.hint), QStyle::SP_ArrowUp);
        button->setText(tr(c.caption));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        const auto open = c.open;
        connect(button, &QToolButton::clicked, this, [this, open] { guarded([this, open] { (this->*open)(); }); });
        row->addWidget(button);
    }
    row->addStretch(1);
    m_buttons.close = makeButton(bar, "SpeedButton1",
                                 tr("Fermer le fenêtre|Retour à la fenêtre principale"),
                                 QStyle::SP_DialogCloseButton);
    row->addWidget(m_buttons.close);
    return bar;
}

QWidget *VariationsWindow::buildAutoGroup()
{
    auto *group = make<QGroupBox>(this, "GroupBox1");
    group->setTitle(tr("Auto"));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(3);

    struct ListDef {
        VariationsListBox **slot;
        QToolButton **editorButton, **defaultsButton;
        const char *box, *label, *editor, *editorHint, *defaults, *defaultsHint, *listHint;
    };
    const ListDef lists[] = {
        {&m_lists.cercle, &m_buttons.circleEditor, &m_buttons.circleDefaults, "BoxCercle", QT_TR_NOOP("Cercle (mm)"), "CercleBtn",
         QT_TR_NOOP("Liste des diamètres|Modifier la liste des diamètres du cercle de confusion ou créer une nouvelle liste"),
         "DefCercleBtn", QT_TR_NOOP("Diamètres par défaut|Remplace la liste des diamètres par la liste par défaut"),
         QT_TR_NOOP("Diamètres du cercle de confusion|Cliquer sur un diamètre pour le copier dans le groupe Manuel, clic droit pour modifier la liste")},
        {&m_lists.focale, &m_buttons.focalEditor, &m_buttons.focalDefaults, "BoxFocale", QT_TR_NOOP("Focale (mm)"), "FocaleBtn",
         QT_TR_NOOP("Liste des focales|Modifier la liste des focales ou créer une nouvelle liste"),
         "DefFocBtn", QT_TR_NOOP("Focales par défaut|Remplace la liste des focales par la liste par défaut"),
         QT_TR_NOOP("Focales|Cliquer sur une focale pour la copier dans le groupe Manuel, clic droit pour modifier la liste")},
        {&m_lists.dia, &m_buttons.fNumberEditor, &m_buttons.fNumberDefaults, "BoxDia", QT_TR_NOOP("Diaphragme"), "DiaBtn",
         QT_TR_NOOP("Liste des diaphragmes|Modifier la liste des diaphragmes ou créer une nouvelle liste"),
         "DefDiaBtn", QT_TR_NOOP("Diaphragmes par défaut|Remplace la liste des diaphragmes par la liste par défaut"),
         QT_TR_NOOP("Diaphragmes|Cliquer sur un diaphragme pour le copier dans le groupe Manuel, clic droit pour modifier la liste")},
        {&m_lists.dist, &m_buttons.distanceEditor, &m_buttons.distanceDefaults, "BoxDist", QT_TR_NOOP("Distance (m)"), "DistBtn",
         QT_TR_NOOP("Liste des distances|Modifier la liste des distances de mise au point ou créer une nouvelle liste"),
         "DefDistBtn", QT_TR_NOOP("Distances par défaut|Remplace la liste des distances par la liste par défaut"),
         QT_TR_NOOP("Distances de mise au point|Cliquer sur une distance pour la copier dans le groupe Manuel, clic droit pour modifier la liste")},
    };
    int index = 0;
    for (const ListDef &l : lists) {
        auto *cell = new QWidget(group);
        auto *column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        auto *head = new QHBoxLayout;
        head->setSpacing(1);
        head->addWidget(new QLabel(tr(l.label), cell), 1);
        *l.editorButton = makeButton(cell, l.editor, tr(l.editorHint), QStyle::SP_FileDialogListView);
        *l.defaultsButton = makeButton(cell, l.defaults, tr(l.defaultsHint), QStyle::SP_DialogResetButton);
        head->addWidget(*l.editorButton);
        head->addWidget(*l.defaultsButton);
        if (l.slot == &m_lists.dia) {
            m_buttons.theoretical = makeButton(cell, "DiaThBtn",
                                               tr("Diaphragmes théoriques|Remplace la liste des diaphragmes par les diaphragmes de 1 à 256 par demi-valeurs"),
                                               QStyle::SP_FileDialogDetailedView);
            head->addWidget(m_buttons.theoretical);
        }
        column->addLayout(head);
        auto *box = new VariationsListBox(cell);
        box->setObjectName(QString::fromLatin1(l.box));
        applyHint(box, tr(l.listHint));
        column->addWidget(box, 1);
        *l.slot = box;
        grid->addWidget(cell, index / 2, index % 2);
        ++index;
    }
    return group;
}

QWidget *VariationsWindow::buildManualGroup()
{
    m_manual = make<QGroupBox>(this, "GroupBox2");
    m_manual->setTitle(tr("Manuel"));
    auto *grid = new QGridLayout(m_manual);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    struct FieldDef {
        QLineEdit **slot;
        const char *name, *label, *text;
    };
    const FieldDef fields[] = {
        {&m_params.cercle, "EdCercle", QT_TR_NOOP("diam.c.c."), "0,15"},
        {&m_params.focale, "EdFocale", QT_TR_NOOP("focale"), "150"},
        {&m_params.nod, "EdNod", "dn", "0"},
        {&m_params.gp, "EdGP", "gp", "1,1"},
        {&m_params.dia, "EdDia", QT_TR_NOOP("diaphr."), "8"},
        {&m_params.dist, "EdDist", QT_TR_NOOP("dist. m.a.p."), "3"},
    };
    int index = 0;
    for (const FieldDef &f : fields) {
        auto *edit = makeEdit(m_manual, f.name, QString(), 64);
        edit->setText(LocalNumbers(QString::fromUtf8(f.text)));
        paintParameter(edit);
        edit->installEventFilter(this);
        const int row = (index / 3) * 2;
        const int col = index % 3;
        auto *label = new QLabel(tr(f.label), m_manual);
        grid->addWidget(label, row, col);
        grid->addWidget(edit, row + 1, col);
        *f.slot = edit;
        ++index;
    }
    // The f-number comes from the list or the half-stop buttons only: grey,
    // with the parameters' bold red.
    paintReadOnlyParameter(m_params.dia);
    // The distance is written with the window's decimals, up to 8 (eight
    // significant digits, zeros after them): "900,00000000" at most.
    fitField(m_params.dist, "888,88888888", 64);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto *calc = makeButton(m_manual, "CalcBtn",
                            tr("Calcul| Le calcul est effectué avec les valeurs affichées"),
                            QStyle::SP_BrowserReload);
    buttons->addWidget(calc);
    m_buttons.calculate = calc;
    m_plus = makeButton(m_manual, "PlusBtn",
                        tr("Demi-diaphragme au-dessus|Maintenir le bouton enfoncé pour lire les résultats un demi-diaphragme plus fermé"),
                        QStyle::SP_ArrowUp);
    m_minus = makeButton(m_manual, "MoinsBtn",
                         tr("Demi-diaphragme au-dessous|Maintenir le bouton enfoncé pour lire les résultats un demi-diaphragme plus ouvert"),
                         QStyle::SP_ArrowDown);
    for (QToolButton *b : {m_plus, m_minus}) {
        // A hidden half-stop button keeps its place, so the other one does
        // not move under the mouse.
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
        // Moves without a button down tell a release that went elsewhere.
        b->setMouseTracking(true);
        b->installEventFilter(this);
        buttons->addWidget(b);
    }
    m_macro = make<QCheckBox>(m_manual, "CheckMacro");
    m_macro->setText(tr("Macro"));
    applyHint(m_macro, tr("Macro"));
    buttons->addWidget(m_macro);
    m_diffraction = make<QCheckBox>(m_manual, "CheckDiffraction");
    m_diffraction->setText(tr("Diffraction"));
    applyHint(m_diffraction, tr("Diffraction|Les limites comptent la tache de diffraction du diaphragme effectif : un point est net quand son flou total reste dans c"));
    buttons->addWidget(m_diffraction);
    buttons->addStretch(1);
    grid->addLayout(buttons, 4, 0, 1, 3);
    applyHint(m_manual, tr("Manuel|Paramètres du calcul. Clic droit : toutes les listes par défaut"));
    m_manual->installEventFilter(this);
    return m_manual;
}

QWidget *VariationsWindow::buildDepthGroup()
{
    auto *group = make<QGroupBox>(this, "GroupBox4");
    group->setTitle(tr("Profondeur de champ"));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    struct ResultDef {
        ResultField field;
        const char *label;
        const char *hint;
        int row, col;
    };
    const ResultDef results[] = {
        {ResultField::Ta, "da=", QT_TR_NOOP("Limite antérieure de\r\nla zone de netteté|"), 0, 0},
        {ResultField::Tp, "db=", QT_TR_NOOP("Limite postérieure de\r\nla zone de netteté|"), 0, 2},
        {ResultField::Prof, "p=", QT_TR_NOOP("Profondeur de champ|p=db-da"), 1, 0},
        {ResultField::A, "a=", QT_TR_NOOP("Profondeur de champ en\r\navant du plan de mise au point|a=d-da"), 3, 0},
        {ResultField::Apc, "", QT_TR_NOOP("Pour-cent de p en avant du plan de mise au point"), 3, 2},
        {ResultField::B, "b=", QT_TR_NOOP("Profondeur de champ\r\nen arrière du plan de mise au point|b=db-d"), 4, 0},
        {ResultField::Bpc, "", QT_TR_NOOP("Pour-cent de p en arrière du plan de mise au point"), 4, 2},
        {ResultField::A1, "u=", QT_TR_NOOP("Distance du plan de mise au point au plan plan principal objet"), 5, 0},
        {ResultField::A2, "v=", QT_TR_NOOP("Distance du plan du film au plan principal image"), 5, 2},
        {ResultField::Grandiss, "G=", QT_TR_NOOP("Grandissement"), 6, 0},
        {ResultField::Tirage, "T(mm)=", QT_TR_NOOP("Tirage (mm)"), 6, 2},
    };
    for (const ResultDef &r : results) {
        auto *edit = makeEdit(group, kResultFieldNames[static_cast<int>(r.field)], tr(r.hint), 74);
        paintReadOnly(edit);
        fitResultField(edit, r.field, 74);
        if (*r.label)
            grid->addWidget(makeLabel(group, QString::fromUtf8(r.label)), r.row, r.col);
        grid->addWidget(edit, r.row, r.col + 1);
        m_results[static_cast<int>(r.field)] = edit;
    }
    // The fields of a column share the width of its widest.
    for (int col : {0, 2}) {
        int width = 0;
        for (const ResultDef &r : results)
            if (r.col == col)
                width = std::max(width, m_results[static_cast<int>(r.field)]->width());
        for (const ResultDef &r : results)
            if (r.col == col)
                m_results[static_cast<int>(r.field)]->setFixedWidth(width);
    }
    auto *rule = make<QFrame>(group, "Bevel1");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 2, 0, 1, 4);
    return group;
}

QWidget *VariationsWindow::buildBottomBar()
{
    auto *bar = make<QFrame>(this, "Panel3");
    bar->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    struct Piece {
        const char *before;
        ResultField field;
        const char *after;
    };
    const Piece pieces[] = {{"H=", ResultField::HyperA, ""},
                            {QT_TR_NOOP("M.a.p sur infini: de"), ResultField::Hyper, QT_TR_NOOP("à l'infini")},
                            {QT_TR_NOOP("M.a.p sur H: de"), ResultField::DemiHyper, QT_TR_NOOP("à l'infini")}};
    for (const Piece &p : pieces) {
        row->addWidget(new QLabel(tr(p.before), bar));
        auto *edit = makeEdit(bar, kResultFieldNames[static_cast<int>(p.field)], QString(), 70);
        paintReadOnly(edit);
        fitResultField(edit, p.field, 70);
        row->addWidget(edit);
        m_results[static_cast<int>(p.field)] = edit;
        if (*p.after)
            row->addWidget(new QLabel(tr(p.after), bar));
        row->addSpacing(6);
    }
    m_results[static_cast<int>(ResultField::DemiHyper)]->installEventFilter(this);
    row->addStretch(1);
    return bar;
}

void VariationsWindow::buildMenus()
{
    auto *bar = make<QMenuBar>(this, "MainMenu1");
    static_cast<QVBoxLayout *>(layout())->setMenuBar(bar);
    addNotesAndQuit(bar, this, [this] { openNotesFile(); });

    // The menu "Listes" is not shown; its shortcuts work anywhere in the
    // window, the edit fields included.
    auto *lists = new QMenu(tr("Listes"), this);
    lists->setObjectName(QStringLiteral("Listes1"));
    auto add = [this](QMenu *menu, const char *name, const QString &caption, QKeySequence keys,
                      auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [handler] { guarded(handler); });
    };
    add(lists, "Utiliserleslistespardfaut1", tr("Utiliser les listes par défaut"),
        QKeySequence(Qt::Key_F2), [this] { SelectFirstItems(); });
    struct Sub {
        const char *menu, *name;
        Qt::Key key;
        ListKind kind;
    };
    const Sub subs[] = {
        {QT_TR_NOOP("Diamètre du cercle de confusion"), "Crerunelistecercle1", Qt::Key_C, ListKind::Cer},
        {QT_TR_NOOP("Focales"), "Crerunelistefocales1", Qt::Key_F, ListKind::Foc},
        {QT_TR_NOOP("Diaphragmes"), "Crerunelistediaphragmes1", Qt::Key_N, ListKind::Dia},
        {QT_TR_NOOP("Distances"), "Crerunelistedistances1", Qt::Key_D, ListKind::Dis},
    };
    for (const Sub &sub : subs) {
        QMenu *menu = lists->addMenu(tr(sub.menu));
        const ListKind kind = sub.kind;
        add(menu, sub.name, tr("Créer une liste"), QKeySequence(Qt::CTRL | sub.key),
            [this, kind] { OpenListEditor(kind); });
    }
}

} // namespace optolune
