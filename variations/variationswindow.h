// The variations window: depth of field for one setting at a time. The group
// "Auto" holds four value lists (circle diameters, focal lengths, f-numbers,
// distances) that feed the parameter fields of the group "Manuel"; every
// action recomputes the fourteen results of the group "Profondeur de champ"
// and of the bottom bar through variationscompute, after the field check of
// variationsfields where the action calls for it. Lists come from the list
// editor (listeditoropener, handed back through ListReceiver), the default
// lists and the theoretical f-numbers (defaultlists); the lens parameters
// are stored in the memory shared with the table (memoryfile). Two buttons
// step the f-number by half stops while they are held, and the focus-spread
// dialog (focusspreaddialog) sets the focus and f-number from rail readings.
// SpeedButton13 prints the window's image (screenprint).
#pragma once

#include "variationscompute.h"
#include "variationsfields.h"
#include "focusspread.h"
#include "lists/defaultlists.h"
#include "lists/listreceiver.h"
#include "variationslistbox.h"

#include <QDialog>
#include <QListWidget>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QStatusBar;
class QToolButton;

namespace optolune {

class VariationsWindow : public QDialog, private ListReceiver {
    Q_OBJECT
public:
    explicit VariationsWindow(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class HalfStop { None, Plus, Minus };

    void buildControls();
    QWidget *buildToolBar();
    QWidget *buildAutoGroup();
    QWidget *buildManualGroup();
    QWidget *buildDepthGroup();
    QWidget *buildBottomBar();
    void buildMenus();
    void connectControls();

    void PrepareVariationsWindow();
    VariationsInput readInput() const;
    void writeParameters(const VariationsInput &input);
    ListsEmpty listsEmpty() const;

    // Commands of the window.
    void calculate(); // CheckManualFields, then RefreshVariations
    int CheckManualFields();
    void RefreshVariations();
    void showResult(const VariationsResult &result);
    void SetResultColour(ResultColour colour);
    void distFilmClicked(bool down);
    void ShowTestLens();
    void StoreMemory();
    void RecallMemory();
    void openNotesFile();

    VariationsListBox *listBox(ListKind kind) const;
    QLineEdit *fieldOf(ListKind kind) const;
    void TakeListItem(ListKind kind);
    void chooseItem(ListKind kind);
    void OpenListEditor(ListKind kind);
    void UseDefaultList(ListKind kind);
    void LoadTheoreticalFNumbers();
    void SelectFirstItems();
    void LoadAllDefaultLists();
    bool accepts(ListKind kind) const override; // the four value kinds
    void replaceList(ListKind kind, const QStringList &items) override;

    void halfStopPress(HalfStop which);
    void halfStopRelease();

    void openFocusSpread();
    void openFocusStack();
    void openTilt();
    void applyFocusSpread(const FocusSpreadResult &result, const FocusSpreadSetting &setting);

    struct Parameters {
        QLineEdit *cercle = nullptr, *focale = nullptr, *nod = nullptr;
        QLineEdit *gp = nullptr, *dia = nullptr, *dist = nullptr;
    } m_params;
    std::array<QLineEdit *, kResultFieldCount> m_results{};
    struct Lists {
        VariationsListBox *cercle = nullptr, *focale = nullptr, *dia = nullptr, *dist = nullptr;
    } m_lists;
    QComboBox *m_nbDecim = nullptr;
    QToolButton *m_distFilm = nullptr;
    QToolButton *m_plus = nullptr;
    QToolButton *m_minus = nullptr;
    // The buttons the window connects, as it made them.
    struct Buttons {
        QToolButton *calculate = nullptr, *firstItems = nullptr, *defaultLists = nullptr;
        QToolButton *testLens = nullptr, *store = nullptr, *recall = nullptr, *notes = nullptr;
        QToolButton *spread = nullptr, *theoretical = nullptr, *explanation = nullptr;
        QToolButton *screenPrint = nullptr, *close = nullptr;
        QToolButton *circleEditor = nullptr, *circleDefaults = nullptr;
        QToolButton *focalEditor = nullptr, *focalDefaults = nullptr;
        QToolButton *fNumberEditor = nullptr, *fNumberDefaults = nullptr;
        QToolButton *distanceEditor = nullptr, *distanceDefaults = nullptr;
    } m_buttons;
    QCheckBox *m_macro = nullptr;
    QCheckBox *m_diffraction = nullptr;
    // How diffraction is counted: the display options' choice when the
    // window opened.
    long double m_wavelengthUm = kWavelengthDefaultUm;
    BlurModel m_blurModel = BlurModel::RootSumSquare;
    QGroupBox *m_manual = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QString m_noResult; // the status bar's explanation of empty results, if shown

    std::optional<ResultColour> m_colour; // the colour the results are shown in
    bool m_activated = false;
    HalfStop m_held = HalfStop::None;
    bool m_inPress = false;        // a press step is running
    bool m_releasePending = false; // the press ended while its step ran
};

// Opens the variations window modally over the owner (the main window's
// IsolBtn).
void ShowVariationsWindow(QWidget *owner);

} // namespace optolune
