// Table files: a depth-of-field table is kept as the settings that produce it
// (display options, lens parameters, decimals, format, comment and the two
// lists), 8-bit Windows text with CR LF. Three uses share the format: tables
// the user saves in Tables/ (".stf"), the tmp table that keeps the window's
// state from one opening to the next (tmp/, ".tmp"), and the test table
// delivered in Data/ (".slc"). The file name carries the lens parameters,
// the format and the lens references. A four-line memory file keeps c, f, dn
// and gp alone.
#pragma once

#include "core/apppaths.h"
#include "core/memoryfile.h"
#include "lists/listfiles.h"
#include "tablereport.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace optolune {

struct TableState;
class TableModel;

enum class TableSource { TestTable, UserFile, TmpTable };

// How the reading of a table file ended.
enum class TableStatus {
    Read,         // the whole file read into the state
    Cancelled,    // no file chosen
    ReadError,    // damaged, or cannot be opened
    OtherVersion, // not a table of any version of this program
    Missing,      // no such file
};

// What ReadTableFile and the commands built on it return: the status and
// the messages for the user, in order.
struct TableFileResult {
    TableStatus status = TableStatus::ReadError;
    Notices messages;
};

QString TestTableName(); // "F148,1_C0100_PF_4x5_Test Optolune.slc"
QString TestTablePath(); // in the data folder
QString TableFileFilter(); // "optolune (*.stf)"

// "F" + focal + "_C" + circle code + ("_Fa") + "_PF" or "_PL" + "_" + format.
// The circle code is the circle text with ',' turned into '0' and its first
// character dropped: 0,050 gives 0050. Made fit for a file name by
// SafeFileName: a format "9/12" gives "9-12".
QString BuildNamePrefix(const TableState &state);
// Prefix, "_" + lens references when there are any (made fit for a file
// name as the prefix is), then the extension.
QString TableFileName(const TableState &state, const QString &extension);

// Format and lens references as the name of a table file gives them.
struct TableNameParts {
    QString format;
    QString lensReferences;
};
TableNameParts SplitTableFileName(const QString &fileName);

// Whether a file of this name (no folder) can be written in folder: a name a
// Windows or Linux system accepts, and no folder, hidden or read-only entry
// in the way.
bool IsUsableFileName(const QString &folder, const QString &name);

// The lines of a table file for the state: 28 header lines, the f-numbers,
// then every distance. Line 10 holds the lens references as typed, which the
// file's name may only hold made fit for a file name. Lines 23 to 25 hold
// "diffraction", the wavelength and the blur model ("rss" or "sum") when the
// table counts diffraction, and are empty otherwise. The counts are those of the table shown (a
// horizontal table shows at most 100 distances).
QStringList TableFileLines(const TableState &state);

// Writes the table file. An empty table returns the plain message "Table
// vide" and writes nothing; a file that cannot be written returns the error
// "Impossible de créer le fichier <path>" and leaves any previous file
// intact. A table that ReadTableFile would refuse (a list of more than
// kMaxTableListItems items, a file of more than a megabyte) is not written
// either: the information "Table trop grande pour être enregistrée : 1000
// diaphragmes et 1000 distances au plus". Done when written.
TableReport WriteTableFile(const TableState &state, const TableModel &model, const QString &path);

// The list editor makes lists of at most about 100 items, and a list read
// from a file stops at this many; a table file with lists longer than this
// is damaged (and would make a table of millions of cells).
inline constexpr int kMaxTableListItems = kMaxListItems;

// Reads a table file into the state; nothing changes unless the whole file
// reads (TableStatus::Read). The messages come back with the status. Line 1
// is the version text of the program that wrote the file: a table of any version of this program
// (IsVersionText) reads when its lines are of the format this program writes, so that an upgrade
// keeps every table. A line 1 that is no version text, or lines of another version that do not
// read, give the message "Fichier non compatible avec la version <programVersion>" (OtherVersion).
// A damaged file of this program's version (missing lines, a bad integer, counts beyond the lines
// present or above kMaxTableListItems) gives ReadError, silently for the test and tmp tables and
// with a message for a file the user chose, as does a missing one (Missing). programVersion is the
// version text of the program reading; a test sets another to play an
// upgrade.
TableFileResult ReadTableFile(TableState &state, const QString &path, TableSource source,
                              const QString &programVersion = VersionText());

// The commands of the table window. Each returns its messages in order (the
// window shows them, the command line prints them) and takes the user's
// answers through its parameters; none shows a box itself, and none throws
// for a fault of the user's files.

// Saves in Tables/ under the name built from the parameters, after the
// confirmations, asked in order: "La table va être enregistrée dans le
// fichier:..." and, over an existing file, "Le fichier ... existe, il sera
// remplacé...". The first question comes with the refresh's repairs, to be
// shown before it. Done when the file was written.
TableReport SaveTable(TableState &state, TableModel &model, const Confirm &confirm);
// Chooses a table file: given the folder to start in and the filter, the
// path chosen, or nothing when the user cancelled.
using ChooseFile =
    std::function<std::optional<QString>(const QString &folder, const QString &filter)>;
// Has a file chosen in Tables/, reads it and refreshes. Returns the status of
// the reading (Cancelled when nothing was chosen), with the reading's and
// the refresh's messages.
TableFileResult OpenTable(TableState &state, TableModel &model, const ChooseFile &choose);
// What SaveTmpTable returns: the path written (native separators), empty
// when nothing was, and the messages.
struct TmpTableSave {
    QString path;
    Notices messages;
    explicit operator bool() const { return !path.isEmpty(); }
};
// When the window closes: when no parameter field is empty, refreshes and
// writes tmp/<name>.tmp. The caller keeps the path for the next opening (the
// settings file holds it between runs).
TmpTableSave SaveTmpTable(TableState &state, TableModel &model);
// At activation, after LoadTestTable: reads the tmp table at tmpTablePath
// (the path the settings file keeps; written by any version of the program,
// as ReadTableFile says) and deletes it. Only a ".tmp" file inside tmp/ is
// read or deleted: any other path (a damaged settings file) is forgotten
// (tmpTablePath cleared) and the test table read again, as when the file is
// missing.
TableFileResult LoadTmpTable(TableState &state, QString &tmpTablePath,
                             const QString &programVersion = VersionText());
// Reads the delivered test table; Missing when it is not there.
TableFileResult LoadTestTable(TableState &state);

// MemBtn: writes the memory file from the four fields as they stand; a file
// that cannot be written returns its error.
TableReport StoreParameters(const TableState &state);
// MemRapBtn: reads the four fields back from the memory file and refreshes.
// A missing or incomplete file returns its error and the fields do not
// change.
TableReport RecallParameters(TableState &state, TableModel &model);

} // namespace optolune
