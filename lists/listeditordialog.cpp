#include "listeditordialog.h"

#include "core/application.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QComboBox>
#include <algorithm>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

namespace {

// Six columns of items, as many rows as the list's height holds, then the
// list scrolls sideways.
constexpr int kColumns = 6;

struct ButtonDef {
    const char *name;
    const char *caption;
    const char *hint;
};

// The height of a row of the list's grid.
int rowHeight(const QFontMetrics &metrics) { return metrics.height() + 6; }

// Each item as tall as its row of the grid, so that its check box stands in
// the middle of the row instead of against its top: against the list's
// frame, for the first row.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), rowHeight(option.fontMetrics)));
        return size;
    }
};

void setBaseColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

QLabel *label(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    return l;
}

} // namespace

ListEditorDialog::ListEditorDialog(ListKind kind, QWidget *parent, const QString &dataFolder)
    : QDialog(parent), m_editor(dataFolder, kind)
{
    setObjectName(QStringLiteral("FormListes"));
    setWindowTitle(m_editor.fields.caption);
    buildControls();
    pushState();
    // A fixed-size dialog, measured with every control shown: hiding the
    // section controls for f-numbers leaves their place empty.
    setFixedSize(sizeHint());
}

QToolButton *ListEditorDialog::button(Command command)
{
    static const std::map<Command, ButtonDef> defs = {
        {Command::DefItem,
         {"DefItemBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Par défaut"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Liste par défaut|Remplace la liste courante par la liste par défaut")}},
        {Command::Th,
         {"ThBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Théorique"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Listethéorique|Remplace la liste courante par la liste théorique")}},
        {Command::DelEch,
         {"DelEchBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Supprimer"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Suppression de liste|Suppression de la liste dont le numéro est "
          "sélectionné")}},
        {Command::SauveT,
         {"SauveEchT", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Enregistrer tout"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Enregistrer la liste courante sous|Enregistrement de la liste "
          "courante\nsous le numéro sélectionné")}},
        {Command::SauveC,
         {"SauveEchC", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Enregistrer cochés"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Enregistrer la lise des items sélectionnés sous|Enregistrement de la "
          "liste des items cochés\nsous le numéro sélectionné")}},
        {Command::Rappel,
         {"RappelEch", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ouvrir"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ouverture d'une liste|La liste dont le numéro est sélectionné devient "
          "la liste courante")}},
        {Command::Aband, {"AbandBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Abandonner"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Quitter sans valider la liste|")}},
        {Command::Ok, {"OkBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ok"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Quitter en validant la liste|")}},
        {Command::DelCour, {"DelCourBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Vider"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Suppression de la liste courante|")}},
        {Command::DelCourC,
         {"DelCourCBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ôter cochés"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Suppression des items cochés|Les items cochés sont retirés de la "
          "liste courante")}},
        {Command::DelCourNC,
         {"DelCourNCBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ôter non cochés"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Suppression des items non cochés|Les items non cochés sont retirés "
          "de la liste courante")}},
        {Command::Add,
         {"AddBtn", "+", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ajoûter|L'item saisi dans le champ est ajouté à la liste courante")}},
        {Command::VideCh,
         {"VideChBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Effacer"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Remise à zéro|Effacement des champs de section")}},
        {Command::InitCh,
         {"InitChBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Fin → Début"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Préparation|Le champ Fin est copié dans le champ Début puis effacé")}},
        {Command::AddSec,
         {"AddSecBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ajouter"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Ajouter|Ajouter la section à la liste courante ")}},
        {Command::CreSec,
         {"CreSecBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Remplacer"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Remplacer|La section remplace la liste courante ")}},
        {Command::MarqueTous,
         {"MarqueTousBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Tous"), QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Tous|Cocher tous les itms de  la liste courante ")}},
        {Command::MarqueInv,
         {"MarqueInvBtn", QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Inverser"),
          QT_TRANSLATE_NOOP("optolune::ListEditorDialog", "Inverser|Les  items cochés perdent leur coche et les items non "
          "cochés sont cochés")}},
        {Command::SpinUp, {"SpinCourUp", "", ""}},
        {Command::SpinDown, {"SpinCourDown", "", ""}},
    };
    const ButtonDef &def = defs.at(command);
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(def.name));
    b->setText(*def.caption ? tr(def.caption) : QString());
    b->setAutoRaise(false);
    if (*def.hint)
        applyHint(b, tr(def.hint));
    connect(b, &QToolButton::clicked, this, [this, command] { guarded([this, command] { runCommand(command); }); });
    m_buttons[command] = b;
    return b;
}

void ListEditorDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(3);
    layout->addWidget(buildTopRow());
    layout->addWidget(buildEditRow());
    layout->addWidget(buildMarksRow());

    auto *list = make<QListWidget>(this, "CheckListBox1");
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new RowDelegate(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(760, 244);
    setBaseColor(list, list->palette().color(QPalette::ToolTipBase));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    list->setPalette(palette);
    m_fields.list = list;
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemChanged, this,
            [this](QListWidgetItem *item) { guarded([this, item] { markChanged(item); }); });
    layout->addWidget(list, 1);

    auto *edaffiche = make<QLineEdit>(this, "Edaffiche");
    edaffiche->setReadOnly(true);
    applyHint(edaffiche, tr("Commentaire|Ligne de commentaire associée au fichier"));
    m_fields.edaffiche = edaffiche;
    layout->addWidget(edaffiche);

    m_fields.status = addStatusBar(this, layout);
}

QFrame *ListEditorDialog::buildTopRow()
{
    auto *panel = make<QFrame>(this, "Panel2");
    panel->setFrameShape(QFrame::StyledPanel);
    applyHint(panel, tr("Listes enregistrées"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(3, 3, 3, 3);
    row->addWidget(button(Command::DefItem));
    auto *th = button(Command::Th);
    th->setVisible(false); // shown by the callers that offer the theoretical list
    row->addWidget(th);
    row->addSpacing(8);
    row->addWidget(label(panel, tr("N°")));
    auto *combo = make<QComboBox>(panel, "ComboNum");
    combo->addItems(ListEditor::StoredListNames());
    combo->setCurrentIndex(0);
    applyHint(combo, tr("Numéro de liste|Pour sélectionner un numéro"));
    m_fields.comboNum = combo;
    row->addWidget(combo);
    row->addWidget(button(Command::Rappel));
    row->addWidget(button(Command::SauveT));
    row->addWidget(button(Command::SauveC));
    row->addWidget(button(Command::DelEch));
    row->addStretch(1);
    row->addWidget(button(Command::Aband));
    row->addWidget(button(Command::Ok));
    return panel;
}

QFrame *ListEditorDialog::buildEditRow()
{
    auto *panel = make<QFrame>(this, "Panel6");
    panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(3, 3, 3, 3);
    row->addWidget(button(Command::DelCour));
    row->addWidget(button(Command::DelCourC));
    row->addWidget(button(Command::DelCourNC));
    row->addSpacing(8);

    auto *edAdd = make<QLineEdit>(panel, "EdAdd");
    edAdd->setFixedWidth(64);
    setBaseColor(edAdd, Qt::yellow);
    applyHint(edAdd,
              tr("Item|Champ de saisie d'un item\nà ajouter à la liste courante"));
    edAdd->installEventFilter(this);
    m_fields.edAdd = edAdd;
    row->addWidget(edAdd);
    row->addWidget(button(Command::Add));
    row->addSpacing(8);

    auto addSection = [&](QWidget *w) {
        row->addWidget(w);
        m_fields.section.push_back(w);
    };
    auto sectionField = [&](const char *name, const QString &caption, const QString &hint) {
        addSection(label(panel, caption));
        auto *ed = make<QLineEdit>(panel, name);
        ed->setFixedWidth(60);
        setBaseColor(ed, Qt::yellow);
        applyHint(ed, hint);
        addSection(ed);
        return ed;
    };
    m_fields.minSec = sectionField("MinSec", tr("Début"),
                                   tr("Début de section| Début de section de la "
                                                  "section à créer"));
    m_fields.maxSec = sectionField("MaxSec", tr("Fin"),
                                   tr("Fin de section| Fin de la section à créer"));
    addSection(label(panel, tr("Pas")));
    auto *pas = make<QComboBox>(panel, "PasSec");
    pas->setMinimumContentsLength(4);
    applyHint(pas, tr("Pas|Pas de la section à créer"));
    m_fields.pasSec = pas;
    addSection(pas);
    for (Command c : {Command::VideCh, Command::InitCh, Command::AddSec, Command::CreSec})
        addSection(button(c));
    row->addStretch(1);
    return panel;
}

QFrame *ListEditorDialog::buildMarksRow()
{
    auto *panel = make<QFrame>(this, "Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    applyHint(panel, tr("Modification des items"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(3, 3, 3, 3);
    row->addWidget(button(Command::MarqueTous));
    row->addWidget(button(Command::MarqueInv));
    row->addSpacing(8);

    auto *spin = make<QWidget>(panel, "SpinCour");
    applyHint(spin, tr("Coches| Sélectionner un item, vers le bas placer les "
                                   "coches,vers le haut enlever les coches."));
    auto *arrows = new QHBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(1);
    for (Command c : {Command::SpinUp, Command::SpinDown}) {
        QToolButton *b = button(c);
        b->setParent(spin);
        b->setArrowType(c == Command::SpinUp ? Qt::UpArrow : Qt::DownArrow);
        b->setStatusTip(spin->statusTip());
        b->setToolTip(spin->toolTip());
        arrows->addWidget(b);
    }
    m_fields.spin = spin;
    row->addWidget(spin);
    row->addWidget(label(panel, tr("Coches")));
    row->addSpacing(8);

    auto *nbA = make<QToolButton>(panel, "NbABtn");
    nbA->setText(tr("Nombre d'items"));
    applyHint(nbA, tr("Nombre d'items|Maintenir le bouton enfoncé pour lire Nombre "
                                  "d'items cochés/Nombre d'items"));
    connect(nbA, &QToolButton::pressed, this, [this] {
        guarded([this] {
            m_fields.edNbcoches->setText(m_editor.CountText());
            m_fields.edNbcoches->setVisible(true);
        });
    });
    connect(nbA, &QToolButton::released, this,
            [this] { guarded([this] { m_fields.edNbcoches->setVisible(false); }); });
    m_fields.nbA = nbA;
    row->addWidget(nbA);

    auto *count = make<QLineEdit>(panel, "EdNbcoches");
    count->setReadOnly(true);
    count->setFixedWidth(70);
    setBaseColor(count, QColor(0xC0, 0xC0, 0xC0));
    applyHint(count, tr("Nombre d'items cochés|Affiché seulement en cliquant sur "
                                    "l'ampoule"));
    // Keeps its place in the row while hidden, so the row does not jump.
    QSizePolicy keep = count->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    count->setSizePolicy(keep);
    count->setVisible(false);
    m_fields.edNbcoches = count;
    row->addWidget(count);
    row->addStretch(1);
    return panel;
}

void ListEditorDialog::setCaption(const QString &caption)
{
    m_editor.fields.caption = caption;
    setWindowTitle(caption);
}

void ListEditorDialog::setRangeLine(const QString &text) { m_fields.edaffiche->setText(text); }

void ListEditorDialog::setWording(ListWording wording) { m_editor.wording = wording; }

void ListEditorDialog::setReceiver(ListReceiver *receiver) { m_receiver = receiver; }

void ListEditorDialog::setCurrentList(const QStringList &texts)
{
    m_editor.current = ValueList::fromTexts(texts, true);
    pushList();
}

void ListEditorDialog::setTheoreticalButtonVisible(bool visible)
{
    m_buttons.at(Command::Th)->setVisible(visible);
}

void ListEditorDialog::setSectionControlsVisible(bool visible)
{
    for (QWidget *w : m_fields.section)
        w->setVisible(visible);
}

void ListEditorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        guarded([this] { FormActivate(); });
    }
}

void ListEditorDialog::FormActivate()
{
    pullFields();
    m_editor.Activate();
    pushState();
}

bool ListEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    QListWidget *list = m_fields.list;
    if (!list)
        return QDialog::eventFilter(watched, event);
    if (watched == list->viewport() && event->type() == QEvent::Resize) {
        list->setGridSize(QSize(list->viewport()->width() / kColumns, rowHeight(list->fontMetrics())));
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool altAlone = (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
    if (watched == m_fields.edAdd &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if (!altAlone)
            runCommand(Command::Add);
        return true; // Enter adds the item; it never presses a button of the dialog
    }
    if (watched == list && key->key() == Qt::Key_Delete && !altAlone) {
        const int row = selectedRow();
        run([this, row] { m_editor.RemoveItem(row); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace optolune
