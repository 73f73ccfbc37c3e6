#include "tablewindow.h"

#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "tablegridmodel.h"
#include "print/tableprinting.h"
#include "circle/circlecalc.h"
#include "core/numerictext.h"
#include "core/widgets.h"
#include "lists/listkind.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

namespace {

// EdFormat shows whole every name the circle window's format list can hand
// to the table ("Numérique 40x54"): the widest in the field's font, its
// frame, the two pixels a line edit keeps each side of its text, and the
// cursor.
int formatFieldWidth(const QLineEdit *edit)
{
    const QFontMetrics metrics(edit->font());
    int widest = 0;
    for (const FormatPreset &preset : FilmPresets())
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(preset.item)));
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    return widest + 2 * frame + 2 * 2 + 2;
}

QHBoxLayout *barLayout(QWidget *bar)
{
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(3);
    return row;
}

} // namespace

TableWindow::TableWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCalculProf"));
    setWindowTitle(tr("Table de profondeur de champ"));
    resize(900, 560);
    buildControls();
    buildMenus();
    connectControls();
    connectChildren();
    connectExports();
    connectPrinting();
    writeControls();
}

TableWindow::~TableWindow()
{
    // The view must not ask the grid model anything while the dialog takes
    // its children down.
    m_grid->setModel(nullptr);
}

const TableModel &TableWindow::table() const { return m_gridModel->table(); }

void TableWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildFirstBar());
    layout->addWidget(buildSecondBar());

    m_grid = make<QTableView>(this, "AdvStringGrid1");
    m_gridModel = new TableGridModel(this);
    m_grid->setModel(m_gridModel);
    m_grid->setItemDelegate(new TableCellDelegate(m_grid));
    m_grid->setWordWrap(false);
    // The row heights count 16 pixels per line: a small font fits them. The
    // column widths are scaled to the font (ColumnWidthScale).
    QFont small = m_grid->font();
    small.setPixelSize(11);
    m_grid->setFont(small);
    m_widthScale = ColumnWidthScale(small);
    m_grid->horizontalHeader()->setFont(small);
    m_grid->verticalHeader()->setFont(small);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->horizontalHeader()->setMinimumSectionSize(10);
    m_grid->verticalHeader()->setMinimumSectionSize(10);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_grid, 1);

    layout->addWidget(buildCommentLine());

    m_panelAffiche = make<QWidget>(this, "PanelAffiche");
    auto *infoRow = barLayout(m_panelAffiche);
    m_fields.affiche = make<QLineEdit>(m_panelAffiche, "Edaffiche");
    m_fields.affiche->setReadOnly(true);
    infoRow->addWidget(m_fields.affiche);
    m_panelAffiche->hide();
    layout->addWidget(m_panelAffiche);

    addStatusBar(this, layout);
}

QWidget *TableWindow::buildFirstBar()
{
    auto *bar = make<QWidget>(this, "CPbar1");
    auto *row = barLayout(bar);
    m_fields.nom = makeEdit(bar, "EdNom", tr("Préfixe du nom du fichier|Créé par le programme"), 190);
    paintReadOnly(m_fields.nom);
    m_fields.nom->installEventFilter(this);
    m_fields.checkVa = make<QCheckBox>(bar, "CheckVa");
    m_fields.checkVa->setText(QStringLiteral("Fa"));
    m_fields.checkVa->hide();
    m_fields.format = makeEdit(bar, "EdFormat", tr("Format|Format associé à la table, facultatif"), 80);
    m_fields.format->setFixedWidth(std::max(80, formatFieldWidth(m_fields.format)));
    m_fields.suffixe = makeEdit(bar, "EdSuffixe",
                                tr("Références de l'objectif|Facultatif mais recommandé. Les règles d'écriture des noms de fichiers sous Windows doivent être respectées."),
                                130);
    m_fields.suffixe->installEventFilter(this);
    // The format and the lens references become the file's name, the
    // comment a line of the file: all three keep to the files' code page.
    acceptWindows1252Only(m_fields.format);
    acceptWindows1252Only(m_fields.suffixe);
    m_fields.checkNC = make<QCheckBox>(bar, "CheckNC");
    m_fields.checkNC->setText(QStringLiteral("NC"));
    m_fields.checkNC->hide();
    m_buttons.nc = makeButton(bar, "NCbtn", QString(), QStyle::SP_DialogApplyButton);
    m_buttons.nc->hide();
    m_buttons.distFilm = makeOriginButton(bar,
                                          tr("Origine des distances|Lorsque le bouton est enfoncé, les distances sont rapportées au plan du film"));
    m_buttons.distFilm->setChecked(true);
    row->addWidget(m_fields.nom);
    row->addWidget(m_fields.checkVa);
    row->addWidget(m_fields.format);
    row->addWidget(m_fields.suffixe);
    row->addWidget(m_fields.checkNC);
    row->addWidget(m_buttons.nc);
    row->addWidget(m_buttons.distFilm);

    const ToolButtonDef buttons[] = {
        {"OpenBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Ouvrir un fichier|Affichage de la table enregistrée, avec ses options d'affichage et son commentaire"), QStyle::SP_DialogOpenButton, nullptr, &m_buttons.open},
        {"SauveBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Enregistrer le fichier|Enregistrement de la table , avec ses options d'affichage et  son commentaire"), QStyle::SP_DialogSaveButton, nullptr, &m_buttons.save},
        {"ImprBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Impression du fichier|Une boîte d'options apparaît, qui permet de choisir la taille de la fonte et l'orientation"), QStyle::SP_FileDialogDetailedView, nullptr, &m_buttons.print},
        {"MemBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Paramètres en mémoire|Met en mémoire le diamètre du cercle de confusion, la focale et la distance nodale"), QStyle::SP_DriveFDIcon, nullptr, &m_buttons.mem},
        {"MemRapBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Rappel des paramètres en mémoire|Rappelle dans le groupe Manuel le diamètre, la focale et la distance nodale mise en mémoire"), QStyle::SP_BrowserReload, nullptr, &m_buttons.memRecall},
        {"ToolButton1", QT_TRANSLATE_NOOP("optolune::TableWindow", "Informations| Maintenir le bouton enfoncé pour lire le nombre de diaphragmes et le nombre de distances dans la table"), QStyle::SP_MessageBoxInformation, nullptr, &m_buttons.info},
        {"AfficheBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Paramètres et résultats| Signification et limites des paramètres, signification des résultats affichés"), QStyle::SP_DialogHelpButton, nullptr, &m_buttons.explanations},
        {"ImprEcrBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Impression d'écran de la fenêtre"), QStyle::SP_ComputerIcon, nullptr, &m_buttons.screenPrint},
        {"NotesBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Bloc-notes de Windows"), QStyle::SP_FileIcon, nullptr, &m_buttons.notes},
        {"GraphiqueBtn", QT_TRANSLATE_NOOP("optolune::TableWindow", "Graphique|Graphique de profondeur de champ : limites de netteté selon la distance de mise au point"), QStyle::SP_FileDialogContentsView, nullptr, &m_buttons.chart},
        {"ToolButton6", QT_TRANSLATE_NOOP("optolune::TableWindow", "Fermer le fenêtre|Retour à la fenêtre principale"), QStyle::SP_DialogCloseButton, nullptr, &m_buttons.close},
    };
    // The hints are translated here, where the buttons are made.
    const std::vector<QToolButton *> made = addToolButtons(bar, row, buttons);
    for (size_t i = 0; i < made.size(); ++i)
        applyHint(made[i], tr(buttons[i].hint));
    row->addStretch(1);
    return bar;
}

QWidget *TableWindow::buildSecondBar()
{
    auto *bar = make<QWidget>(this, "CPbar2");
    auto *row = barLayout(bar);
    m_fields.cercle = makeEdit(bar, "EdCercle", QString(), 60);
    m_fields.focale = makeEdit(bar, "EdFocale", QString(), 60);
    m_fields.nod = makeEdit(bar, "EdNod", QString(), 55);
    m_fields.gp = makeEdit(bar, "EdGP", QString(), 50);
    for (QLineEdit *edit : {m_fields.cercle, m_fields.focale, m_fields.nod, m_fields.gp}) {
        paintParameter(edit);
        edit->installEventFilter(this);
        row->addWidget(edit);
    }
    m_buttons.circle = makeButton(bar, "CercleBtn",
                                  tr("Sélection d'un diamètre|Sélection du diamètre du cercle de confusion"),
                                  QStyle::SP_DialogResetButton);
    row->addWidget(m_buttons.circle);
    auto *dia = m_buttons.dia = makeButton(bar, "DiaBtn",
                           tr("Liste des diaphragmes|Modifier la liste des diaphragmes ou créer une nouvelle liste"),
                           QStyle::SP_FileDialogListView);
    dia->setText(QStringLiteral("N"));
    dia->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addWidget(dia);
    auto *dist = m_buttons.dist = makeButton(bar, "DistBtn",
                            tr("Liste des distances|Modifier la liste des distances ou créer une nouvelle liste"),
                            QStyle::SP_FileDialogListView);
    dist->setText(QStringLiteral("D"));
    dist->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addWidget(dist);

    m_fields.limDec = makeEdit(bar, "EdLimDec",
                               tr("Bornes des décimales|En cliquant dans le champ, la distance associée à la cellule sélectionnée dans la grille est copiée dans le champ."),
                               50);
    paintReadOnly(m_fields.limDec);
    m_fields.limDec->installEventFilter(this);
    row->addWidget(m_fields.limDec);

    m_fields.nbDecim = make<QComboBox>(bar, "ComboNbDecim");
    for (int i = 0; i <= 8; ++i)
        m_fields.nbDecim->addItem(QString::number(i));
    applyHint(m_fields.nbDecim, tr("Nombre de décimales|Fixe le nombre de décimales pour les distances inférieures à la valeur de la borne."));
    row->addWidget(m_fields.nbDecim);

    m_fields.largCol = make<QSpinBox>(bar, "SpinLargCol");
    // Typed values outside 40..90 are reset by the program, so the spinner
    // itself accepts them.
    m_fields.largCol->setRange(0, 999);
    m_fields.largCol->setSingleStep(6);
    applyHint(m_fields.largCol, tr("Largeur des colonnes|Cliquer sur les flêches pour modifier la largeur des colonnes"));
    row->addWidget(m_fields.largCol);

    m_buttons.dh = makeButton(bar, "DhBtn",
                              tr("Orientation des distances|Bouton enfoncé,  les distances sont affichées horizontalement."),
                              QStyle::SP_ArrowRight, true);
    m_buttons.dh->setText(QStringLiteral("DH"));
    m_buttons.dh->setToolButtonStyle(Qt::ToolButtonTextOnly);
    row->addWidget(m_buttons.dh);
    m_buttons.calc = makeButton(bar, "CalcBtn",
                                tr("Actualiser|La table est actualisée avec les nouvelles valeurs des paramètres"),
                                QStyle::SP_BrowserReload);
    row->addWidget(m_buttons.calc);

    // Hidden holders of the display choices and commands without a place on
    // the bar.
    m_buttons.p = makeButton(bar, "PBtn", QString(), QStyle::SP_CustomBase, true);
    m_buttons.ab = makeButton(bar, "abBtn", QString(), QStyle::SP_CustomBase, true);
    m_buttons.h = makeButton(bar, "HBtn", QString(), QStyle::SP_CustomBase, true);
    m_buttons.grandiss = makeButton(bar, "GrandissBtn", QString(), QStyle::SP_CustomBase, true);
    makeButton(bar, "DistDefBtn", QString(), QStyle::SP_CustomBase);
    m_buttons.displayOptions = makeButton(bar, "ToolButton7", QString(), QStyle::SP_CustomBase);
    makeButton(bar, "BladBtn", QString(), QStyle::SP_CustomBase);
    makeButton(bar, "ToolButton4", QString(), QStyle::SP_CustomBase);
    for (QToolButton *hidden : bar->findChildren<QToolButton *>())
        if (hidden->icon().isNull() && hidden->text().isEmpty())
            hidden->hide();
    row->addStretch(1);
    return bar;
}

QWidget *TableWindow::buildCommentLine()
{
    auto *line = make<QWidget>(this, "PanelComment");
    auto *row = barLayout(line);
    m_fields.comment = make<QLineEdit>(line, "EdComment");
    applyHint(m_fields.comment, tr("Commentaire|Ligne de commentaire associée au fichier"));
    m_fields.comment->installEventFilter(this);
    acceptWindows1252Only(m_fields.comment);
    row->addWidget(m_fields.comment, 1);
    m_buttons.clearComment = makeButton(line, "SpeedButton2", tr("Effacer|Efface le commentaire"),
                                        QStyle::SP_LineEditClearButton);
    row->addWidget(m_buttons.clearComment);
    m_fields.checkComment = make<QCheckBox>(line, "CheckComment");
    applyHint(m_fields.checkComment, tr("Case à cocher|Cocher pour que le commentaire apparaisse à l'impression"));
    row->addWidget(m_fields.checkComment);
    return line;
}

void TableWindow::buildMenus()
{
    auto *bar = make<QMenuBar>(this, "MainMenu1");
    static_cast<QVBoxLayout *>(layout())->setMenuBar(bar);
    auto add = [this](QMenu *menu, const char *name, const QString &caption, QKeySequence keys,
                      auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        // Every menu command runs inside the guard: an error it throws is
        // reported and never unwinds through Qt's event code.
        connect(action, &QAction::triggered, this, [handler] { guarded(handler); });
        return action;
    };
    auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };

    QMenu *file = bar->addMenu(tr("&Fichier"));
    file->setObjectName(QStringLiteral("File1"));
    // The menu itself opens with Ctrl+I.
    auto *openFileMenu = new QAction(this);
    openFileMenu->setShortcut(ctrl(Qt::Key_I));
    addAction(openFileMenu);
    connect(openFileMenu, &QAction::triggered, this,
            [bar, file] { guarded([bar, file] { bar->setActiveAction(file->menuAction()); }); });
    add(file, "FileSaveItem", tr("Actualiser"), ctrl(Qt::Key_A), [this] { refresh(); });
    add(file, "FileNewItem", tr("Ouvrir"), ctrl(Qt::Key_O), [this] { OpenTableCommand(); });
    add(file, "Enregistrer", tr("Enregistrer"), ctrl(Qt::Key_S), [this] { saveCommand(); });
    add(file, "FileSaveAsItem", tr("Imprimer"), ctrl(Qt::Key_P),
        [this] { printTable(int(TableOutput::Printer)); });
    add(file, "ApercuAvantImpression", tr("Aperçu avant impression"), QKeySequence(),
        [this] { printTable(int(TableOutput::Preview)); });
    add(file, "ExporterPdf", tr("Exporter en PDF..."), QKeySequence(),
        [this] { printTable(int(TableOutput::Pdf)); });
    add(file, "ExporterCsv", tr("Exporter en CSV..."), QKeySequence(),
        [this] { exportCsv(int(CsvLayout::Grid)); });
    add(file, "ExporterCsvLignes", tr("Exporter en CSV (une ligne par case)..."),
        QKeySequence(), [this] { exportCsv(int(CsvLayout::Rows)); });

    QMenu *edit = bar->addMenu(tr("Édition"));
    edit->setObjectName(QStringLiteral("Edition1"));
    add(edit, "CopierTable", tr("Copier la table"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyTable(); });

    QMenu *view = bar->addMenu(tr("Affichage"));
    view->setObjectName(QStringLiteral("Affichage1"));
    m_actions.distFilm = add(view, "DistFilm", tr("Distances rapportées au plan du film"),
                             QKeySequence(), [this] { toggleOption(&TableState::fromFilm); });
    m_actions.dh = add(view, "Dh", tr("Distances horizontalement"), QKeySequence(),
                       [this] { toggleOption(&TableState::horizontal); });
    m_actions.p = add(view, "p", tr("Profondeur de champ"), QKeySequence(),
                      [this] { toggleOption(&TableState::showP); });
    m_actions.ab = add(view, "ab",
                       tr("Profondeur de champ en avant  et en arrière du plan de mise au point"),
                       QKeySequence(), [this] { toggleOption(&TableState::showAB); });
    m_actions.h = add(view, "H", tr("Hyperfocale"), QKeySequence(),
                      [this] { toggleOption(&TableState::showH); });
    m_actions.grandiss = add(view, "MGrandiss", tr("Grandissement et tirage"), QKeySequence(),
                             [this] { toggleOption(&TableState::showGT); });
    m_actions.diffraction = add(view, "Diffraction", tr("Diffraction"), QKeySequence(),
                                [this] { toggleOption(&TableState::diffraction); });
    m_actions.diffraction->setStatusTip(
        tr("Limites de netteté avec la diffraction : le flou total (mise au point et "
                       "tache d'Airy) ne dépasse pas le cercle"));
    add(view, "Graphique", tr("Graphique"), QKeySequence(Qt::Key_F9),
        [this] { openChart(); });
    for (QAction *a : {m_actions.distFilm, m_actions.dh, m_actions.p, m_actions.ab, m_actions.h,
                       m_actions.grandiss, m_actions.diffraction})
        a->setCheckable(true);

    QMenu *lists = bar->addMenu(tr("Listes"));
    lists->setObjectName(QStringLiteral("Lites1"));
    add(lists, "Diamtreducercledeconfusion1", tr("Diamètre du cercle de confusion"),
        ctrl(Qt::Key_C), [this] { openCircleWindow(); });
    add(lists, "Diaphragmes1", tr("Diaphragmes"), ctrl(Qt::Key_N),
        [this] { openListEditor(ListKind::Dia); });
    add(lists, "Distancesdemiseaupoint1", tr("Distances de mise au point"), ctrl(Qt::Key_D),
        [this] { openListEditor(ListKind::Dis); });

    QMenu *defaults = bar->addMenu(tr("Listes par défaut"));
    defaults->setObjectName(QStringLiteral("Listespardfaut2"));
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    auto defaultFNumbers = [this] { runListSource(ListKind::Dia, ListSource::DefaultList); };
    auto defaultDistances = [this] { runListSource(ListKind::Dis, ListSource::DefaultList); };
    auto bothDefaults = [this] {
        runListSource(ListKind::Dia, ListSource::DefaultList);
        runListSource(ListKind::Dis, ListSource::DefaultList);
    };
    add(defaults, "Diaphragmes2", tr("Diaphragmes"), QKeySequence(), defaultFNumbers);
    add(defaults, "Distances2", tr("Distances"), QKeySequence(), defaultDistances);
    add(defaults, "Diaphragmesthoriques1", tr("Diaphragmes théoriques"), QKeySequence(),
        [this] { theoreticalFNumbers(); });
    add(defaults, "Diaphragmesetdistances1", tr("Diaphragmes et distances"), QKeySequence(),
        bothDefaults);
    add(m_popup, "Diaphragmespardfaut1", tr("Diaphragmes par défaut"), QKeySequence(), defaultFNumbers);
    add(m_popup, "Distancespardfaut1", tr("Distances par défaut"), QKeySequence(), defaultDistances);
    add(m_popup, "Listespardfaut1", tr("Listes par défaut"), QKeySequence(), bothDefaults);
    add(m_popup, "ObjectifsHasselblad1", tr("Objectifs Hasselblad"), QKeySequence(),
        [this] { openLensWindow(); });
    add(m_popup, "FichiertestSuperSymmar1", tr("Fichier test Super Symmar 5,6/150"),
        QKeySequence(), [this] { loadTestTableCommand(); });

    addNotesAndQuit(bar, this, [this] { openNotesFile(); });
}

} // namespace optolune
