// The list editor's operations as logic, without a window: the current list
// (what the user edits), the result handed back on Ok, the snapshot restored
// by Abandonner, and the texts of the editor's fields. The window copies its
// field texts into `fields` before an operation and shows the state after it;
// the table window and the variations calculator drive it directly for their
// default and theoretical lists.
//
// Nothing here shows a box: the operations return their notices in the order
// they arise (the window shows them), and the questions asked before a list
// or a file is destroyed go to the confirm function the caller passes, which
// answers Yes (true) or No. File I/O throws UserError as everywhere.
//
// The editor works on one kind, given when it is created. The grid kind is
// no value kind: on it the operations that depend on the kind do nothing.
#pragma once

#include "listkind.h"
#include "listreceiver.h"
#include "valuelist.h"

#include "core/messages.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace optolune {

class ListEditor {
public:
    // Texts of the window's fields, named after its controls.
    struct Fields {
        QString add;            // EdAdd: the typed item
        QString sectionStart;   // MinSec
        QString sectionEnd;     // MaxSec
        QStringList steps;      // PasSec: the kind's section steps
        int step = -1;          // PasSec: the selected step, -1 for none
        int storedIndex = 0;    // ComboNum: 0 to 5 for "1" to "6", 6 for "D"
        QString caption = QCoreApplication::translate("ListEditor", "Listes");
        QString theoreticalHint = QCoreApplication::translate(
            "ListEditor", "Listethéorique|Remplace la liste courante par la liste théorique");
    };

    enum class SectionMode { Add, Replace }; // AddSecBtn "Ajouter", CreSecBtn "Remplacer"

    // Asks the user a Yes/No question; true for Yes.
    using Confirm = std::function<bool(const QString &question)>;

    // A single addition is refused, and a section of distances stops, once the
    // list holds this many items.
    static constexpr int MaxItems = 100;

    ListEditor(QString dataFolder, ListKind kind);

    // The editor's kind when it is one of the four value kinds; nullopt for
    // the grid kind.
    std::optional<ListKind> kind() const;
    int storedNumber() const { return fields.storedIndex + 1; } // 7 is "D"
    static QStringList StoredListNames();                      // "1" to "6", "D"
    static QStringList SectionSteps(ListKind kind);

    // Activation: the kind's decimals, steps, section fields, caption and hint
    // of the theoretical-list button, then the snapshot.
    void Activate();
    void ApplyKindSettings();
    void TakeSnapshot();

    [[nodiscard]] Notices AddTypedItem();
    [[nodiscard]] Notices AddSection(SectionMode mode);
    void ClearSectionFields();  // VideChBtn
    void PrepareNextSection();  // InitChBtn: the end becomes the next start

    void CheckAll();
    void InvertMarks();
    // SpinCour: the down arrow checks the selected item and the next one and
    // selects the next; the up arrow unchecks backwards. Returns the new
    // selection (-1: nothing selected, nothing done).
    int SpinDown(int selected);
    int SpinUp(int selected);
    QString CountText() const; // "12/30": checked items / items

    // Each asks first, and does nothing on No.
    void DeleteCurrentList(const Confirm &confirm);    // DelCourBtn
    void DeleteCheckedItems(const Confirm &confirm);   // DelCourCBtn
    void DeleteUncheckedItems(const Confirm &confirm); // DelCourNCBtn
    void RemoveItem(int index); // the Delete key

    [[nodiscard]] Notices RecallStoredList(); // RappelEch
    [[nodiscard]] Notices LoadDefaultList();  // DefItemBtn
    // SauveEchT (all), SauveEchC (checked): asks first, writes on Yes.
    void SaveStoredList(bool onlyChecked, const Confirm &confirm);
    // DelEchBtn: says why it cannot, or asks first and deletes on Yes.
    [[nodiscard]] Notices DeleteStoredList(const Confirm &confirm);
    void BuildTheoreticalList(); // ThBtn

    // Ok: with no checked item, does nothing and returns false. Otherwise the
    // result becomes the checked items, they are handed back when the
    // receiver accepts the kind,
    // and the window is to close (true). A checked item that is no number
    // throws ConversionError and nothing is handed back.
    bool OkCommand(ListReceiver *receiver);
    // Abandonner: the current list becomes the snapshot, all checked.
    void Cancel();

    ValueList current;  // CheckListBox1
    ValueList result;   // CheckListBox2
    ValueList snapshot; // CheckListBox3
    Fields fields;
    ListWording wording = ListWording::Table;
    int decimals = 1;

private:
    QString m_dataFolder;
    ListKind m_kind;
};

} // namespace optolune
