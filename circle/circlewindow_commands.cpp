// What the circle window does on each event: read the fields into the
// state, run one operation of the circle's logic, write the state back.
#include "circlewindow.h"

#include "formatgridmodel.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "print/screenprint.h"
#include "core/showntext.h"
#include "core/usererror.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>

namespace optolune {

namespace {

QString dataPath(const QString &name) { return appPaths().dataFolder + name; }

// Moves a damaged current grid out of the way of the next save, under the
// first free name "cbxcgr7.stf.illisible", "cbxcgr7.stf.illisible2", ...
// Returns the new path, or an empty text when it could not be moved.
QString putAside(const QString &path)
{
    for (int n = 1; n <= 99; ++n) {
        const QString aside =
            path + QStringLiteral(".illisible") + (n == 1 ? QString() : QString::number(n));
        if (QFileInfo::exists(aside))
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return QString();
}

} // namespace

void CircleWindow::connectControls()
{
    auto on = [this](QToolButton *button, auto command) {
        connect(button, &QToolButton::clicked, this, [this, command] { guarded([&] { command(); }); });
    };
    on(m_buttons.calc, [this] { calculate(); });
    on(m_buttons.add, [this] { addRow(); });
    on(m_buttons.clearGrid, [this] { clearGrid(); });
    on(m_buttons.clearRow, [this] { clearSelectedRow(); });
    on(m_buttons.load1, [this] { loadGrid(Grid1Name(), true); });
    on(m_buttons.save1, [this] {
        saveGrid(Grid1Name(), tr("La grille enregistrée sera écrasée. Continuer?"));
    });
    on(m_buttons.load2, [this] { loadGrid(Grid2Name(), false); });
    on(m_buttons.save2, [this] {
        saveGrid(Grid2Name(), tr("La grille par défaut enregistrée sera écrasée. Continuer?"));
    });
    on(m_buttons.ok, [this] { handBack(); });
    connect(m_buttons.cancel, &QToolButton::clicked, this, &QDialog::reject);
    on(m_buttons.print, [this] { PrintWindowImage(this); });

    // A typed dimension or a preset makes the results stale.
    for (QLineEdit *edit : {m_fields.largF, m_fields.longF, m_fields.largT, m_fields.longT})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (m_writing)
                return;
            guarded([this] {
                readControls();
                ClearCircleResults(m_state);
                writeControls();
            });
        });
    // Enter in a field computes, as Calculer does.
    for (QLineEdit *edit : {m_fields.largF, m_fields.longF, m_fields.largT, m_fields.longT, m_fields.distObs})
        connect(edit, &QLineEdit::returnPressed, this, [this] { guarded([this] { calculate(); }); });
    connect(m_fields.format, &QComboBox::activated, this,
            [this](int index) { guarded([this, index] { filmPresetChosen(index); }); });
    connect(m_fields.film, &QComboBox::activated, this,
            [this](int index) { guarded([this, index] { printPresetChosen(index); }); });
    connect(m_fields.pf, &QCheckBox::clicked, this, [this] { guarded([this] { flagToggled(); }); });
    connect(m_fields.distMin, &QCheckBox::clicked, this, [this] { guarded([this] { flagToggled(); }); });
}

void CircleWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateOnce(this, m_activated, [this] { FormActivate(); });
}

void CircleWindow::FormActivate()
{
    const QString path = dataPath(CurrentGridName());
    try {
        if (std::optional<FormatGrid> kept = ReadGridFile(path))
            m_grid = std::move(*kept);
    } catch (const UserError &e) {
        // The grid starts from its headers; the damaged file is kept for
        // the user under another name, out of the way of the close's save.
        m_grid = NewFormatGrid();
        const QString aside = putAside(path);
        // The file's fault, then on a line of its own what became of it.
        QString next;
        if (aside.isEmpty()) {
            m_saveOnClose = false;
            next = tr("Il n'a pas pu être mis de côté : la grille ne sera pas enregistrée à la fermeture.");
        } else {
            next = tr("Il est conservé sous le nom %1 ; la grille repart de ses seuls en-têtes.")
                       .arg(ShownPath(QDir::toNativeSeparators(aside)));
        }
        const QString text = e.text() + QStringLiteral("\r\n") + next;
        showGrid();
        messages().error(text);
    }
    m_gridLoaded = true;
    SetGridHeaders(m_grid);
    showGrid();
    selectRow(1);

    m_fields.format->setCurrentIndex(kDefaultFilmPreset);
    m_fields.film->setCurrentIndex(kDefaultPrintPreset);
    readControls();
    ApplyFilmPreset(m_state, kDefaultFilmPreset);
    ApplyPrintPreset(m_state, kDefaultPrintPreset);
    writeControls();
}

void CircleWindow::done(int result)
{
    // Every way out keeps the grid for the next opening. When it cannot be
    // written the user chooses between staying and leaving without it.
    // Closed before the activation read it, the file is left as it is.
    if (isVisible() && m_gridLoaded && m_saveOnClose) {
        try {
            WriteGridFile(m_grid, dataPath(CurrentGridName()));
        } catch (const UserError &e) {
            messages().error(e.text());
            if (!messages().confirm(
                    tr("La grille n'a pas pu être enregistrée. Fermer sans l'enregistrer ?"))) {
                m_choice.reset();
                return;
            }
        }
    }
    QDialog::done(result);
}

void CircleWindow::readControls()
{
    m_state.largF = CommaNumber(m_fields.largF->text());
    m_state.longF = CommaNumber(m_fields.longF->text());
    m_state.largT = CommaNumber(m_fields.largT->text());
    m_state.longT = CommaNumber(m_fields.longT->text());
    m_state.distObs = CommaNumber(m_fields.distObs->text());
    m_state.fullFrame = m_fields.pf->isChecked();
    m_state.minDistance = m_fields.distMin->isChecked();
}

void CircleWindow::writeControls()
{
    m_writing = true;
    // Only what changed, so that a field being typed in keeps its cursor.
    // The numbers as the user's language writes them.
    setChangedTexts({{m_fields.largF, LocalNumbers(m_state.largF)},
                     {m_fields.longF, LocalNumbers(m_state.longF)},
                     {m_fields.largT, LocalNumbers(m_state.largT)},
                     {m_fields.longT, LocalNumbers(m_state.longT)},
                     {m_fields.distObs, LocalNumbers(m_state.distObs)},
                     {m_fields.fmodif, LocalNumbers(m_state.fmodif)},
                     {m_fields.tmodif, LocalNumbers(m_state.tmodif)},
                     {m_fields.diagTir, LocalNumbers(m_state.diagTir)},
                     {m_fields.coeff, LocalNumbers(m_state.coeff)},
                     {m_fields.distObsCalc, LocalNumbers(m_state.distObsCalc)},
                     {m_fields.c, LocalNumbers(m_state.c)},
                     {m_fields.nmin, LocalNumbers(m_state.nmin)}});
    m_fields.pf->setChecked(m_state.fullFrame);
    m_fields.distMin->setChecked(m_state.minDistance);
    paintViewingDistance();
    m_writing = false;
}

void CircleWindow::paintViewingDistance()
{
    // Yellow while the distance takes part in the result.
    m_fields.distObs->setStyleSheet(m_state.minDistance
                                        ? QStringLiteral("QLineEdit { background: #ffff00; }")
                                        : QStringLiteral("QLineEdit { background: palette(window); }"));
}

void CircleWindow::showGrid()
{
    m_model->gridReset();
    fitColumns();
}

void CircleWindow::fitColumns()
{
    // Each column keeps its width, widened when a text of the grid would
    // not fit: a format name or a c cut in the middle reads wrong.
    const QFontMetrics metrics(m_view->font());
    const auto &widths = GridColumnWidths();
    constexpr int padding = 8, widest = 240;
    for (int c = 0; c < kGridColumns; ++c) {
        int width = widths[static_cast<size_t>(c)];
        for (int r = 0; r < m_grid.rowCount(); ++r) {
            const QString shown = r == 0 ? GridHeaderShown(m_grid.cell(r, c), c) : GridCellShown(m_grid.cell(r, c), c);
            width = std::max(width, std::min(widest, metrics.horizontalAdvance(shown) + padding));
        }
        if (m_view->columnWidth(c) != width)
            m_view->setColumnWidth(c, width);
    }
}

int CircleWindow::selectedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void CircleWindow::selectRow(int gridRow)
{
    if (gridRow < 1 || gridRow >= m_grid.rowCount())
        gridRow = 1;
    const QModelIndex at = m_model->index(gridRow - 1, 0);
    m_view->selectionModel()->setCurrentIndex(
        at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool CircleWindow::calculate()
{
    readControls();
    // c and the f-number are emptied on the screen before the check, so that
    // a failed check's warning does not stand over the previous results.
    m_state.c.clear();
    m_state.nmin.clear();
    writeControls();
    const CircleCheck check = CalculateCircle(m_state);
    writeControls();
    if (check.warning)
        messages().warning(*check.warning);
    return static_cast<bool>(check);
}

void CircleWindow::filmPresetChosen(int index)
{
    readControls();
    ApplyFilmPreset(m_state, index);
    writeControls();
}

void CircleWindow::printPresetChosen(int index)
{
    readControls();
    ApplyPrintPreset(m_state, index);
    writeControls();
}

void CircleWindow::flagToggled()
{
    readControls();
    ClearCircleResults(m_state);
    writeControls();
    calculate();
}

void CircleWindow::addRow()
{
    // A failed check leaves the row as it was: it may hold a good result.
    if (!calculate())
        return;
    const int row = selectedRow();
    if (row < 1 || row >= m_grid.rowCount())
        return;
    m_grid.setRow(row, CircleGridRow(m_state, FilmFormatName(m_state, m_fields.format->currentIndex())));
    m_model->gridRowChanged(row);
    fitColumns();
}

void CircleWindow::clearGrid()
{
    if (!messages().confirm(tr("La grille actuelle sera effacée. Continuer?")))
        return;
    ClearGridRows(m_grid);
    m_model->gridCellsChanged();
}

void CircleWindow::clearSelectedRow()
{
    const int row = selectedRow();
    ClearGridRow(m_grid, row);
    m_model->gridRowChanged(row);
}

void CircleWindow::loadGrid(const QString &name, bool ask)
{
    if (ask && !messages().confirm(tr("La grille actuelle sera effacée. Continuer?")))
        return;
    // The grid changes only when the whole file has read.
    std::optional<FormatGrid> loaded;
    try {
        loaded = ReadGridFile(dataPath(name));
    } catch (const UserError &e) {
        messages().error(e.text());
        return;
    }
    if (!loaded)
        return;
    const int row = selectedRow();
    const bool sameShape = loaded->rowCount() == m_grid.rowCount();
    m_grid = std::move(*loaded);
    if (sameShape) {
        m_model->gridCellsChanged();
        fitColumns();
    } else {
        showGrid();
        selectRow(row);
    }
    // A new grid is read from its top.
    m_view->scrollToTop();
}

void CircleWindow::saveGrid(const QString &name, const QString &question)
{
    if (!messages().confirm(question))
        return;
    WriteGridFile(m_grid, dataPath(name));
}

void CircleWindow::handBack()
{
    GridRowChoice chosen = ChooseGridRow(m_grid, selectedRow());
    m_model->gridCellsChanged(); // points became commas
    if (chosen.warning)
        messages().warning(*chosen.warning);
    if (!chosen.choice)
        return;
    m_choice = std::move(chosen.choice);
    QDialog::accept();
}

} // namespace optolune
