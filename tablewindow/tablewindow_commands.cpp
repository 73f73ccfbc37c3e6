// What the table window does on each event: read the controls into the
// state, run one operation of the table's logic, write the state back.
#include "tablewindow.h"

#include "displayoptionsdialog.h"
#include "chart/chartwindow.h"
#include "table/cellpresentation.h"
#include "table/tablecompute.h"
#include "table/tablefiles.h"
#include "tablegridmodel.h"
#include "explanations/textwindow.h"
#include "core/application.h"
#include "core/apppaths.h"
#include "core/bitmapexport.h"
#include "core/messages.h"
#include "core/diffractiontext.h"
#include "core/notes.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "print/screenprint.h"
#include "core/usererror.h"
#include "core/widgets.h"
#include "lists/listeditoropener.h"
#include "lists/listkind.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

namespace optolune {

template <typename Command> decltype(auto) TableWindow::changeTable(Command &&command)
{
    return m_gridModel->change(std::forward<Command>(command));
}

namespace {

QString rangeHint(const QString &label, long double minimum, long double maximum, int decimals)
{
    return QCoreApplication::translate("optolune::TableWindow", "%1|%1  minimum: %2  maximum: %3")
        .arg(label, LocalNumbers(FixedText(minimum, 5, decimals)),
             LocalNumbers(FixedText(maximum, 5, decimals)));
}

bool isCtrlOnly(const QKeyEvent *key) { return key->modifiers() == Qt::ControlModifier; }

} // namespace

void TableWindow::connectControls()
{
    // Every command runs inside the guard: an error it throws is reported
    // and never unwinds through Qt's event code.
    auto on = [this](QToolButton *button, auto command) {
        connect(button, &QToolButton::clicked, this, [command] { guarded(command); });
    };
    on(m_buttons.calc, [this] { refresh(); });
    on(m_buttons.open, [this] { OpenTableCommand(); });
    on(m_buttons.save, [this] { saveCommand(); });
    on(m_buttons.mem, [this] {
        readControls();
        guarded([this] { ShowNotices(StoreParameters(m_state).messages); });
    });
    on(m_buttons.memRecall, [this] {
        readControls();
        guarded([this] {
            ShowNotices(changeTable([this](TableModel &t) {
                            return RecallParameters(m_state, t);
                        }).messages);
        });
        writeControls();
        showTable();
    });
    connect(m_buttons.info, &QToolButton::pressed, this, [this] {
        guarded([this] {
            m_fields.affiche->setText(InfoLineText(table().nDia, table().nDist));
            m_panelAffiche->show();
        });
    });
    connect(m_buttons.info, &QToolButton::released, this, [this] {
        guarded([this] {
            m_panelAffiche->hide();
            m_fields.affiche->clear();
        });
    });
    on(m_buttons.explanations, [this] { openExplanation(this, QStringLiteral("table")); });
    on(m_buttons.displayOptions, [this] {
        // The dialog stores preferences; of them the table takes the way
        // diffraction is counted, at once when it counts it.
        const std::optional<DisplayOptions> chosen = openDisplayOptions(this);
        if (!chosen)
            return;
        readControls();
        const bool changed = chosen->wavelengthUm != m_state.wavelengthUm ||
                             chosen->blurModel != m_state.blurModel;
        m_state.wavelengthUm = chosen->wavelengthUm;
        m_state.blurModel = chosen->blurModel;
        if (changed && m_state.diffraction)
            refresh();
    });
    on(m_buttons.notes, [this] { openNotesFile(); });
    on(m_buttons.screenPrint, [this] { PrintWindowImage(this); });
    connect(m_buttons.close, &QToolButton::clicked, this, &QWidget::close);
    connect(m_buttons.clearComment, &QToolButton::clicked, m_fields.comment, &QLineEdit::clear);
    on(m_buttons.dia, [this] { openListEditor(ListKind::Dia); });
    on(m_buttons.dist, [this] { openListEditor(ListKind::Dis); });

    connect(m_buttons.distFilm, &QToolButton::clicked, this,
            [this](bool down) { guarded([this, down] { setOption(&TableState::fromFilm, down); }); });
    connect(m_buttons.dh, &QToolButton::clicked, this,
            [this](bool down) { guarded([this, down] { setOption(&TableState::horizontal, down); }); });

    for (QLineEdit *edit : {m_fields.cercle, m_fields.focale, m_fields.format})
        connect(edit, &QLineEdit::textChanged, this, [this] { guarded([this] { updateName(); }); });
    connect(m_fields.checkVa, &QCheckBox::toggled, this, [this] {
        if (m_writing)
            return;
        guarded([this] {
            readControls();
            updateName();
            refresh();
        });
    });
    connect(m_fields.nbDecim, &QComboBox::activated, this, [this](int index) {
        guarded([this, index] {
            readControls();
            guarded([&] {
                ShowNotices(changeTable([&](TableModel &t) {
                                return ApplyDecimalsChoice(m_state, t, index);
                            }).messages);
            });
            writeControls();
            showTable();
        });
    });
    connect(m_fields.largCol, &QSpinBox::valueChanged, this, [this](int width) {
        if (m_writing)
            return;
        guarded([this, width] {
            readControls();
            changeTable([&](TableModel &t) { return ApplyColumnWidth(m_state, t, width); });
            writeControls();
            showTable();
            m_grid->setFocus();
        });
    });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        guarded([this, at] { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });
    });
}

void TableWindow::saveCommand()
{
    guarded([this] {
        readControls();
        ShowNotices(changeTable([this](TableModel &t) {
                        return SaveTable(m_state, t, ConfirmThroughMessages);
                    }).messages);
    });
    writeControls();
    showTable();
}

void TableWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateOnce(this, m_activated, [this] { FormActivate(); });
}

void TableWindow::FormActivate()
{
    applyHint(m_fields.cercle, rangeHint(tr("Diamètre du cercle de confusion (mm)"),
                                         ValueLimits::CerMin, ValueLimits::CerMax, 3));
    applyHint(m_fields.focale, rangeHint(tr("Focale (mm)"), ValueLimits::FocMin,
                                         ValueLimits::FocMax, 2));
    applyHint(m_fields.nod,
              rangeHint(tr("Distance nodale (mm)"), ValueLimits::NodMin, ValueLimits::NodMax, 1));
    applyHint(m_fields.gp,
              rangeHint(tr("Grandissement pupillaire"), ValueLimits::GpMin, ValueLimits::GpMax, 2));

    readControls();
    m_state.decimalsIndex = 1;
    m_state.fromFilm = true;
    // Diffraction is counted with the wavelength and model of the display
    // options, unless a table file that counted it says otherwise.
    guarded([this] {
        const DisplayOptions options = readDisplayOptions(appPaths().iniFileName);
        m_state.wavelengthUm = options.wavelengthUm;
        m_state.blurModel = options.blurModel;
    });
    bool loaded = false;
    guarded([&] {
        const TableFileResult read = LoadTestTable(m_state);
        ShowNotices(read.messages);
        loaded = read.status == TableStatus::Read;
    });
    if (!loaded) {
        writeControls();
        messages().warning(tr("Bug 324, prévenez votre fournisseur "));
        return;
    }
    guarded([&] { ShowNotices(LoadTmpTable(m_state, m_tmpTablePath).messages); });
    writeControls();
    refresh();
    if (m_openOnActivation)
        OpenTableCommand();
}

void TableWindow::done(int result)
{
    // Every way out (the close commands, the frame, Escape) keeps the table
    // for the next opening; a failure is reported and the window closes all
    // the same (the user's saved tables are not touched).
    if (isVisible() && m_activated) {
        readControls();
        guarded([this] {
            const TmpTableSave saved =
                changeTable([this](TableModel &t) { return SaveTmpTable(m_state, t); });
            ShowNotices(saved.messages);
            if (saved)
                m_tmpTablePath = saved.path;
        });
    }
    if (m_graphique)
        m_graphique->close();
    QDialog::done(result);
}

void TableWindow::readControls()
{
    m_state.circle = CommaNumber(m_fields.cercle->text());
    m_state.focal = CommaNumber(m_fields.focale->text());
    m_state.nodal = CommaNumber(m_fields.nod->text());
    m_state.pupil = CommaNumber(m_fields.gp->text());
    m_state.format = m_fields.format->text();
    m_state.lensReferences = m_fields.suffixe->text();
    m_state.comment = m_fields.comment->text();
    m_state.fa = m_fields.checkVa->isChecked();
    m_state.faVisible = !m_fields.checkVa->isHidden();
    m_state.fromFilm = m_buttons.distFilm->isChecked();
    m_state.horizontal = m_buttons.dh->isChecked();
    m_state.showP = m_buttons.p->isChecked();
    m_state.showAB = m_buttons.ab->isChecked();
    m_state.showH = m_buttons.h->isChecked();
    m_state.showGT = m_buttons.grandiss->isChecked();
    m_state.decimalsIndex = m_fields.nbDecim->currentIndex();
    m_state.bound = CommaNumber(m_fields.limDec->text());
}

void TableWindow::writeControls()
{
    m_writing = true;
    const QSignalBlocker blockVa(m_fields.checkVa);
    const QSignalBlocker blockSpin(m_fields.largCol);
    m_fields.cercle->setText(LocalNumbers(m_state.circle));
    m_fields.focale->setText(LocalNumbers(m_state.focal));
    m_fields.nod->setText(LocalNumbers(m_state.nodal));
    m_fields.gp->setText(LocalNumbers(m_state.pupil));
    m_fields.format->setText(m_state.format);
    m_fields.suffixe->setText(m_state.lensReferences);
    m_fields.comment->setText(m_state.comment);
    m_fields.checkVa->setChecked(m_state.fa);
    m_fields.checkVa->setVisible(m_state.faVisible);
    const std::pair<QToolButton *, QAction *> twins[] = {
        {m_buttons.distFilm, m_actions.distFilm}, {m_buttons.dh, m_actions.dh},
        {m_buttons.p, m_actions.p},               {m_buttons.ab, m_actions.ab},
        {m_buttons.h, m_actions.h},               {m_buttons.grandiss, m_actions.grandiss}};
    const bool values[] = {m_state.fromFilm, m_state.horizontal, m_state.showP,
                           m_state.showAB,   m_state.showH,      m_state.showGT};
    for (size_t i = 0; i < std::size(twins); ++i) {
        twins[i].first->setChecked(values[i]);
        twins[i].second->setChecked(values[i]);
    }
    m_actions.diffraction->setChecked(m_state.diffraction);
    // The caption says when the limits count diffraction, and with what light.
    setWindowTitle(m_state.diffraction
                       ? tr("Table de profondeur de champ %1")
                             .arg(LocalNumbers(DiffractionTitleText(m_state.wavelengthUm,
                                                                    m_state.blurModel)))
                       : tr("Table de profondeur de champ"));
    m_fields.nbDecim->setCurrentIndex(m_state.decimalsIndex);
    m_fields.limDec->setText(LocalNumbers(m_state.bound));
    m_fields.largCol->setValue(m_state.columnWidth);
    m_state.namePrefix = BuildNamePrefix(m_state);
    m_fields.nom->setText(m_state.namePrefix);

    // The grid's background tells the origin of the distances. A palette
    // change repolishes the whole view, so it is made only when needed.
    const QColor background = GridBackgroundFor(m_state.fromFilm) == GridBackground::ToolTip
                                  ? QApplication::palette().color(QPalette::ToolTipBase)
                                  : QApplication::palette().color(QPalette::Base);
    if (m_grid->palette().color(QPalette::Base) != background) {
        QPalette pal = m_grid->palette();
        pal.setColor(QPalette::Base, background);
        m_grid->setPalette(pal);
    }
    m_writing = false;
}

void TableWindow::updateName()
{
    if (m_writing)
        return;
    readControls();
    m_state.namePrefix = BuildNamePrefix(m_state);
    m_fields.nom->setText(m_state.namePrefix);
}

void TableWindow::showTable()
{
    // The view lays itself out now rather than on a timer after its first
    // paint: a refresh is drawn once.
    m_grid->doItemsLayout();
    QHeaderView *top = m_grid->horizontalHeader();
    QHeaderView *left = m_grid->verticalHeader();
    // Each of these relays the view out: set only what changed.
    // The widths the user chooses count pixels of the narrow font the table
    // was made for; the grid shows them scaled to its own font.
    const int columnWidth = ShownColumnWidth(table().defaultColumnWidth, m_widthScale);
    const int headerWidth = ShownColumnWidth(table().headerColumnWidth, m_widthScale);
    if (top->defaultSectionSize() != columnWidth)
        top->setDefaultSectionSize(columnWidth);
    if (top->height() != table().fixedRowHeight || top->minimumHeight() != table().fixedRowHeight)
        top->setFixedHeight(table().fixedRowHeight);
    if (left->defaultSectionSize() != table().defaultRowHeight)
        left->setDefaultSectionSize(table().defaultRowHeight);
    if (left->minimumWidth() != headerWidth || left->maximumWidth() != headerWidth)
        left->setFixedWidth(headerWidth);
    followChart();
}

bool TableWindow::refresh()
{
    readControls();
    return refreshState();
}

bool TableWindow::refreshState()
{
    bool done = false;
    guarded([&] {
        const TableReport refreshed =
            changeTable([this](TableModel &t) { return RefreshTable(m_state, t); });
        ShowNotices(refreshed.messages);
        done = refreshed.done;
    });
    writeControls();
    showTable();
    return done;
}

void TableWindow::setOption(bool TableState::*option, bool value)
{
    readControls();
    m_state.*option = value;
    writeControls(); // the button and its menu twin show the new state
    if (!refresh()) {
        m_state.*option = !value;
        writeControls();
    }
}

void TableWindow::loadTestTableCommand()
{
    readControls();
    TableStatus status = TableStatus::ReadError;
    guarded([&] {
        const TableFileResult read = LoadTestTable(m_state);
        ShowNotices(read.messages);
        status = read.status;
    });
    if (status != TableStatus::Read) {
        writeControls();
        if (status != TableStatus::OtherVersion)
            messages().warning(tr("Bug 324, prévenez votre fournisseur "));
        return;
    }
    // The whole test table, as it was read: the controls are not read back
    // over it.
    refreshState();
}

void TableWindow::OpenTableCommand()
{
    readControls();
    guarded([this] {
        const auto choose = [](const QString &folder, const QString &filter) {
            return prompts().openFile(folder, filter);
        };
        ShowNotices(
            changeTable([&](TableModel &t) { return OpenTable(m_state, t, choose); }).messages);
    });
    writeControls();
    showTable();
}

void TableWindow::openListEditor(ListKind kind)
{
    readControls();
    ListEditorRequest request;
    request.owner = this;
    request.kind = kind;
    request.items = kind == ListKind::Dia ? m_state.fNumbers : m_state.distances;
    request.receiver = this;
    request.showTheoretical = kind == ListKind::Dia;
    guarded([&] { OpenListEditor(request); });
}

bool TableWindow::accepts(ListKind kind) const
{
    return kind == ListKind::Dia || kind == ListKind::Dis;
}

void TableWindow::replaceList(ListKind kind, const QStringList &items)
{
    if (kind == ListKind::Dia)
        m_state.fNumbers = items;
    else if (kind == ListKind::Dis)
        m_state.distances = items;
    refresh();
}

void TableWindow::runListSource(ListKind kind, ListSource source)
{
    readControls();
    guarded([&] { ShowNotices(RunListSource(appPaths().dataFolder, kind, source, this).notices); });
}

void TableWindow::theoreticalFNumbers()
{
    runListSource(ListKind::Dia, ListSource::TheoreticalList);
    readControls();
    m_state.horizontal = true;
    m_state.headerColumnWidth = 60;
    writeControls();
    refresh();
}

void TableWindow::takeBoundFromSelection()
{
    readControls();
    const QModelIndex current = m_grid->currentIndex();
    const int col = current.isValid() ? current.column() + 1 : 1;
    const int row = current.isValid() ? current.row() + 1 : 1;
    guarded([&] {
        ShowNotices(changeTable([&](TableModel &t) {
                        return TakeBoundFromSelection(m_state, t, col, row);
                    }).messages);
    });
    writeControls();
    showTable();
}

void TableWindow::setFaVisible(bool visible)
{
    readControls();
    m_state.faVisible = visible;
    if (!visible)
        m_state.fa = false;
    writeControls();
}

void TableWindow::openNotesFile()
{
    guarded([] { OpenNotes(appPaths().programFolder, QStringLiteral("memo.txt")); });
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool parameter = watched == m_fields.cercle || watched == m_fields.focale ||
                           watched == m_fields.nod || watched == m_fields.gp;
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // An emptied nodal distance reads as 0 at the next key; the "0,0"
        // is selected, so that the key typed replaces it ("-4" typed into
        // the empty field gives -4, not 0,0-4).
        if (watched == m_fields.nod && m_fields.nod->text().isEmpty()) {
            m_fields.nod->setText(LocalNumbers(QStringLiteral("0,0")));
            m_fields.nod->selectAll();
        }
        if (parameter && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() != Qt::AltModifier) {
            refresh();
            return true;
        }
        if (watched == m_fields.nom && isCtrlOnly(key) &&
            (key->key() == Qt::Key_F11 || key->key() == Qt::Key_F12)) {
            setFaVisible(key->key() == Qt::Key_F11);
            return true;
        }
        if (watched == m_fields.suffixe && isCtrlOnly(key) &&
            (key->key() == Qt::Key_F11 || key->key() == Qt::Key_F12)) {
            const bool show = key->key() == Qt::Key_F11;
            m_fields.checkNC->setVisible(show);
            m_buttons.nc->setVisible(show);
            return true;
        }
        if (watched == m_fields.comment && isCtrlOnly(key) && key->key() == Qt::Key_F10) {
            ExportClipboardBitmap(this);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_fields.limDec) {
            readControls();
            guarded([this] {
                ShowNotices(
                    changeTable([this](TableModel &t) { return ResetBound(m_state, t); }).messages);
            });
            writeControls();
            showTable();
            return true;
        }
        if (watched == m_fields.nom) {
            setFaVisible(m_fields.checkVa->isHidden());
            refresh();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == m_fields.limDec) {
        takeBoundFromSelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowTableWindow(QWidget *owner, bool openFirst, QString &tmpTablePath)
{
    TableWindow form(owner);
    form.setTmpTablePath(tmpTablePath);
    // The open command runs once the window has taken its tables, so that
    // the table the user chose is the one shown.
    form.m_openOnActivation = openFirst;
    form.exec();
    tmpTablePath = form.tmpTablePath();
}

} // namespace optolune
