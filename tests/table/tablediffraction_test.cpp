// The table counting diffraction: each cell's limits are where the total blur
// of a point, its defocus and the Airy disc of the working f-number added,
// reaches the circle. The limits are checked against that blur computed point
// by point and solved by bisection, independently of the depth formulas.
#include "core/diffractiontext.h"
#include "support/qtprint.h"
#include "support/programfolder.h"
#include "table/cellpresentation.h"
#include "table/tablecompute.h"
#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "table/tableinputs.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"
#include "table/titlelines.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::ProgramFolder;

namespace {

// A 150 mm lens whose exit pupil is smaller than its entrance pupil, the
// nodal points apart.
TableState largeFormat()
{
    TableState s;
    s.circle = QStringLiteral("0,1");
    s.focal = QStringLiteral("150");
    s.nodal = QStringLiteral("-4");
    s.pupil = QStringLiteral("0,8");
    s.fNumbers = {QStringLiteral("16"), QStringLiteral("32"), QStringLiteral("45"),
                  QStringLiteral("64"), QStringLiteral("90")};
    s.distances = {QStringLiteral("1,2"), QStringLiteral("3"), QStringLiteral("10")};
    s.decimalsIndex = 4;
    s.showH = true;
    s.diffraction = true;
    return s;
}

// The lens in metres and the light, for the point-by-point blur.
struct Lens {
    long double f, gp, dn, cMm, wavelengthUm;
    BlurModel model;
};

// The total blur, in mm, of a subject at us from the front nodal point with
// the lens focused at u: the exit pupil's cone (diameter gp f / N, image
// distances from the exit pupil) and the Airy disc 2,44 lambda N (1 + G/gp).
long double totalBlurMm(const Lens &l, long double N, long double u, long double us)
{
    const long double v = u * l.f / (u - l.f);
    const long double a = l.gp * l.f + (v - l.f);
    const long double as = std::isinf(us) ? l.gp * l.f : l.gp * l.f + (us * l.f / (us - l.f) - l.f);
    const long double b = 1000 * (l.gp * l.f / N) * std::fabs(a - as) / as;
    const long double d = 2.44L * l.wavelengthUm / 1000 * N * (1 + (v / u) / l.gp);
    return l.model == BlurModel::Sum ? b + d : std::sqrt(b * b + d * d);
}

// The subject distance between `sharp` and `blurred` where the blur is c.
long double bisect(const Lens &l, long double N, long double u, long double sharp, long double blurred)
{
    for (int i = 0; i < 200; ++i) {
        const long double mid = (sharp + blurred) / 2;
        (totalBlurMm(l, N, u, mid) <= l.cMm ? sharp : blurred) = mid;
    }
    return (sharp + blurred) / 2;
}

struct Limits {
    long double near, far; // from the front nodal point; far < 0: sharp to infinity
};

Limits limitsByBisection(const Lens &l, long double N, long double u)
{
    Limits out;
    out.near = bisect(l, N, u, u, l.f * 1.0000001L);
    if (totalBlurMm(l, N, u, INFINITY) <= l.cMm)
        out.far = -1;
    else
        out.far = bisect(l, N, u, u, 1e9L);
    return out;
}

// The focus u from the front nodal point of a distance D from the film:
// u + v = D - dn.
long double focusFromFilm(const Lens &l, long double D)
{
    const long double t = D - l.dn;
    return (t + std::sqrt(t * t - 4 * l.f * t)) / 2;
}

} // namespace

TEST(TableDiffraction, LimitsAreWhereTheTotalBlurReachesTheCircle)
{
    for (const bool fromFilm : {true, false}) {
        for (const BlurModel model : {BlurModel::RootSumSquare, BlurModel::Sum}) {
            TableState state = largeFormat();
            state.fromFilm = fromFilm;
            state.blurModel = model;
            state.wavelengthUm = 0.6L;
            const InputsResult read = ReadTableInputs(state);
            ASSERT_TRUE(read.inputs);
            const Lens lens{0.150L, 0.8L, -0.004L, 0.1L, 0.6L, model};
            int checked = 0;
            for (const long double D : read.inputs->distances) {
                const long double u = fromFilm ? focusFromFilm(lens, D) : D;
                const long double v = u * lens.f / (u - lens.f);
                const long double shift = fromFilm ? v + lens.dn : 0; // subject side to the table's origin
                const FocusCells cells(*read.inputs, D);
                for (const long double N : read.inputs->fNumbers) {
                    const TableCell cell = cells.at(N);
                    SCOPED_TRACE(testing::Message() << "film " << fromFilm << " sum "
                                                    << (model == BlurModel::Sum) << " D " << double(D)
                                                    << " N " << double(N));
                    if (cell.nothingSharp) {
                        // Even the focused point is blurred beyond c.
                        EXPECT_GT(totalBlurMm(lens, N, u, u), lens.cMm);
                        continue;
                    }
                    ASSERT_NE(cell.depth.near, -1);
                    const Limits expected = limitsByBisection(lens, N, u);
                    EXPECT_NEAR(double(cell.depth.near), double(expected.near + shift),
                                double(1e-9L * expected.near));
                    if (expected.far < 0) {
                        EXPECT_LT(cell.depth.far, 0);
                    } else {
                        EXPECT_NEAR(double(cell.depth.far), double(expected.far + shift),
                                    double(1e-9L * expected.far));
                    }
                    ++checked;
                }
            }
            EXPECT_GT(checked, 8);
        }
    }
}

TEST(TableDiffraction, DiffractionNarrowsTheDepthAndBlursTheSmallestApertures)
{
    TableState with = largeFormat();
    TableState without = largeFormat();
    without.diffraction = false;
    TableModel a, b;
    ASSERT_TRUE(RefreshTable(with, a));
    ASSERT_TRUE(RefreshTable(without, b));
    const InputsResult inWith = ReadTableInputs(with);
    const InputsResult inWithout = ReadTableInputs(without);
    // At f/16 the disc (0,0215 mm at infinity) narrows every zone a little.
    for (const long double D : inWith.inputs->distances) {
        const CellDepth d = FocusCells(*inWith.inputs, D).at(16).depth;
        const CellDepth g = FocusCells(*inWithout.inputs, D).at(16).depth;
        EXPECT_GT(d.near, g.near);
        EXPECT_TRUE(g.far < 0 || (d.far > 0 && d.far < g.far));
    }
    // At f/90 the disc alone (2,44 x 0,55 um x 90 = 0,121 mm) exceeds c:
    // every cell of the column and of the special rows says so.
    const int col90 = 5;
    for (int r = 1; r <= 3 + 3; ++r) {
        EXPECT_EQ(a.cell(col90, r), QStringLiteral("diffraction")) << r;
    }
    // Close up at f/64 the working f-number passes it too, not at infinity:
    // 2,44 x 0,55 um x 64 x (1 + G/0,8) > 0,1 mm once G > 0,131.
    const int col64 = 4;
    EXPECT_EQ(a.cell(col64, 1), QStringLiteral("diffraction")); // 1,2 m: G about 0,17
    EXPECT_NE(a.cell(col64, 3), QStringLiteral("diffraction")); // 10 m
    EXPECT_NE(a.cell(col64, 4), QStringLiteral("diffraction")); // Infini
    EXPECT_NE(b.cell(col90, 1), QStringLiteral("diffraction"));
    // Without diffraction nothing of the option shows.
    for (int r = 0; r < b.rowCount(); ++r)
        for (int c = 0; c < b.colCount(); ++c) {
            EXPECT_NE(b.cell(c, r), NothingSharpText());
        }
}

TEST(TableDiffraction, SpecialRowsUseTheCircleOfAFocusAtInfinity)
{
    TableState state = largeFormat();
    TableModel model;
    ASSERT_TRUE(RefreshTable(state, model));
    // f/16: c' = sqrt(0,1^2 - (2,44 x 0,00055 x 16)^2) mm; the "h=" row from
    // the film is the hyperfocal distance of the lens with c'.
    const long double d = 2.44L * 0.00055L * 16;
    const InputsResult read = ReadTableInputs(state);
    const std::optional<OpticalSetup> setup = SpecialRowsSetup(*read.inputs, 16);
    ASSERT_TRUE(setup);
    EXPECT_NEAR(double(setup->c * 1000), double(std::sqrt(0.01L - d * d)), 1e-15);
    EXPECT_FALSE(SpecialRowsSetup(*read.inputs, 90));
    DofResult r;
    ComputeDepthAtHyperfocal(*setup, r);
    EXPECT_EQ(model.cell(1, 3 + 3), FixedText(r.hFilm, 8, 4));
}

TEST(TableDiffraction, TitlesFilesAndExportsSayIt)
{
    TableState state = largeFormat();
    TableModel model;
    ASSERT_TRUE(RefreshTable(state, model));
    const QStringList titles = ComposeTitleLines(state, QStringLiteral("Table"), false, "1.0");
    EXPECT_TRUE(titles[0].endsWith(QStringLiteral("distances PF       avec diffraction (λ 0,55 µm)")))
        << titles[0].toStdString();
    state.wavelengthUm = 0.5464L;
    state.blurModel = BlurModel::Sum;
    EXPECT_TRUE(ComposeTitleLines(state, "Table", false, "1.0")[0].endsWith(
        QStringLiteral("avec diffraction (λ 0,5464 µm, flou somme)")));
    state.diffraction = false;
    EXPECT_FALSE(ComposeTitleLines(state, "Table", false, "1.0")[0].contains(u"diffraction"));
    state.diffraction = true;

    // The table file keeps the option, the wavelength and the model on
    // lines 23 to 25, and reads them back.
    const QStringList lines = TableFileLines(state);
    EXPECT_EQ(lines.mid(22, 3), (QStringList{"diffraction", "0,5464", "sum"}));
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("d.stf"));
    ASSERT_TRUE(WriteTableFile(state, model, path));
    TableState back;
    ASSERT_EQ(ReadTableFile(back, path, TableSource::UserFile).status, TableStatus::Read);
    EXPECT_TRUE(back.diffraction);
    EXPECT_EQ(back.wavelengthUm, 0.5464L);
    EXPECT_EQ(back.blurModel, BlurModel::Sum);

    // Without the option the lines stay empty, as in every earlier file,
    // and such a file reads without diffraction whatever the state held.
    state.diffraction = false;
    EXPECT_EQ(TableFileLines(state).mid(22, 6), QStringList(6, QString()));
    ASSERT_TRUE(WriteTableFile(state, model, path));
    ASSERT_EQ(ReadTableFile(back, path, TableSource::UserFile).status, TableStatus::Read);
    EXPECT_FALSE(back.diffraction);

    // A damaged wavelength or model keeps the state's own.
    QStringList damaged = TableFileLines(largeFormat());
    damaged[23] = QStringLiteral("0,9");
    damaged[24] = QStringLiteral("max");
    folder.write(QStringLiteral("e.stf"), damaged.join(QStringLiteral("\r\n")).toLatin1());
    TableState other;
    other.wavelengthUm = 0.45L;
    ASSERT_EQ(
        ReadTableFile(other, folder.file(QStringLiteral("e.stf")), TableSource::UserFile).status,
        TableStatus::Read);
    EXPECT_TRUE(other.diffraction);
    EXPECT_EQ(other.wavelengthUm, 0.45L);
    EXPECT_EQ(other.blurModel, BlurModel::RootSumSquare);

    // The tidy CSV names the cells where nothing is sharp.
    const QString rows = TableAsCsvRows(largeFormat());
    EXPECT_TRUE(rows.contains(QStringLiteral(";90;1,2;diffraction;;;;\r\n"))) << rows.toStdString();
}

TEST(DiffractionText, WavelengthsAndModels)
{
    struct Case {
        const char *text;
        std::optional<long double> um;
    } cases[] = {{"0,55", 0.55L},  {"0.55", 0.55L},    {" 0,4 ", 0.4L},  {"0,7", 0.7L},
                 {"0,5464", 0.5464L}, {"0,54641", {}}, {"0,39", {}},     {"0,71", {}},
                 {"", {}},           {"-0,5", {}},      {"5,5E-1", {}},   {"0,5\n", 0.5L},
                 {"abc", {}}};
    for (const Case &c : cases) {
        const std::optional<long double> read = ReadWavelength(QString::fromUtf8(c.text));
        EXPECT_EQ(read.has_value(), c.um.has_value()) << c.text;
        if (read && c.um) {
            EXPECT_NEAR(double(*read), double(*c.um), 1e-15) << c.text;
        }
    }
    EXPECT_EQ(WavelengthText(0.55L), QStringLiteral("0,55"));
    EXPECT_EQ(WavelengthText(0.4L), QStringLiteral("0,40"));
    EXPECT_EQ(WavelengthText(0.5464L), QStringLiteral("0,5464"));
    EXPECT_EQ(ReadBlurModel(u"rss"), BlurModel::RootSumSquare);
    EXPECT_EQ(ReadBlurModel(u"sum"), BlurModel::Sum);
    EXPECT_FALSE(ReadBlurModel(u"RSS"));
    EXPECT_EQ(BlurModelKey(BlurModel::Sum), QStringLiteral("sum"));
}
