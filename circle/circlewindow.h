// The circle-of-confusion window (CircleWindow): the photographer computes the
// circle c that suits a film enlarged to a print seen from a distance
// (circlecalc), collects results in a grid kept in the Data folder
// (formatgrid, shown through FormatGridModel), and hands one row's c and
// film format back to the depth-of-field table. The window copies its fields
// into a CircleState, runs one logic operation and writes the state back.
#pragma once

#include "circlecalc.h"
#include "formatgrid.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableView;
class QToolButton;

namespace optolune {

class FormatGridModel;

class CircleWindow : public QDialog {
    Q_OBJECT
public:
    explicit CircleWindow(QWidget *parent = nullptr);
    ~CircleWindow() override;

    // What the last successful Ok chose.
    const std::optional<CircleChoice> &choice() const { return m_choice; }
    const CircleState &state() const { return m_state; }
    const FormatGrid &grid() const { return m_grid; }
    // The selected grid row (1 to the last).
    int selectedRow() const;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildControls();
    QWidget *buildTopBar();
    QGroupBox *buildFilmGroup();
    QGroupBox *buildPrintGroup();
    QGroupBox *buildResultGroup();
    QWidget *buildGridBar();
    void connectControls();

    void FormActivate();
    void readControls();
    void writeControls();
    void paintViewingDistance();
    void showGrid();
    void fitColumns();
    void selectRow(int gridRow);

    // The compute command; false when a check failed.
    bool calculate();
    void filmPresetChosen(int index);
    void printPresetChosen(int index);
    void flagToggled();
    void addRow();
    void clearGrid();
    void clearSelectedRow();
    void loadGrid(const QString &name, bool ask);
    void saveGrid(const QString &name, const QString &question);
    void handBack();

    struct Fields {
        QComboBox *format = nullptr, *film = nullptr; // ComboFormat, ComboFilm
        QLineEdit *largF = nullptr, *longF = nullptr, *largT = nullptr, *longT = nullptr;
        QLineEdit *distObs = nullptr;
        QCheckBox *pf = nullptr, *distMin = nullptr;
        QLineEdit *fmodif = nullptr, *tmodif = nullptr, *diagTir = nullptr, *distObsCalc = nullptr;
        QLineEdit *coeff = nullptr, *c = nullptr, *nmin = nullptr;
    } m_fields;
    // The commands' buttons, as built.
    struct Buttons {
        QToolButton *print = nullptr;    // SpeedButton13
        QToolButton *cancel = nullptr;   // SpeedButton3
        QToolButton *ok = nullptr;       // validebtn
        QToolButton *calc = nullptr;     // CalcBtn
        QToolButton *add = nullptr;      // AddBtn
        QToolButton *load1 = nullptr;    // LoadBtn
        QToolButton *save1 = nullptr;    // SaveBtn
        QToolButton *load2 = nullptr;    // DefBtnLoad
        QToolButton *save2 = nullptr;    // DefBtnSave
        QToolButton *clearGrid = nullptr; // ToolButton3
        QToolButton *clearRow = nullptr; // ToolButton4
    } m_buttons;
    QTableView *m_view = nullptr;
    FormatGridModel *m_model = nullptr;

    CircleState m_state;
    FormatGrid m_grid;
    std::optional<CircleChoice> m_choice;
    bool m_activated = false;
    bool m_gridLoaded = false; // the activation has read the current grid
    bool m_writing = false;
    // False when a damaged current grid could not be put aside: the close
    // then leaves it for the user to look at.
    bool m_saveOnClose = true;
};

} // namespace optolune
