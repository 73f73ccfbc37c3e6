// The depth-of-field table window: the lens parameters, the f-number and
// distance lists, the display choices and the grid of the table. Each event
// reads the controls into the table's state (TableState), runs one operation
// of the table's logic units (tablecompute, cellpresentation, tablefiles) and
// writes the state back into the controls; the grid shows the TableModel
// through TableGridModel. The list editor hands its lists back through
// ListReceiver.
#pragma once

#include "lists/defaultlists.h"
#include "lists/listreceiver.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTableView;
class QToolButton;

namespace optolune {

class TableGridModel;
class ChartWindow;

class TableWindow : public QDialog, private ListReceiver {
    Q_OBJECT
public:
    explicit TableWindow(QWidget *parent = nullptr);
    ~TableWindow() override;

    // The open command (OpenBtn, menu "Ouvrir"); the main window's Ctrl+O runs
    // it before showing the window.
    void OpenTableCommand();

    // The path of the tmp table that keeps the window's state from one
    // opening to the next: read at activation, written when the window
    // closes. The main window keeps it, and the settings file between runs.
    void setTmpTablePath(const QString &path) { m_tmpTablePath = path; }
    const QString &tmpTablePath() const { return m_tmpTablePath; }

    const TableState &state() const { return m_state; }
    const TableModel &table() const;
    // The chart window while it is open (GraphiqueBtn, "Affichage >
    // Graphique"), else nullptr.
    ChartWindow *chartWindow() const;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    QWidget *buildFirstBar();
    QWidget *buildSecondBar();
    QWidget *buildCommentLine();
    void connectControls();
    void connectChildren();

    void FormActivate();
    void readControls();
    void writeControls();
    void showTable();
    // Runs a command of the table's logic on the table, through the grid
    // model that owns it and resets its view around the change.
    template <typename Command> decltype(auto) changeTable(Command &&command);
    // Reads the controls into the state, then refreshState().
    bool refresh();
    // Refreshes the table from the state as it stands (a command that has
    // just read a file into it), then shows the state in the controls.
    bool refreshState();
    void loadTestTableCommand();

    // Sets one display choice, refreshes, and puts the choice back when the
    // refresh could not run (an empty list).
    void toggleOption(bool TableState::*option) { setOption(option, !(m_state.*option)); }
    void openListEditor(ListKind kind);
    void openCircleWindow();
    void openLensWindow();
    void runListSource(ListKind kind, ListSource source);
    void theoreticalFNumbers();
    void takeBoundFromSelection();
    bool accepts(ListKind kind) const override; // f-numbers and distances
    void replaceList(ListKind kind, const QStringList &items) override;
    void setFaVisible(bool visible);
    void openNotesFile();
    // "Exporter en CSV...", "Copier la table" and the chart window
    // (calculprof_export.cpp).
    void connectExports();
    void exportCsv(int layout); // a CsvLayout
    void copyTable();
    void openChart();
    void followChart();
    // "Imprimer", the print preview and the PDF export (calculprof_print.cpp).
    void connectPrinting();
    void printTable(int output);
    void setOption(bool TableState::*option, bool value);
    void updateName();
    // "Enregistrer" (SauveBtn and the menu's action): saves the table as the
    // fields give it, then shows the state after the save, failed or not.
    void saveCommand();

    struct Fields {
        QLineEdit *nom = nullptr, *format = nullptr, *suffixe = nullptr;
        QLineEdit *cercle = nullptr, *focale = nullptr, *nod = nullptr, *gp = nullptr;
        QLineEdit *limDec = nullptr, *comment = nullptr, *affiche = nullptr;
        QComboBox *nbDecim = nullptr;
        QSpinBox *largCol = nullptr;
        QCheckBox *checkComment = nullptr, *checkVa = nullptr, *checkNC = nullptr;
    } m_fields;
    struct Buttons {
        QToolButton *distFilm = nullptr, *dh = nullptr, *info = nullptr, *nc = nullptr;
        QToolButton *p = nullptr, *ab = nullptr, *h = nullptr, *grandiss = nullptr;
        // The commands' buttons, connected as built.
        QToolButton *open = nullptr, *save = nullptr, *print = nullptr;         // OpenBtn, SauveBtn, ImprBtn
        QToolButton *mem = nullptr, *memRecall = nullptr;                       // MemBtn, MemRapBtn
        QToolButton *explanations = nullptr, *screenPrint = nullptr;            // AfficheBtn, ImprEcrBtn
        QToolButton *notes = nullptr, *chart = nullptr, *close = nullptr;       // NotesBtn, GraphiqueBtn, ToolButton6
        QToolButton *circle = nullptr, *dia = nullptr, *dist = nullptr;         // CercleBtn, DiaBtn, DistBtn
        QToolButton *calc = nullptr, *displayOptions = nullptr;                 // CalcBtn, ToolButton7
        QToolButton *clearComment = nullptr;                                    // SpeedButton2
    } m_buttons;
    struct Actions {
        QAction *distFilm = nullptr, *dh = nullptr;
        QAction *p = nullptr, *ab = nullptr, *h = nullptr, *grandiss = nullptr;
        QAction *diffraction = nullptr;
    } m_actions;
    QWidget *m_panelAffiche = nullptr;
    QTableView *m_grid = nullptr;
    TableGridModel *m_gridModel = nullptr;
    QMenu *m_popup = nullptr;
    QPointer<ChartWindow> m_graphique;
    TableState m_state;
    QString m_tmpTablePath;
    double m_widthScale = 1; // ColumnWidthScale of the grid's font
    bool m_activated = false;
    bool m_writing = false;      // controls being written from the state
    bool m_openOnActivation = false;

    friend void ShowTableWindow(QWidget *owner, bool openFirst, QString &tmpTablePath);
};

// Opens the table window modally over the owner; `openFirst` runs its open
// command before it is shown (the main window's Ctrl+O). The window reads its
// tmp table from tmpTablePath and leaves there the one it writes.
void ShowTableWindow(QWidget *owner, bool openFirst, QString &tmpTablePath);

} // namespace optolune
