#include "lists/listsort.h"

#include "core/usererror.h"
#include "listtext.h"

#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

struct ContainsCase {
    const char *name;
    const char *list;
    const char *text;
    bool contained;
};

class ContainsValueTest : public testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsValueTest, ComparesValuesNotTexts)
{
    const ContainsCase &c = GetParam();
    EXPECT_EQ(ContainsValue(marked(c.list), QString::fromUtf8(c.text)), c.contained);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContainsValueTest,
    testing::Values(ContainsCase{"TrailingZero", "2,8 5,6", "5,60", true},
                    ContainsCase{"WholeAndDecimal", "50", "50,0", true},
                    ContainsCase{"ScientificForm", "900", "9E2", true},
                    ContainsCase{"Absent", "2,8 5,6", "4", false},
                    ContainsCase{"EmptyListNeverReadsTheText", "", "abc", false},
                    ContainsCase{"EmptyListEmptyText", "", "", false},
                    // The first equal item answers: what follows is not read.
                    ContainsCase{"MatchBeforeAnUnreadableItem", "4 abc", "4,0", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ContainsValue, UnreadableTextOrItemIsTheConversionError)
{
    try {
        ContainsValue(marked("2,8"), QStringLiteral("5.6"));
        FAIL() << "no error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("'5.6' n'est pas une valeur en virgule flottante correcte"));
    }
    try {
        ContainsValue(marked("2,8 x1"), QStringLiteral("4"));
        FAIL() << "no error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("'x1' n'est pas une valeur en virgule flottante correcte"));
    }
}

TEST(ContainsValue, HugeDamagedItemIsShownShortened)
{
    ValueList list;
    list.append(QString(10'000'000, u'7') + u'x');
    try {
        ContainsValue(list, QStringLiteral("4"));
        FAIL() << "no error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(),
                  u'\'' + QString(60, u'7') +
                      QStringLiteral("...' n'est pas une valeur en virgule flottante correcte"));
    }
}

struct SortCase {
    const char *name;
    const char *before;
    const char *after;
};

class SortListNumericTest : public testing::TestWithParam<SortCase> {};

TEST_P(SortListNumericTest, SortsTextsAndLeavesMarksInPlace)
{
    const SortCase &c = GetParam();
    ValueList list = marked(c.before);
    SortListNumeric(list);
    EXPECT_EQ(shown(list), QString::fromUtf8(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortListNumericTest,
    testing::Values(
        // 4,0 moves toward the end and takes its general form; 2,8 moves to
        // the front as written. Marks belong to positions.
        SortCase{"MovedBackTakesGeneralForm", "4,0* 2,8 5,6*", "2,8* 4 5,6*"},
        SortCase{"GeneralFormOfFiveSixIsItself", "5,6* 2,8* 4,0", "2,8* 4,0* 5,6"},
        SortCase{"TypedItemAfterSortedList", "2,8* 4,0* 5,6* 3,4", "2,8* 3,4* 4* 5,6"},
        SortCase{"ScientificBecomesPlain", "9E2 1", "1 900"},
        SortCase{"Reversed", "100* 10 1", "1* 10 100"},
        SortCase{"DigitsBeyondTheFifteenthRoundedAsItMoves", "9,12345678901234567 2 1",
                 "1 2 9,12345678901235"},
        SortCase{"EqualValuesKeepTheirTexts", "5,60 5,6* 2", "2 5,6* 5,6"},
        SortCase{"AlreadySortedUnchanged", "0,50* 1,00 1,50*", "0,50* 1,00 1,50*"},
        SortCase{"Empty", "", ""},
        SortCase{"SingleUnreadableItemIsNotRead", "abc*", "abc*"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SortListNumeric, UnreadableItemStopsTheSortAndLeavesTheList)
{
    ValueList list = marked("5,6* 4,0 zz 2,8*");
    const ValueList before = list;
    try {
        SortListNumeric(list);
        FAIL() << "no error";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("'zz' n'est pas une valeur en virgule flottante correcte"));
    }
    EXPECT_EQ(list, before);
}

TEST(SortListNumeric, LongListEndsAscending)
{
    // A section of focal lengths from 10 to 1200 by 1, reversed: the largest
    // list the editor builds, and the bubble sort's worst order.
    ValueList list;
    for (int v = 1200; v >= 10; --v)
        list.append(QString::number(v) + QStringLiteral(",0"));
    SortListNumeric(list);
    ASSERT_EQ(list.count(), 1191);
    EXPECT_EQ(list.text(0), QStringLiteral("10,0")); // moved to the front as written
    EXPECT_EQ(list.text(1190), QStringLiteral("1200")); // moved back: general form
    for (int i = 1; i < list.count(); ++i)
        ASSERT_LT(ItemValue(list.text(i - 1)), ItemValue(list.text(i))) << i;
}
