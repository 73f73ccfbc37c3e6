// Stored value lists: Data/<prefix><n>.stf, one item text per line in list
// order, Windows-1252 with CR LF after every line. Numbers 1 to 6 are the
// user's numbered lists, 7 the kind's default list. Nothing but the texts is
// stored: no header, no count, no check marks.
#pragma once

#include "listkind.h"
#include "valuelist.h"

#include <QString>
#include <optional>

namespace optolune {

inline constexpr int DefaultListNumber = 7;

// The longest list a file gives: the list editor makes lists of at most 100
// items, and the table files hold at most this many. A longer stored list is
// cut, with a message.
inline constexpr int kMaxListItems = 1000;

// dataFolder + prefix + number + ".stf", e.g. ".../Data/cbxdis7.stf".
QString ListFilePath(const QString &dataFolder, ListKind kind, int listNumber);

// Creates or overwrites the file with every item, or only the checked ones, in
// list order. The file is written whole: a failed write leaves the previous
// file intact and throws UserError "Impossible de créer le fichier <path>".
void SaveListFile(const QString &dataFolder, ListKind kind, int listNumber,
                  const ValueList &list, bool onlyChecked);

enum class ListLoad { Missing, Loaded };

struct ListLoadResult {
    ListLoad status = ListLoad::Missing;
    std::optional<QString> cut; // the information that the file was too long
};

// Missing: no such file, the list is left untouched. Loaded: the list's items
// are the file's lines, unchecked, taken as the file holds them (an empty
// line in the middle is an empty item; a last line without its end is still
// an item). A file that exists but cannot be read throws UserError
// "Impossible d'ouvrir le fichier <path>" and leaves the list untouched.
// A file of more than kMaxListItems lines, or of more than a megabyte
// (read no further, whatever it is: a device, a pipe), gives its first
// complete lines up to kMaxListItems, and returns the information "Le
// fichier <path> est trop long : la liste a été coupée (1000 valeurs au
// plus)." for the caller to show.
[[nodiscard]] ListLoadResult LoadListFile(const QString &dataFolder, ListKind kind, int listNumber,
                                          ValueList &list);

bool ListFileExists(const QString &dataFolder, ListKind kind, int listNumber);

// Removes the file. Throws UserError "Impossible de supprimer le fichier
// <path>" when a file of that name stays.
void DeleteListFile(const QString &dataFolder, ListKind kind, int listNumber);

} // namespace optolune
