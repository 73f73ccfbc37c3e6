// The default grid delivered with the program (grid n°2): every row must be
// what the calculator gives for its film on its print, so that a user who
// reloads it reads true values.
#include "circle/circlecalc.h"
#include "circle/formatgrid.h"

#include "support/programfolder.h"
#include "support/recorder.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(DefaultGrid, EveryRowIsWhatTheCalculatorGives)
{
    Recorder rec;
    const std::optional<FormatGrid> grid = ReadGridFile(builtDataFolder() + "/" + Grid2Name());
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->row(0), GridHeaders());

    QSet<QString> films;
    for (int r = 1; r < grid->rowCount(); ++r) {
        const GridRow &row = grid->row(r);
        if (row[FilmFormatColumn].isEmpty()) {
            EXPECT_EQ(row, GridRow()) << "row " << r;
            continue;
        }
        int preset = -1;
        for (int i = 0; i < static_cast<int>(FilmPresets().size()); ++i)
            if (QString::fromUtf8(FilmPresets()[static_cast<size_t>(i)].item) == row[FilmFormatColumn])
                preset = i;
        ASSERT_GE(preset, 0) << "row " << r << ": " << row[FilmFormatColumn].toStdString();
        films.insert(row[FilmFormatColumn]);

        CircleState s;
        ApplyFilmPreset(s, preset);
        const QStringList print = row[PrintFormatColumn].split(u'x');
        ASSERT_EQ(print.size(), 2) << "row " << r;
        s.largT = print[0];
        s.longT = print[1];
        ASSERT_TRUE(CalculateCircle(s)) << "row " << r;
        const GridRow expected = {row[FilmFormatColumn], s.largT + u'x' + s.longT, s.fmodif,
                                  s.tmodif, s.diagTir, s.distObsCalc, s.coeff, s.c, s.nmin,
                                  QString()};
        EXPECT_EQ(row, expected) << "row " << r;
    }
    // The classic film formats, on a 30x40 print.
    for (const char *film : {"24x36", "4,5x6 cm", "6x6 cm", "6x7 cm", "6x9 cm", "4x5 in",
                             "5x7 in", "8x10 in"})
        EXPECT_TRUE(films.contains(QString::fromUtf8(film))) << film;
    EXPECT_TRUE(rec.messages().empty());
}
