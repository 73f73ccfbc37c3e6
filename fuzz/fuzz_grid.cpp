// The format grid files of the circle calculator (circle/formatgrid:
// ReadGridFile, WriteGridFile) and the Ok command on their rows
// (ChooseGridRow), which hands c and the film format to the table.
//
// Input: byte 0 chooses the file (the current grid, grid n°1, grid n°2) and
// the row Ok is tried on; the rest is the file's bytes, written in Data/.
// Oracles: only UserError leaves the reader (the window reports it); a grid
// that read has 2 to 1000 rows of ten cells; written and read again it is the
// same grid; a row chosen gives a c that reads as a number from 0,005 to 0,5
// once taken to three decimals.
#include "fuzz_common.h"

#include <cmath>

#include "circle/formatgrid.h"
#include "core/numerictext.h"

using namespace optolune;
using fuzz::fail;

namespace {
QString g_home;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_home = fuzz::setUpHome("grid");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString names[] = {CurrentGridName(), Grid1Name(), Grid2Name(), Grid2Name()};
    const QString path = appPaths().dataFolder + names[data[0] & 3];
    fuzz::writeFile(path, reinterpret_cast<const char *>(data + 1), size - 1);

    std::optional<FormatGrid> grid;
    fuzz::onlyUserErrors("ReadGridFile", [&] { grid = ReadGridFile(path); });
    if (!grid)
        return 0;
    if (grid->rowCount() < kGridMinRows || grid->rowCount() > kGridMaxRows ||
        grid->cells().size() != qsizetype(grid->rowCount()) * kGridColumns)
        fail("a grid read with a row count outside its bounds", std::to_string(grid->rowCount()));

    const QString again = g_home + QStringLiteral("Data/cbxcgr1-again.stf");
    fuzz::noThrow("WriteGridFile", [&] { WriteGridFile(*grid, again); });
    std::optional<FormatGrid> back;
    fuzz::noThrow("ReadGridFile of a file it wrote", [&] { back = ReadGridFile(again); });
    if (!back || !(*back == *grid))
        fail("a grid written does not read back the same");

    const int row = 1 + (data[0] >> 2) % (grid->rowCount() - 1);
    std::optional<CircleChoice> choice;
    fuzz::noThrow("ChooseGridRow", [&] { choice = ChooseGridRow(*grid, row).choice; });
    if (choice) {
        // The table takes c to three decimals, as the check weighed it:
        // 0,0049 is 0,005 there.
        const auto c = ReadNumber(choice->circle);
        const long double taken = c ? std::round(*c * 1000) / 1000 : 0;
        if (!c || taken < 0.005L - 1e-12L || taken > 0.5L + 1e-12L)
            fail("a row chosen gives a circle out of range", choice->circle.toStdString());
    }
    return 0;
}
