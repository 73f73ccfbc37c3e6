#include "lists/defaultlists.h"

#include "lists/listeditor.h"
#include "listtext.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(TheoreticalList, HalfStopsFromOneTo256)
{
    EXPECT_EQ(TheoreticalFNumbers().join(u' '),
              QStringLiteral("1,0 1,2 1,4 1,7 2,0 2,4 2,8 3,4 4,0 4,8 5,7 6,7 8,0 9,5 11,3 13,5 "
                             "16,0 19,0 22,6 26,9 32,0 38,1 45,3 53,8 64,0 76,1 90,5 107,6 128,0 "
                             "152,2 181,0 215,3 256,0"));
}

struct RangeCase {
    const char *name;
    ListWording wording;
    ListKind kind;
    const char *line;
};

class RangeLineTest : public testing::TestWithParam<RangeCase> {};

TEST_P(RangeLineTest, ShowsTheKindsRange)
{
    const RangeCase &c = GetParam();
    EXPECT_EQ(RangeLine(c.wording, c.kind), QString::fromUtf8(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeLineTest,
    testing::Values(RangeCase{"TableFNumbers", ListWording::Table, ListKind::Dia,
                              "Diaphragme min.: 1,0      Diaphragme max.: 256,0"},
                    RangeCase{"VariationsFNumbers", ListWording::Variations, ListKind::Dia,
                              "Diaphragme min.: 1,0      Diaphragme max.: 256,0"},
                    RangeCase{"TableDistances", ListWording::Table, ListKind::Dis,
                              "Mètres  Distance min.: 0,03      Distance max.: 900,00"},
                    RangeCase{"VariationsDistances", ListWording::Variations, ListKind::Dis,
                              "Mètres   Distance min.: 0,03   Distance max.: 900,00"},
                    RangeCase{"FocalLengths", ListWording::Variations, ListKind::Foc,
                              "Focale min.: 10,0 mm      Focale max.: 1200,0 mm"},
                    RangeCase{"Circles", ListWording::Variations, ListKind::Cer,
                              "Diamètre min.: 0,005 mm      Diamètre max.: 0,500 mm"}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

class DrivenUseTest : public testing::Test {
protected:
    ProgramFolder folder;
    Recorder rec;
    RecordingReceiver receiver;
};

} // namespace

TEST_F(DrivenUseTest, DefaultListsReachTheCallerAllChecked)
{
    EXPECT_TRUE(RunListSource(folder.dataPath(), ListKind::Dia, ListSource::DefaultList, &receiver)
                    .handedBack);
    EXPECT_TRUE(RunListSource(folder.dataPath(), ListKind::Dis, ListSource::DefaultList, &receiver)
                    .handedBack);
    ASSERT_EQ(receiver.deliveries.size(), 2u);
    EXPECT_EQ(receiver.deliveries[0].kind, ListKind::Dia);
    EXPECT_EQ(receiver.deliveries[0].items.join(u' '),
              QStringLiteral("4,5 5,6 8 11 16 22 32 45 64"));
    EXPECT_EQ(receiver.deliveries[1].kind, ListKind::Dis);
    EXPECT_EQ(receiver.deliveries[1].items.first(), QStringLiteral("0,5"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(DrivenUseTest, MissingDefaultListSaysBugAndHandsNothingBack)
{
    QFile::remove(folder.dataPath() + "cbxfoc7.stf");
    const ListSourceResult result =
        RunListSource(folder.dataPath(), ListKind::Foc, ListSource::DefaultList, &receiver);
    EXPECT_FALSE(result.handedBack);
    EXPECT_TRUE(receiver.deliveries.empty());
    EXPECT_EQ(Said(result.notices),
              (std::vector<Message>{{QStringLiteral("plain"), QStringLiteral("bug")}}));
    EXPECT_TRUE(rec.messages().empty()); // the caller's window shows it
}

TEST_F(DrivenUseTest, TheoreticalListOnlyForFNumbers)
{
    EXPECT_TRUE(
        RunListSource(folder.dataPath(), ListKind::Dia, ListSource::TheoreticalList, &receiver)
            .handedBack);
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].items, TheoreticalFNumbers());

    // For focal lengths it builds nothing, so nothing goes back.
    EXPECT_FALSE(
        RunListSource(folder.dataPath(), ListKind::Foc, ListSource::TheoreticalList, &receiver)
            .handedBack);
    EXPECT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(DrivenUseTest, AnEditorLeftOnItsCurrentListKeepsItForOtherKinds)
{
    ListEditor editor(folder.dataPath(), ListKind::Foc);
    editor.current = marked("50* 80*");
    editor.BuildTheoreticalList();
    EXPECT_EQ(shown(editor.current), QStringLiteral("50* 80*"));
}

TEST_F(DrivenUseTest, AReceiverGetsOnlyTheKindsItAccepts)
{
    RecordingReceiver table({ListKind::Dia, ListKind::Dis});
    EXPECT_FALSE(RunListSource(folder.dataPath(), ListKind::Cer, ListSource::DefaultList, &table)
                     .handedBack);
    RecordingReceiver none(std::vector<ListKind>{});
    EXPECT_FALSE(
        RunListSource(folder.dataPath(), ListKind::Dia, ListSource::DefaultList, &none).handedBack);
    EXPECT_TRUE(table.deliveries.empty());
    EXPECT_TRUE(none.deliveries.empty());
    EXPECT_FALSE(RunListSource(folder.dataPath(), ListKind::Dia, ListSource::DefaultList, nullptr)
                     .handedBack);
}
