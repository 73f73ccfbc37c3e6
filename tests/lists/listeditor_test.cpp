#include "lists/listeditor.h"

#include "core/usererror.h"
#include "lists/listfiles.h"
#include "listtext.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QDir>
#include <deque>
#include <optional>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

// A fresh program folder with the delivered data, the recorder, and an editor
// of the kind a test asks for.
class ListEditorTest : public testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(rec.messages().empty()); // the window shows what the editor returns
    }

    ListEditor &editor(ListKind kind, const char *list = "")
    {
        m_editor.emplace(folder.dataPath(), kind);
        m_editor->current = marked(list);
        return *m_editor;
    }
    QByteArray file(const char *name) const { return folder.read(QStringLiteral("Data/") + name); }

    // What the editor said and asked, in order: the notices it returned and
    // the questions it put to `ask`, answered from `answers` (No when none
    // is left).
    void keep(const Notices &notices)
    {
        for (const Message &m : Said(notices))
            said.push_back(m);
    }
    std::vector<Message> said;
    std::deque<bool> answers;
    const ListEditor::Confirm ask = [this](const QString &question) {
        said.push_back({QStringLiteral("confirm"), question});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    };

    ProgramFolder folder;
    Recorder rec; // the editor shows nothing itself
    std::optional<ListEditor> m_editor;
};

Message warning(const char *text) { return {QStringLiteral("warning"), QString::fromUtf8(text)}; }
Message information(const char *text)
{
    return {QStringLiteral("information"), QString::fromUtf8(text)};
}
Message confirm(const char *text) { return {QStringLiteral("confirm"), QString::fromUtf8(text)}; }

ValueList numbered(int count, const char *suffix)
{
    ValueList list;
    for (int i = 1; i <= count; ++i)
        list.append(QString::number(i) + QString::fromLatin1(suffix), true);
    return list;
}

} // namespace

struct KindSettingsCase {
    const char *name;
    ListKind kind;
    ListWording wording;
    int decimals;
    const char *steps;
    const char *start;
    const char *end;
    const char *caption;
    const char *thHint;
    const char *add; // EdAdd after activation, from "8"
};

class ApplyKindSettingsTest : public ListEditorTest,
                              public testing::WithParamInterface<KindSettingsCase> {};

TEST_P(ApplyKindSettingsTest, SetsTheKindsFieldsAndTakesTheSnapshot)
{
    const KindSettingsCase &c = GetParam();
    ListEditor &e = editor(c.kind, "3* 1 2*");
    e.wording = c.wording;
    e.fields.add = QStringLiteral("8");
    e.Activate();
    EXPECT_EQ(e.decimals, c.decimals);
    EXPECT_EQ(e.fields.steps.join(u' '), QString::fromUtf8(c.steps));
    EXPECT_EQ(e.fields.step, *c.steps ? 0 : -1);
    EXPECT_EQ(e.fields.sectionStart, QString::fromUtf8(c.start));
    EXPECT_EQ(e.fields.sectionEnd, QString::fromUtf8(c.end));
    EXPECT_EQ(e.fields.caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(e.fields.theoreticalHint, QString::fromUtf8(c.thHint));
    EXPECT_EQ(e.fields.add, QString::fromUtf8(c.add));
    EXPECT_EQ(shown(e.snapshot), QStringLiteral("3* 2*"));
    EXPECT_TRUE(said.empty());
}

#define TH_DEFAULT "Listethéorique|Remplace la liste courante par la liste théorique"
INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyKindSettingsTest,
    testing::Values(
        KindSettingsCase{"Distances", ListKind::Dis, ListWording::Table, 2,
                         "0,01 0,05 0,1 0,2 0,5 1 2 5 10 20 50 100", "0,03", "900,00",
                         "Listes-Distances", TH_DEFAULT, "8"},
        KindSettingsCase{"DistancesForVariations", ListKind::Dis, ListWording::Variations, 2,
                         "0,01 0,05 0,1 0,2 0,5 1 2 5 10 20 50 100", "0,03", "900,00",
                         "Listes-Distances",
                         "Rappel d'une liste théorique|Réservée à l'étude de l'hyperfocale", "8"},
        KindSettingsCase{"FNumbers", ListKind::Dia, ListWording::Table, 1, "", "", "",
                         "Listes-Diaphragmes",
                         "Rappel d'une liste théorique|Diaphragmes de 1 à 256 avec "
                         "demi-diaphragmes",
                         ""},
        KindSettingsCase{"FocalLengths", ListKind::Foc, ListWording::Variations, 1,
                         "1 2 5 10 20 50 100", "10,0", "1200,0", "Listes-Focales", TH_DEFAULT, ""},
        KindSettingsCase{"Circles", ListKind::Cer, ListWording::Variations, 3,
                         "0,001 0,002 0,005 0,010", "0,005", "0,500",
                         "Listes-Diamètres du cercle de confusion", TH_DEFAULT, ""}),
    [](const auto &info) { return std::string(info.param.name); });
#undef TH_DEFAULT

TEST_F(ListEditorTest, WithoutAValueKindNothingHappens)
{
    // The grid kind has no values to edit.
    ListEditor &e = editor(ListKind::Cgr, "2,8*");
    e.fields.add = QStringLiteral("4");
    e.Activate();
    keep(e.AddTypedItem());
    keep(e.LoadDefaultList());
    e.BuildTheoreticalList();
    EXPECT_EQ(shown(e.current), QStringLiteral("2,8*"));
    EXPECT_EQ(e.fields.caption, QStringLiteral("Listes"));
    EXPECT_EQ(e.kind(), std::nullopt);
    EXPECT_TRUE(said.empty());
}

struct AddCase {
    const char *name;
    ListKind kind;
    const char *list;
    const char *typed;
    const char *after;
    const char *addAfter; // EdAdd afterwards
    std::vector<Message> messages;
};

class AddTypedItemTest : public ListEditorTest, public testing::WithParamInterface<AddCase> {};

TEST_P(AddTypedItemTest, AddsRepairsOrRefuses)
{
    const AddCase &c = GetParam();
    ListEditor &e = editor(c.kind, c.list);
    e.fields.add = QString::fromUtf8(c.typed);
    keep(e.AddTypedItem());
    EXPECT_EQ(shown(e.current), QString::fromUtf8(c.after));
    EXPECT_EQ(e.fields.add, QString::fromUtf8(c.addAfter));
    EXPECT_EQ(said, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddTypedItemTest,
    testing::Values(
        // The dot is a comma; the new item is unchecked but the marks stay
        // with the positions while 4,0 moves back and takes its general form.
        AddCase{"DotTypedSortKeepsMarksInPlace", ListKind::Dia, "2,8* 4,0* 5,6*", "3.4",
                "2,8* 3,4* 4* 5,6", "", {}},
        AddCase{"AboveRangeTakesTheBound", ListKind::Dia, "2,8*", "300", "2,8* 256", "",
                {warning("Valeur hors intervalle 1,0-256,0")}},
        AddCase{"RoundedToTheKindsDecimals", ListKind::Foc, "50*", "85,25", "50* 85,3", "", {}},
        AddCase{"FNumberDuplicateAsTypedEmptiesTheField", ListKind::Dia, "2,8*", "2,80", "2,8*",
                "", {}},
        AddCase{"FocalDuplicateAsTypedKeepsTheField", ListKind::Foc, "50*", "50,0", "50*", "50,0",
                {}},
        AddCase{"FocalDuplicateOnceRepairedEmptiesTheField", ListKind::Foc, "1200*", "1500",
                "1200*", "", {warning("Valeur hors intervalle 10,0-1200,0")}},
        AddCase{"DistanceDuplicateOnceRepairedKeepsTheField", ListKind::Dis, "900*", "1000",
                "900*", "1000", {warning("Valeur hors intervalle 0,00-900,00")}},
        AddCase{"CircleKeepsItsDecimals", ListKind::Cer, "0,015*", "0.0304", "0,015* 0,030", "",
                {}},
        AddCase{"EmptyEntryOnEmptyListAddsTheMinimum", ListKind::Foc, "", "", "10,0", "",
                {warning("Champ vide")}},
        AddCase{"UnreadableEntryOnEmptyListAddsTheMinimum", ListKind::Cer, "", "abc", "0,005", "",
                {warning("Saisissez un décimal de l'intervalle 0,005-0,500")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListEditorTest, UnreadableEntryAgainstAListIsTheConversionError)
{
    ListEditor &e = editor(ListKind::Dia, "2,8* 4*");
    for (const char *typed : {"abc", ""}) {
        e.fields.add = QString::fromLatin1(typed);
        try {
            keep(e.AddTypedItem());
            FAIL() << "no error for '" << typed << "'";
        } catch (const ConversionError &error) {
            EXPECT_EQ(error.text(), QStringLiteral("'%1' n'est pas une valeur en virgule flottante "
                                                   "correcte").arg(QString::fromLatin1(typed)));
        }
        EXPECT_EQ(shown(e.current), QStringLiteral("2,8* 4*"));
        EXPECT_EQ(e.fields.add, QString::fromLatin1(typed));
    }
}

TEST_F(ListEditorTest, AHundredItemsRefuseTypedAdditions)
{
    ListEditor &e = editor(ListKind::Foc);
    e.current = numbered(99, "0");
    e.fields.add = QStringLiteral("1000");
    keep(e.AddTypedItem());
    ASSERT_EQ(e.current.count(), 100);
    EXPECT_TRUE(said.empty());

    e.fields.add = QStringLiteral("1100");
    keep(e.AddTypedItem());
    EXPECT_EQ(e.current.count(), 100);
    EXPECT_EQ(e.fields.add, QStringLiteral("1100"));
    EXPECT_EQ(said, std::vector<Message>{information("Nombre d'items limité à 100.")});
}

struct SectionCase {
    const char *name;
    ListKind kind;
    const char *list;
    const char *start;
    const char *end;
    const char *step;
    ListEditor::SectionMode mode;
    const char *after;
    const char *startAfter;
    const char *endAfter;
    std::vector<Message> messages;
};

class AddSectionTest : public ListEditorTest, public testing::WithParamInterface<SectionCase> {};

TEST_P(AddSectionTest, BuildsTheSection)
{
    const SectionCase &c = GetParam();
    ListEditor &e = editor(c.kind, c.list);
    e.ApplyKindSettings();
    e.fields.sectionStart = QString::fromUtf8(c.start);
    e.fields.sectionEnd = QString::fromUtf8(c.end);
    e.fields.step = static_cast<int>(e.fields.steps.indexOf(QString::fromUtf8(c.step)));
    ASSERT_GE(e.fields.step, 0) << c.step;
    keep(e.AddSection(c.mode));
    EXPECT_EQ(shown(e.current), QString::fromUtf8(c.after));
    EXPECT_EQ(e.fields.sectionStart, QString::fromUtf8(c.startAfter));
    EXPECT_EQ(e.fields.sectionEnd, QString::fromUtf8(c.endAfter));
    EXPECT_EQ(said, c.messages);
}

using Mode = ListEditor::SectionMode;
INSTANTIATE_TEST_SUITE_P(
    Cases, AddSectionTest,
    testing::Values(
        SectionCase{"FocalReplace", ListKind::Foc, "60* 200*", "50", "80", "10", Mode::Replace,
                    "50,0 60,0 70,0 80,0", "50", "80", {}},
        // 60 is there already; the mark of position 1 stays where it is.
        SectionCase{"FocalAddSkipsValuesPresent", ListKind::Foc, "60*", "50", "80", "10",
                    Mode::Add, "50,0* 60 70,0 80,0", "50", "80", {}},
        // 1 + 5 x 0,1 falls a hair short of or beyond 1,5: the margin keeps it.
        SectionCase{"DistanceEndReachedByAccumulatedSteps", ListKind::Dis, "", "1", "1.5", "0,1",
                    Mode::Replace, "1,00 1,10 1,20 1,30 1,40 1,50", "1", "1,50", {}},
        SectionCase{"CirclesAlwaysAdd", ListKind::Cer, "0,1*", "0,005", "0,008", "0,001",
                    Mode::Replace, "0,005* 0,006 0,007 0,008 0,1", "0,005", "0,008", {}},
        SectionCase{"StartAfterEnd", ListKind::Foc, "60*", "90", "80", "10", Mode::Replace, "60*",
                    "90", "100,0", {warning("Début supérieur à Fin")}},
        SectionCase{"EmptyFieldsTakeTheMinimum", ListKind::Foc, "", "", "", "100", Mode::Add,
                    "10,0", "10,0", "10,0", {warning("Champ vide"), warning("Champ vide")}},
        SectionCase{"UnreadableEndTakesTheMaximum", ListKind::Cer, "", "0,45", "x", "0,010",
                    Mode::Add, "0,450 0,460 0,470 0,480 0,490 0,500", "0,450", "0,500",
                    {warning("Saisissez un décimal de l'intervalle 0,005-0,500")}},
        // A section start may be as small as 0,001, its end no smaller than 0,03.
        SectionCase{"DistanceEndBelowItsMinimum", ListKind::Dis, "", "0,01", "0,02", "0,01",
                    Mode::Replace, "0,01 0,02 0,03", "0,01", "0,03",
                    {warning("Valeur hors intervalle 0,03-900,00")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListEditorTest, DistanceSectionStopsAtAHundredItems)
{
    ListEditor &e = editor(ListKind::Dis, "5*");
    e.ApplyKindSettings();
    e.fields.sectionStart = QStringLiteral("0,01");
    e.fields.sectionEnd = QStringLiteral("100");
    e.fields.step = 0; // 0,01
    keep(e.AddSection(Mode::Replace));
    ASSERT_EQ(e.current.count(), 100);
    EXPECT_EQ(e.current.text(0), QStringLiteral("0,01"));
    EXPECT_EQ(e.current.text(99), QStringLiteral("1,00"));
    EXPECT_EQ(said, std::vector<Message>{information("Nombre d'items limité à 100.")});

    // A full list takes nothing more from a section.
    said.clear();
    e.fields.sectionStart = QStringLiteral("2");
    e.fields.sectionEnd = QStringLiteral("3");
    keep(e.AddSection(Mode::Add));
    EXPECT_EQ(e.current.count(), 100);
    EXPECT_EQ(e.current.text(99), QStringLiteral("1,00"));
}

TEST_F(ListEditorTest, SectionAndFieldCommandsDoNothingForFNumbers)
{
    ListEditor &e = editor(ListKind::Dia, "2,8*");
    e.fields.sectionStart = QStringLiteral("1");
    e.fields.sectionEnd = QStringLiteral("5");
    keep(e.AddSection(Mode::Replace));
    EXPECT_EQ(shown(e.current), QStringLiteral("2,8*"));
    EXPECT_EQ(e.fields.sectionStart, QStringLiteral("1"));

    e.PrepareNextSection(); // InitChBtn
    EXPECT_EQ(e.fields.sectionStart, QStringLiteral("5"));
    EXPECT_EQ(e.fields.sectionEnd, QString());
    e.ClearSectionFields(); // VideChBtn
    EXPECT_EQ(e.fields.sectionStart, QString());
    EXPECT_TRUE(said.empty());
}

TEST_F(ListEditorTest, MarksSpinAndCount)
{
    ListEditor &e = editor(ListKind::Dia, "1 2* 3 4");
    e.InvertMarks();
    EXPECT_EQ(shown(e.current), QStringLiteral("1* 2 3* 4*"));
    EXPECT_EQ(e.CountText(), QStringLiteral("3/4"));
    e.CheckAll();
    EXPECT_EQ(e.CountText(), QStringLiteral("4/4"));

    // Up: unchecks the item and the one before, selecting that one.
    EXPECT_EQ(e.SpinUp(2), 1);
    EXPECT_EQ(shown(e.current), QStringLiteral("1* 2 3 4*"));
    EXPECT_EQ(e.SpinUp(0), 0); // first item: stays selected
    EXPECT_EQ(shown(e.current), QStringLiteral("1 2 3 4*"));
    // Down: checks the item and the next one, selecting it.
    EXPECT_EQ(e.SpinDown(1), 2);
    EXPECT_EQ(shown(e.current), QStringLiteral("1 2* 3* 4*"));
    EXPECT_EQ(e.SpinDown(3), 3);
    EXPECT_EQ(e.SpinDown(-1), -1); // nothing selected: nothing done
    EXPECT_EQ(e.SpinUp(-1), -1);
    EXPECT_EQ(shown(e.current), QStringLiteral("1 2* 3* 4*"));
}

TEST_F(ListEditorTest, RemovalsAskFirst)
{
    const char *modify = "ATTENTION, vous allez modifier l'échelle courante. Continuer?";
    ListEditor &e = editor(ListKind::Dis, "1* 2 3* 4");
    answers.push_back(false);
    e.DeleteCheckedItems(ask);
    EXPECT_EQ(shown(e.current), QStringLiteral("1* 2 3* 4"));
    answers.push_back(true);
    e.DeleteCheckedItems(ask);
    EXPECT_EQ(shown(e.current), QStringLiteral("2 4"));

    // The items kept by DelCourNCBtn lose their marks.
    e.current = marked("1* 2 3* 4");
    answers.push_back(true);
    e.DeleteUncheckedItems(ask);
    EXPECT_EQ(shown(e.current), QStringLiteral("1 3"));

    answers.push_back(true);
    e.DeleteCurrentList(ask);
    EXPECT_TRUE(e.current.isEmpty());
    // An empty list asks nothing.
    e.DeleteCurrentList(ask);
    e.DeleteCheckedItems(ask);
    e.DeleteUncheckedItems(ask);
    EXPECT_EQ(said, (std::vector<Message>{
                        confirm(modify), confirm(modify), confirm(modify),
                        confirm("ATTENTION, vous allez supprimer la liste courante. Continuer?")}));

    e.current = marked("1 2 3");
    e.RemoveItem(1);
    e.RemoveItem(7);
    e.RemoveItem(-1);
    EXPECT_EQ(shown(e.current), QStringLiteral("1 3"));
}

TEST_F(ListEditorTest, StoredListsSaveRecallAndDelete)
{
    ListEditor &e = editor(ListKind::Foc, "50* 80 135*");
    e.fields.storedIndex = 2; // "3"
    answers.push_back(true);
    e.SaveStoredList(false, ask);
    EXPECT_EQ(file("cbxfoc3.stf"), QByteArray("50\r\n80\r\n135\r\n"));
    answers.push_back(true);
    e.SaveStoredList(true, ask);
    EXPECT_EQ(file("cbxfoc3.stf"), QByteArray("50\r\n135\r\n"));
    answers.push_back(false); // No: nothing written
    e.SaveStoredList(false, ask);
    EXPECT_EQ(file("cbxfoc3.stf"), QByteArray("50\r\n135\r\n"));

    e.current = marked("20");
    keep(e.RecallStoredList());
    EXPECT_EQ(shown(e.current), QStringLiteral("50* 135*"));

    answers.push_back(true);
    keep(e.DeleteStoredList(ask));
    EXPECT_FALSE(folder.exists(QStringLiteral("Data/cbxfoc3.stf")));
    keep(e.DeleteStoredList(ask));
    keep(e.RecallStoredList());
    EXPECT_EQ(shown(e.current), QStringLiteral("50* 135*"));
    EXPECT_EQ(said, (std::vector<Message>{
                        confirm("Création de l'échelle n°3 avec tous les items.Continuer?"),
                        confirm("Création de l'échelle n°3 avec les items cochés.Continuer?"),
                        confirm("Création de l'échelle n°3 avec tous les items.Continuer?"),
                        confirm("Supprimer l'échelle enregistrée n°3?"),
                        information(" L'échelle n°3 n'existe pas"),
                        information("L'échelle n°3 n'existe pas.")}));
}

TEST_F(ListEditorTest, TheDefaultListIsNumberSevenAndStays)
{
    ListEditor &e = editor(ListKind::Dia, "2,8* 4 5,6*");
    e.fields.storedIndex = 6; // "D"
    answers.push_back(true);
    e.SaveStoredList(true, ask);
    EXPECT_EQ(file("cbxdia7.stf"), QByteArray("2,8\r\n5,6\r\n"));
    answers.push_back(true);
    e.SaveStoredList(false, ask);
    EXPECT_EQ(file("cbxdia7.stf"), QByteArray("2,8\r\n4\r\n5,6\r\n"));

    e.current.clear();
    keep(e.LoadDefaultList());
    EXPECT_EQ(shown(e.current), QStringLiteral("2,8* 4* 5,6*"));

    // Deleting it is refused: the callers' default-list commands need it.
    keep(e.DeleteStoredList(ask));
    EXPECT_TRUE(folder.exists(QStringLiteral("Data/cbxdia7.stf")));
    EXPECT_EQ(said,
              (std::vector<Message>{
                  confirm("Création de l'échelle par défaut avec les items cochés.Continuer?"),
                  confirm("Création de l'échelle par défaut avec tous les items.Continuer?"),
                  information("L'échelle par défaut ne peut pas être supprimée.")}));
}

TEST_F(ListEditorTest, MissingDefaultListIsABugAndChangesNothing)
{
    QFile::remove(folder.dataPath() + "cbxcer7.stf");
    ListEditor &e = editor(ListKind::Cer, "0,03*");
    keep(e.LoadDefaultList());
    EXPECT_EQ(shown(e.current), QStringLiteral("0,03*"));
    EXPECT_EQ(said, (std::vector<Message>{{QStringLiteral("plain"), QStringLiteral("bug")}}));
}

TEST_F(ListEditorTest, HandEditedFileStopsOperationsAndIsNotWrittenBack)
{
    const QByteArray damaged("35\r\n\r\ncinquante\r\n135\r\n");
    folder.write(QStringLiteral("Data/cbxfoc2.stf"), damaged);
    ListEditor &e = editor(ListKind::Foc);
    e.ApplyKindSettings();
    e.fields.storedIndex = 1;
    keep(e.RecallStoredList());
    EXPECT_EQ(e.current.texts(), (QStringList{"35", "", "cinquante", "135"}));
    const ValueList loaded = e.current;

    e.fields.add = QStringLiteral("50");
    EXPECT_THROW(keep(e.AddTypedItem()), ConversionError);
    e.fields.sectionStart = QStringLiteral("40");
    e.fields.sectionEnd = QStringLiteral("60");
    EXPECT_THROW(keep(e.AddSection(Mode::Add)), ConversionError);
    // Ok hands back no list holding an item that is not a number.
    RecordingReceiver receiver;
    try {
        e.OkCommand(&receiver);
        FAIL() << "no error";
    } catch (const ConversionError &error) {
        EXPECT_EQ(error.text(),
                  QStringLiteral("'' n'est pas une valeur en virgule flottante correcte"));
    }
    EXPECT_TRUE(receiver.deliveries.empty());
    EXPECT_EQ(e.current, loaded);
    EXPECT_EQ(file("cbxfoc2.stf"), damaged);

    // Once the user removes the bad lines the list works again.
    e.RemoveItem(2);
    e.RemoveItem(1);
    keep(e.AddTypedItem());
    EXPECT_EQ(shown(e.current), QStringLiteral("35* 50* 135"));
}

TEST_F(ListEditorTest, OkHandsBackTheCheckedItemsAndCancelRestoresTheSnapshot)
{
    RecordingReceiver receiver;
    ListEditor &e = editor(ListKind::Dis, "1* 2* 3*");
    e.Activate();
    e.current = marked("1 2 3 5");
    EXPECT_FALSE(e.OkCommand(&receiver)); // nothing checked: nothing happens
    EXPECT_TRUE(receiver.deliveries.empty());
    EXPECT_TRUE(said.empty());

    e.current = marked("1* 2 3* 5*");
    EXPECT_TRUE(e.OkCommand(&receiver));
    EXPECT_EQ(shown(e.result), QStringLiteral("1 3 5"));
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].kind, ListKind::Dis);
    EXPECT_EQ(receiver.deliveries[0].items, (QStringList{"1", "3", "5"}));

    e.Cancel();
    EXPECT_EQ(shown(e.current), QStringLiteral("1* 2* 3*"));
}

struct HandBackCase {
    const char *name;
    std::vector<ListKind> accepted;
    ListKind kind;
    bool delivered;
};

class HandBackTest : public ListEditorTest, public testing::WithParamInterface<HandBackCase> {};

TEST_P(HandBackTest, TheReceiverDecidesWhichKindsItTakes)
{
    const HandBackCase &c = GetParam();
    RecordingReceiver receiver(c.accepted);
    ListEditor &e = editor(c.kind, "12* 20");
    EXPECT_TRUE(e.OkCommand(&receiver)); // the window closes whoever takes the list
    EXPECT_EQ(shown(e.result), QStringLiteral("12"));
    ASSERT_EQ(receiver.deliveries.size(), c.delivered ? 1u : 0u);
    if (c.delivered) {
        EXPECT_EQ(receiver.deliveries[0].kind, c.kind);
        EXPECT_EQ(receiver.deliveries[0].items, QStringList{"12"});
    }
    EXPECT_EQ(e.OkCommand(nullptr), true); // no receiver: nothing to deliver to
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandBackTest,
    testing::Values(
        HandBackCase{
            "FNumbersToATableLikeReceiver", {ListKind::Dia, ListKind::Dis}, ListKind::Dia, true},
        HandBackCase{
            "DistancesToATableLikeReceiver", {ListKind::Dia, ListKind::Dis}, ListKind::Dis, true},
        HandBackCase{"NoFocalLengthsToATableLikeReceiver",
                     {ListKind::Dia, ListKind::Dis},
                     ListKind::Foc,
                     false},
        HandBackCase{
            "NoCirclesToATableLikeReceiver", {ListKind::Dia, ListKind::Dis}, ListKind::Cer, false},
        HandBackCase{"CirclesToAReceiverOfTheFourKinds",
                     {ListKind::Dia, ListKind::Dis, ListKind::Foc, ListKind::Cer},
                     ListKind::Cer,
                     true},
        HandBackCase{"NothingToAReceiverThatTakesNothing", {}, ListKind::Dia, false}),
    [](const auto &info) { return std::string(info.param.name); });
