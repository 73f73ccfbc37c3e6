// The depth-of-field table computed: a list of f-numbers crossed with a list
// of focusing distances, each cell holding the near and far limits of
// sharpness (and on demand the depths), with rows for infinity and the
// hyperfocal distance and, on demand, the magnification and extension.
#pragma once

#include "tablereport.h"

namespace optolune {

struct TableState;
struct TableInputs;
class TableModel;

// Validates and repairs the parameter fields of the state, reads the lists,
// and rebuilds the model whole. Returns the repairs' warnings in order; not
// done when it stopped: an empty list ("Créez une liste des distances" /
// "Créez une liste des diaphragmes") or a list item or bound that does not
// read as a number (a warning naming it). The model then keeps its previous
// table untouched, so the window can spring back the button that asked.
TableReport RefreshTable(TableState &state, TableModel &model);

// The three steps of a refresh, over inputs already read. BuildHeaders sizes
// and clears the model and writes the header row and column; it also sets
// the counts of the state.
void BuildHeaders(TableState &state, const TableInputs &in, TableModel &model);
void FillCells(const TableInputs &in, TableModel &model);
void FillSpecialRows(const TableInputs &in, TableModel &model);

} // namespace optolune
