// The list editor window (ListEditorDialog): the user edits one value list of the
// kind it is created for, adds typed items and arithmetic sections, sets check
// marks, stores and recalls numbered lists, and on Ok hands the checked items
// back to the window that opened it. Every operation is ListEditor's
// (listeditor); the window copies its field texts in, runs one operation and
// shows the state after it. Callers open it through OpenListEditor
// (listeditoropener) or drive it without showing it.
//
// As a window it shows, through messages(), the notices its operations return
// and the errors they throw (UserError from file I/O, ConversionError from an
// item that is no number), and asks their Yes/No questions itself.
#pragma once

#include "listeditor.h"
#include "core/apppaths.h"

#include <QDialog>
#include <functional>
#include <map>
#include <vector>

class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStatusBar;
class QToolButton;

namespace optolune {

class ListReceiver;

class ListEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit ListEditorDialog(ListKind kind, QWidget *parent = nullptr,
                              const QString &dataFolder = appPaths().dataFolder);

    // The caller's set-up, before the window is shown or driven.
    void setCaption(const QString &caption); // replaced when the window becomes active
    void setRangeLine(const QString &text);  // Edaffiche
    void setWording(ListWording wording);    // the hint of ThBtn for distances
    void setReceiver(ListReceiver *receiver);
    void setCurrentList(const QStringList &texts); // every item checked
    void setTheoreticalButtonVisible(bool visible);
    void setSectionControlsVisible(bool visible);

    // Commands a caller may run without showing the window.
    void LoadDefaultList();
    void BuildTheoreticalList();
    void CheckAll();
    // Hands the checked items back; false (and nothing handed back) when no
    // item is checked.
    bool OkCommand();

    const ListEditor &editor() const { return m_editor; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Command {
        DefItem, Th, DelEch, SauveT, SauveC, Rappel, Aband, Ok,
        DelCour, DelCourC, DelCourNC, Add, VideCh, InitCh, AddSec, CreSec,
        MarqueTous, MarqueInv, SpinUp, SpinDown,
    };

    void buildControls();
    QFrame *buildTopRow();
    QFrame *buildEditRow();
    QFrame *buildMarksRow();
    QToolButton *button(Command command);
    void runCommand(Command command);
    // Copies the field texts in, runs the operation, shows the notices it
    // returns or reports the error it throws, then shows the state after it.
    // False when it threw.
    bool runWithNotices(const std::function<Notices()> &operation);
    bool run(const std::function<void()> &operation);
    void pullFields();
    void pushState();
    void pushList();
    int selectedRow() const;
    void markChanged(QListWidgetItem *item);
    void okClicked();
    void FormActivate();

    ListEditor m_editor;
    ListReceiver *m_receiver = nullptr;
    bool m_activated = false;
    std::map<Command, QToolButton *> m_buttons;

    struct Fields {
        QComboBox *comboNum = nullptr;
        QLineEdit *edAdd = nullptr;
        QLineEdit *minSec = nullptr;
        QLineEdit *maxSec = nullptr;
        QComboBox *pasSec = nullptr;
        QLineEdit *edNbcoches = nullptr;
        QLineEdit *edaffiche = nullptr;
        QListWidget *list = nullptr; // CheckListBox1
        QStatusBar *status = nullptr;
        QWidget *spin = nullptr;     // SpinCour
        QToolButton *nbA = nullptr;  // NbABtn
        std::vector<QWidget *> section; // shown only for kinds with sections
    } m_fields;
};

} // namespace optolune
