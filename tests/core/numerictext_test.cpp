#include "core/numerictext.h"
#include "core/usererror.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::Message;
using optolune::test::Recorder;

struct FixedCase {
    const char *name;
    long double value;
    int precision;
    int decimals;
    const char *text;
};

class FixedTextTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextTest, Formats)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.precision, c.decimals), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedTextTest,
    testing::Values(
        FixedCase{"HalfRoundsUp", 337.5L, 5, 0, "338"},
        FixedCase{"ZeroFilled", 900, 8, 2, "900,00"},
        FixedCase{"SmallExact", 0.005L, 12, 3, "0,005"},
        FixedCase{"PrecisionVersusDecimals", 1.189207L, 5, 1, "1,2"},
        FixedCase{"BelowHalfUnitIsZero", 0.001L, 12, 2, "0,00"},
        FixedCase{"BinaryHalf", 85.25L, 12, 1, "85,3"},
        FixedCase{"NegativeHalfAwayFromZero", -2.5L, 12, 0, "-3"},
        FixedCase{"NegativeRoundsToZero", -0.001L, 12, 2, "0,00"},
        FixedCase{"CarryAddsDigit", 9.96L, 12, 1, "10,0"},
        FixedCase{"CarryBelowOne", 0.996L, 12, 2, "1,00"},
        FixedCase{"HalfUnitOfFirstPlace", 0.005L, 12, 2, "0,01"},
        FixedCase{"Zero", 0, 12, 3, "0,000"},
        FixedCase{"ZeroNoDecimals", 0, 8, 0, "0"},
        FixedCase{"ScientificForm", 123456789, 8, 0, "1,2345679E8"},
        FixedCase{"ScientificNoFraction", 100000000, 8, 2, "1E8"},
        FixedCase{"ScientificNegative", -123456789, 8, 0, "-1,2345679E8"},
        FixedCase{"DecimalsCappedAt18", 0.5L, 18, 25, "0,500000000000000000"},
        FixedCase{"ClosestBinaryOfPointOneIsPointOne", 0.1L, 18, 18, "0,100000000000000000"},
        FixedCase{"FocalWithDecimal", 56.04L, 12, 1, "56,0"},
        FixedCase{"DiffractionLimit", 41.39L, 12, 1, "41,4"}),
    [](const auto &info) { return std::string(info.param.name); });

// The 18-digit expansion under the rounding: exact ties go to the even digit
// as the C library's does, the second rounding works on the expanded digits,
// and values far outside the program's range take the library's path.
INSTANTIATE_TEST_SUITE_P(
    Expansion, FixedTextTest,
    testing::Values(
        FixedCase{"TieAtEighteenDigitsGoesToEven", 100000000000000000.5L, 18, 0,
                  "100000000000000000"},
        FixedCase{"TieAtEighteenDigitsOddGoesUp", 100000000000000001.5L, 18, 0,
                  "100000000000000002"},
        FixedCase{"RoundedTwiceLikeTheExpansion", 0.1234999999999999999L, 12, 3, "0,124"},
        FixedCase{"NinesCarryIntoNewDigit", 0.99999999999999999999L, 18, 18,
                  "1,000000000000000000"},
        FixedCase{"SmallWithinExactPath", 3.0517578125e-5L, 18, 18, "0,000030517578125000"},
        FixedCase{"TinyThroughLibrary", 1.5e-25L, 18, 18, "0,000000000000000000"},
        FixedCase{"LargeThroughLibrary", 123456789012345678901.0L, 18, 0,
                  "1,23456789012345679E20"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ReadCase {
    const char *name;
    const char *text;
    bool reads;
    long double value;
};

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, Reads)
{
    const ReadCase &c = GetParam();
    const auto read = ReadNumber(QString::fromLatin1(c.text));
    ASSERT_EQ(read.has_value(), c.reads) << c.text;
    if (c.reads) {
        EXPECT_EQ(*read, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumberTest,
    testing::Values(ReadCase{"Whole", "56", true, 56},
                    ReadCase{"DecimalComma", "5,6", true, 5.6L},
                    ReadCase{"SpacesAround", "  5,6  ", true, 5.6L},
                    ReadCase{"Signs", "-2,5", true, -2.5L},
                    ReadCase{"Plus", "+2", true, 2},
                    ReadCase{"LoneComma", ",", true, 0},
                    ReadCase{"LeadingComma", ",5", true, 0.5L},
                    ReadCase{"TrailingComma", "5,", true, 5},
                    ReadCase{"Exponent", "9E2", true, 900},
                    ReadCase{"NegativeExponent", "5e-3", true, 0.005L},
                    ReadCase{"Empty", "", false, 0},
                    ReadCase{"OnlySpaces", "   ", false, 0},
                    ReadCase{"Point", "5.6", false, 0},
                    ReadCase{"TwoCommas", "1,2,3", false, 0},
                    ReadCase{"Grouping", "1 000", false, 0},
                    ReadCase{"Tab", "\t5", false, 0},
                    ReadCase{"Letters", "abc", false, 0},
                    ReadCase{"ExponentWithoutDigits", "5E", false, 0},
                    ReadCase{"ExponentWithoutMantissa", "E5", false, 0},
                    ReadCase{"SignAlone", "-", false, 0},
                    ReadCase{"Infinity", "inf", false, 0},
                    ReadCase{"Hexadecimal", "0x10", false, 0},
                    ReadCase{"BeyondExtendedRange", "1E5000", false, 0},
                    ReadCase{"WithinExtendedRange", "1E4000", true, 1e4000L}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadNumber, ConversionErrorCarriesTheText)
{
    try {
        ToNumber(u"5.6");
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'5.6' n'est pas une valeur en virgule flottante correcte"));
    }
}

TEST(TrimWholeText, DropsDecimalsOfWholeValues)
{
    EXPECT_EQ(TrimWholeText(u"56,0", 1), QStringLiteral("56"));
    EXPECT_EQ(TrimWholeText(u"5,60", 2), QStringLiteral("5,60"));
    EXPECT_EQ(TrimWholeText(u"0,0500", 3), QStringLiteral("0,050"));
    EXPECT_EQ(TrimWholeText(u"0,9996", 3), QStringLiteral("1"));
    EXPECT_THROW(TrimWholeText(u"x", 2), ConversionError);
}

TEST(RangeText, MinimumRoundsAtTheFieldsDecimals)
{
    EXPECT_EQ(RangeText(10, 1200, 1), QStringLiteral("10,0-1200,0"));
    EXPECT_EQ(RangeText(0.001L, 900, 2), QStringLiteral("0,00-900,00"));
}

struct FitCase {
    const char *name;
    const char *in;
    long double minimum, maximum;
    int decimals;
    bool fallbackToMinimum;
    const char *out;
    int fitCode;
    int quietCode;
    const char *warning; // "" when none
};

class FitTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitTest, RepairsWithItsWarning)
{
    const FitCase &c = GetParam();
    {
        Recorder rec;
        QString text = QString::fromUtf8(c.in);
        const NumericField::Report report =
            NumericField::Fit(text, 12, c.decimals, c.minimum, c.maximum, c.fallbackToMinimum);
        EXPECT_EQ(report.code, c.fitCode);
        EXPECT_EQ(text, QString::fromUtf8(c.out));
        EXPECT_EQ(report.warning,
                  *c.warning ? std::optional<QString>(QString::fromUtf8(c.warning)) : std::nullopt);
        EXPECT_TRUE(rec.messages().empty()); // the caller's window shows it
    }
    {
        Recorder rec;
        QString text = QString::fromUtf8(c.in);
        EXPECT_EQ(NumericField::FitQuiet(text, 12, c.decimals, c.minimum, c.maximum,
                                         c.fallbackToMinimum),
                  c.quietCode);
        EXPECT_EQ(text, QString::fromUtf8(c.out));
        EXPECT_TRUE(rec.messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitTest,
    testing::Values(
        FitCase{"Empty", "", 10, 1200, 1, false, "10,0", 1, 1, "Champ vide"},
        FitCase{"NotANumberToMaximum", "abc", 10, 1200, 1, false, "1200,0", 2, 2,
                "Saisissez un décimal de l'intervalle 10,0-1200,0"},
        FitCase{"NotANumberToMinimum", "abc", 10, 1200, 1, true, "10,0", 2, 2,
                "Saisissez un décimal de l'intervalle 10,0-1200,0"},
        FitCase{"AboveMaximum", "1500", 10, 1200, 1, false, "1200", 0, 4,
                "Valeur hors intervalle 10,0-1200,0"},
        FitCase{"BelowMinimum", "5", 10, 1200, 1, false, "10", 0, 3,
                "Valeur hors intervalle 10,0-1200,0"},
        FitCase{"WholeLosesDecimals", "56,04", 10, 1200, 1, false, "56", 0, 0, ""},
        FitCase{"RoundedHalfAway", "85,25", 10, 1200, 1, false, "85,3", 0, 0, ""},
        FitCase{"RoundedBelowMinimum", "0,0044", 0.005L, 0.5L, 3, false, "0,005", 0, 3,
                "Valeur hors intervalle 0,005-0,500"},
        FitCase{"RoundedOntoMaximumIsInside", "1200,04", 10, 1200, 1, false, "1200", 0, 0, ""},
        FitCase{"DistanceRangeText", "1000", 0.001L, 900, 2, false, "900", 0, 4,
                "Valeur hors intervalle 0,00-900,00"},
        // At the top of the 80-bit range the value reads, but its text rounded
        // to the field's twelve digits lies beyond the largest value and does
        // not: it is out of range like any other.
        FitCase{"TopOfTheRangeAboveMaximum", "1,189731495355E4932", 10, 1200, 1, false, "1200",
                0, 4, "Valeur hors intervalle 10,0-1200,0"},
        FitCase{"TopOfTheRangeBelowMinimum", "-1,189731495355E4932", -150, 150, 1, false,
                "-150", 0, 3, "Valeur hors intervalle -150,0-150,0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NumericFieldCheck, ReportsWithoutTouchingTheText)
{
    Recorder rec;
    const auto check = [](const QString &text) {
        return NumericField::Check(text, 12, 1, QStringLiteral("Focale"), 10, 1200);
    };
    const NumericField::Report high = check(QStringLiteral("1300"));
    const NumericField::Report empty = check(QString());
    const NumericField::Report point = check(QStringLiteral("5.6"));
    const NumericField::Report rounded = check(QStringLiteral("1200,04"));
    EXPECT_EQ(high.code, 3);
    EXPECT_EQ(high.warning, QStringLiteral("Focale hors intervalle 10,0-1200,0"));
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.warning,
              QStringLiteral("Focale doit être un décimal de l'intervalle 10,0-1200,0"));
    EXPECT_EQ(point.code, 2);
    EXPECT_EQ(point.warning,
              QStringLiteral("Focale doit être un décimal de l'intervalle 10,0-1200,0"));
    EXPECT_EQ(rounded.code, 0);
    EXPECT_FALSE(rounded.warning.has_value());
    EXPECT_TRUE(rec.messages().empty());
}

// The two inputs the fuzzer found (at twelve digits, as every field is
// checked, and at eight): the repairs never throw and always leave a number.
TEST(NumericFieldCheck, TopOfTheLongDoubleRangeIsOutOfRange)
{
    for (const char *typed : {"1,189731495355E4932", "1,18973149E4932"}) {
        SCOPED_TRACE(typed);
        const QString text = QString::fromLatin1(typed);
        ASSERT_TRUE(ReadNumber(text)); // it reads: it is no conversion error
        for (const int precision : {8, 12}) {
            Recorder rec;
            const NumericField::Report checked =
                NumericField::Check(text, precision, 1, QStringLiteral("Focale"), 10, 1200);
            EXPECT_EQ(checked.code, 3);
            EXPECT_EQ(checked.warning, QStringLiteral("Focale hors intervalle 10,0-1200,0"));
            QString fitted = text;
            std::optional<QString> fitWarning;
            EXPECT_NO_THROW(fitWarning =
                                NumericField::Fit(fitted, precision, 1, 10, 1200, true).warning);
            EXPECT_EQ(fitted, QStringLiteral("1200"));
            EXPECT_EQ(fitWarning, QStringLiteral("Valeur hors intervalle 10,0-1200,0"));
            QString quiet = text;
            EXPECT_EQ(NumericField::FitQuiet(quiet, precision, 1, 10, 1200, true), 4);
            EXPECT_TRUE(rec.messages().empty());
        }
        // A whole number already: its rounded text, which no longer reads.
        EXPECT_NO_THROW(TrimWholeText(text, 2));
    }
}

struct GeneralCase {
    const char *name;
    long double value;
    const char *text;
};

class GeneralTextTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextTest, Writes)
{
    EXPECT_EQ(GeneralText(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralTextTest,
    testing::Values(GeneralCase{"WholeLosesComma", 4, "4"},
                    GeneralCase{"TrailingZeroDropped", 5.60L, "5,6"},
                    GeneralCase{"Hundreds", 900, "900"},
                    GeneralCase{"SmallDistance", 0.03L, "0,03"},
                    GeneralCase{"Circle", 0.015L, "0,015"},
                    GeneralCase{"Zero", 0, "0"},
                    GeneralCase{"Negative", -2.5L, "-2,5"},
                    GeneralCase{"FifteenDigitsKept", 1.23456789012345678L, "1,23456789012346"},
                    GeneralCase{"FifteenIntegerDigits", 123456789012345.0L, "123456789012345"},
                    GeneralCase{"SmallestPlain", 0.0001L, "0,0001"},
                    GeneralCase{"BelowPlainIsScientific", 0.00005L, "5E-5"},
                    GeneralCase{"ScientificWithDecimals", 0.000015L, "1,5E-5"},
                    GeneralCase{"BeyondFifteenIntegerDigits", 1e15L, "1E15"}),
    [](const auto &info) { return std::string(info.param.name); });
