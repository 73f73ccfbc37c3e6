// How the table window and the variations calculator open the list editor for
// their own list, and get the checked items back through a ListReceiver
// without knowing the editor's window.
//
// The editor's window shows its own messages; what escapes it (UserError) goes
// to the caller's guarded command.
#pragma once

#include "listkind.h"
#include "listreceiver.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace optolune {

struct ListEditorRequest {
    QWidget *owner = nullptr;
    ListWording wording = ListWording::Table; // the caller's texts in the editor
    ListKind kind = ListKind::Dia;            // the kind the editor works on
    QStringList items;             // the caller's list, shown all checked
    ListReceiver *receiver = nullptr;
    bool showTheoretical = false;  // ThBtn, for the f-number callers that offer it
};

// Returns true when the editor closed by Ok (the receiver has then been given
// the list, when it accepts the kind).
using ListEditorOpener = std::function<bool(const ListEditorRequest &)>;

// Opens the editor through the installed opener (ShowListEditor unless a test
// installed another).
bool OpenListEditor(const ListEditorRequest &request);

// Installs an opener and returns the previous one; an empty opener restores
// ShowListEditor.
ListEditorOpener setListEditorOpener(ListEditorOpener opener);

// The program's opener: creates the editor for the request's kind with the
// caller's caption, range line, wording, list (all checked) and visible
// controls (no section controls for f-numbers), shows it modally over the
// owner and destroys it when it closes.
bool ShowListEditor(const ListEditorRequest &request);

} // namespace optolune
