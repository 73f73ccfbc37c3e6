// The one check of the lens parameters that the table and the variations
// calculator share: each field brought into its range at its decimals, in
// the order pupil, nodal distance, circle, focal length, with a warning per
// repair.
#include "core/lensfields.h"

#include "support/recorder.h"

#include <gtest/gtest.h>

namespace optolune {
namespace {

using test::Recorder;

struct LensCase {
    const char *name;
    const char *typed[4]; // pupil, nodal, circle, focal
    const char *repaired[4];
    std::vector<const char *> warnings;
};

class LensFieldsFit : public testing::TestWithParam<LensCase> {};

TEST_P(LensFieldsFit, RepairsEachFieldIntoItsRange)
{
    const LensCase &c = GetParam();
    Recorder rec;
    QString texts[4];
    for (int i = 0; i < 4; ++i)
        texts[i] = QString::fromUtf8(c.typed[i]);
    const Notices repairs = FitLensFields(texts[0], texts[1], texts[2], texts[3]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[i], QString::fromUtf8(c.repaired[i])) << "field " << i;
    }
    Notices expected;
    for (const char *w : c.warnings)
        expected.push_back(WarningNotice(QString::fromUtf8(w)));
    EXPECT_EQ(repairs, expected);
    // The check says nothing itself: the window or the command line does.
    EXPECT_TRUE(rec.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Core, LensFieldsFit,
    testing::Values(
        LensCase{"InsideEveryRange",
                 {"1.1", "-4.5", "0.05", "80"},
                 {"1,100", "-4,5", "0,050", "80"},
                 {}},
        LensCase{"AtTheBounds",
                 {"0,1", "-150", "0,005", "1200"},
                 {"0,100", "-150", "0,005", "1200"},
                 {}},
        LensCase{"AtTheOtherBounds", {"5", "150", "0,5", "10"}, {"5", "150", "0,500", "10"}, {}},
        // Below every minimum, the warnings in the order of the fields.
        LensCase{"BelowEveryMinimum",
                 {"0,05", "-150,1", "0,001", "9"},
                 {"0,100", "-150", "0,005", "10"},
                 {"Valeur hors intervalle 0,100-5,000", "Valeur hors intervalle -150,0-150,0",
                  "Valeur hors intervalle 0,005-0,500", "Valeur hors intervalle 10,0-1200,0"}},
        LensCase{"AboveEveryMaximum",
                 {"5,001", "151", "0,6", "1300"},
                 {"5", "150", "0,500", "1200"},
                 {"Valeur hors intervalle 0,100-5,000", "Valeur hors intervalle -150,0-150,0",
                  "Valeur hors intervalle 0,005-0,500", "Valeur hors intervalle 10,0-1200,0"}},
        // Rounded to the field's decimals before the comparison: 5,0004
        // reads 5,000, inside the range, and is written whole.
        LensCase{"RoundedBeforeTheBound",
                 {"5,0004", "150,04", "0,5004", "1200,04"},
                 {"5", "150", "0,500", "1200"},
                 {}},
        LensCase{"EmptyAndUnreadableTakeTheMinimum",
                 {"", "x", "", "8O"},
                 {"0,100", "-150,0", "0,005", "10,0"},
                 {"Champ vide", "Saisissez un décimal de l'intervalle -150,0-150,0", "Champ vide",
                  "Saisissez un décimal de l'intervalle 10,0-1200,0"}}),
    [](const testing::TestParamInfo<LensCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace optolune
