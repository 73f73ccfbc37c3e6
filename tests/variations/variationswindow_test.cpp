// The variations window driven offscreen with real clicks and keys: its
// opening, the lists and their editor, the field check, the origins, macro,
// colours, "infini", the half-stop buttons, memory, explanations, bitmap
// export, the focus-spread dialog and the main window's button.
#include "variations/variationswindow.h"
#include "variations/focusspreaddialog.h"
#include "app/mainwindow.h"
#include "core/apppaths.h"
#include "core/notes.h"
#include "core/numerictext.h"
#include "lists/listeditordialog.h"
#include "lists/listeditoropener.h"
#include "lists/listkind.h"
#include "support/child.h"
#include "support/pdfpages.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/screenprinttopdf.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"
#include "tablewindow/tablewindow.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

const char *const kResults[] = {"EdTa", "EdTp", "EdProf", "EdA", "EdB", "edapc", "Edbpc",
                                "EdA1", "EdA2", "EdGrandiss", "EdTirage", "EdHyperA", "EdHyper",
                                "EdDemiHyper"};

class VariationsWindowTest : public testing::Test {
protected:
    // The focus spread's readings outlive a window; each test starts without.
    VariationsWindowTest() { ForgetFocusSpreadReadings(); }
    ~VariationsWindowTest() override { ForgetFocusSpreadReadings(); }

    static QLineEdit *field(QWidget *form, const char *name) { return child<QLineEdit>(form, name); }
    static QString text(QWidget *form, const char *name) { return field(form, name)->text(); }
    static QListWidget *list(QWidget *form, const char *name) { return child<QListWidget>(form, name); }
    static QToolButton *button(QWidget *form, const char *name) { return child<QToolButton>(form, name); }

    static QStringList items(QWidget *form, const char *name)
    {
        QStringList out;
        QListWidget *box = list(form, name);
        for (int i = 0; i < box->count(); ++i)
            out << box->item(i)->text();
        return out;
    }
    static QStringList results(QWidget *form)
    {
        QStringList out;
        for (const char *name : kResults)
            out << text(form, name);
        return out;
    }
    static bool allEmpty(QWidget *form)
    {
        for (const QString &t : results(form))
            if (!t.isEmpty())
                return false;
        return true;
    }
    static QColor resultColour(QWidget *form, const char *name)
    {
        return field(form, name)->palette().color(QPalette::Text);
    }
    static void typeAndEnter(QWidget *form, const char *name, const QString &text)
    {
        typeInto(field(form, name), text);
        QTest::keyClick(field(form, name), Qt::Key_Return);
    }
    // A user's click on the item of that text.
    static void clickItem(QWidget *form, const char *box, const QString &itemText)
    {
        QListWidget *l = list(form, box);
        const QList<QListWidgetItem *> found = l->findItems(itemText, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << itemText.toStdString();
        l->scrollToItem(found[0]);
        const QRect r = l->visualItemRect(found[0]);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

    QStringList opened;
    ScriptedListEditor listEditor;

private:
    ScopedOpener<UrlOpener> m_urls{setUrlOpener, [this](const QUrl &url) {
        opened << url.toLocalFile();
        return true;
    }};
};

} // namespace

TEST_F(VariationsWindowTest, OpensWithTheDefaultListsTheTestLensAndFilmReferredDistances)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Variations de la profondeur de champ"));
    EXPECT_GE(form.width(), 598);
    EXPECT_GE(form.height(), 387);
    EXPECT_TRUE(button(&form, "DistFilmBtn")->isChecked());
    EXPECT_EQ(child<QComboBox>(&form, "ComboNbDecim")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,100"));
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("148,1"));
    EXPECT_EQ(text(&form, "EdNod"), QStringLiteral("24,8"));
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("1,100"));
    // The first items of the delivered default lists.
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("4,5"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("0,500"));
    EXPECT_EQ(items(&form, "BoxDia").first(), QStringLiteral("4,5"));
    EXPECT_EQ(items(&form, "BoxFocale").size(), 18);
    EXPECT_EQ(list(&form, "BoxDist")->currentRow(), 0);
    EXPECT_TRUE(list(&form, "BoxFocale")->hasFocus());
    // 0,5 m from the film is closer than 4f + dn for the 148,1 mm lens: the
    // status bar says why the results are empty.
    EXPECT_TRUE(allEmpty(&form));
    auto *status = child<QStatusBar>(&form, "StatusBar");
    EXPECT_EQ(status->currentMessage(),
              QStringLiteral("Mise au point impossible : la distance doit être au moins 4 fois la "
                             "focale plus la distance nodale"));
    EXPECT_EQ(field(&form, "EdDist")->toolTip(), QStringLiteral("Distance de mise au point (m)"));
    EXPECT_EQ(field(&form, "EdDist")->statusTip(), QStringLiteral("  minimum: 0,03  maximum: 900,00"));
    EXPECT_EQ(field(&form, "EdDia")->statusTip(), QStringLiteral("  minimum: 1,0  maximum: 256,0"));
    EXPECT_TRUE(field(&form, "EdDia")->isReadOnly());
    saveScreenshot(&form, QStringLiteral("variations-unfocusable"));
}

TEST_F(VariationsWindowTest, ChoosingItemsComputesTheWorkedExampleInBothOrigins)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3")); // taken as it stands: no check
    EXPECT_TRUE(child<QStatusBar>(&form, "StatusBar")->currentMessage().isEmpty());
    EXPECT_EQ(results(&form),
              (QStringList{"2,751", "3,303", "0,552", "0,249", "0,303", "45,1 %", "54,9 %", "2,819",
                           "0,156", "0,055", "8,21241", "27,739", "27,603", "13,963"}));
    for (const char *name : kResults)
        EXPECT_EQ(resultColour(&form, name), QColor(0, 0, 255)) << name;
    saveScreenshot(&form, QStringLiteral("variations-film"));

    QTest::mouseClick(button(&form, "DistFilmBtn"), Qt::LeftButton);
    EXPECT_FALSE(button(&form, "DistFilmBtn")->isChecked());
    EXPECT_EQ(button(&form, "DistFilmBtn")->text(), QStringLiteral("PL"));
    EXPECT_EQ(text(&form, "EdTa"), QStringLiteral("2,719"));
    EXPECT_EQ(text(&form, "EdTp"), QStringLiteral("3,347"));
    EXPECT_EQ(text(&form, "EdA1"), QStringLiteral("3,000"));
    EXPECT_EQ(text(&form, "EdTirage"), QStringLiteral("7,69088"));
    EXPECT_EQ(text(&form, "EdHyperA"), QStringLiteral("27,565"));
    EXPECT_EQ(text(&form, "EdDemiHyper"), QStringLiteral("13,789"));
    // The check ran on the origin's change.
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3")); // whole: no decimals
    saveScreenshot(&form, QStringLiteral("variations-lens"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

// The width a line edit shows its text in without scrolling it: the style's
// contents rectangle, less the text margins and the two pixels the edit keeps
// on each side of its text.
int usableWidth(QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

void expectWhole(QLineEdit *edit, const QString &shown)
{
    edit->setText(shown);
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(shown), usableWidth(edit))
        << edit->objectName().toStdString() << " cuts " << shown.toStdString();
}

// The widest text each result field can hold, from the ranges of the
// parameters (c 0,005-0,5 mm, f 10-1200 mm, dn -150-150 mm, gp 0,1-5,
// N 0,8-304 while a half-stop button is held, d 0,01-900 m written with at
// most 8 decimals):
// - da, a, u: at most d + 0,15 m, three integer digits; da below zero only
//   by less than 1 m (the film plane in front of the rear nodal point);
// - db, p, b: up to the hyperfocal distance over its 1e-12 tolerance, beyond
//   the precision's integer digits (scientific, a two-digit exponent);
// - v: d f / (d - f) with d - f >= 1e-8 m: below 1,44e8, nine digits;
// - G = f / (d - f): below 1,2e8, scientific at precision 8 beyond 8 digits;
// - T = f^2 / (u - f): below 1,44e11 mm;
// - H and the two near limits: f^2 / (N c) below 342 858 m, six digits, and
//   small negative values with a pupil magnification far below 1.
struct ResultRange {
    const char *field;
    int precision;
    int integerDigits;  // of the largest value
    int fixedDecimals;  // -1: the window's decimals
    bool negative;      // small negative values ("-0,...")
    bool infini;        // may read "infini"
    const char *suffix;
};
const ResultRange kRanges[] = {
    {"EdTa", 10, 3, -1, true, false, ""},      {"EdTp", 10, 15, -1, false, true, ""},
    {"EdProf", 8, 15, -1, false, true, ""},    {"EdA", 8, 3, -1, false, false, ""},
    {"EdB", 8, 15, -1, false, true, ""},       {"edapc", 8, 3, 1, true, false, " %"},
    {"Edbpc", 8, 3, 1, true, false, " %"},     {"EdA1", 10, 3, -1, false, false, ""},
    {"EdA2", 10, 9, -1, false, false, ""},     {"EdGrandiss", 8, 9, -1, false, false, ""},
    {"EdTirage", 8, 12, 5, false, false, ""},  {"EdHyperA", 10, 6, -1, true, false, ""},
    {"EdHyper", 10, 6, -1, true, false, ""},   {"EdDemiHyper", 10, 6, -1, true, false, ""},
};

// Every form of the widest text at `decimals`, with `digit` for each digit:
// the most integer digits the precision writes in full, their decimals
// padded with zeros; the scientific form beyond them; a small negative
// value; "infini".
QStringList widestTexts(const ResultRange &range, int decimals, QChar digit)
{
    const int dec = range.fixedDecimals >= 0 ? range.fixedDecimals : decimals;
    auto digits = [digit](int n) { return QString(n, digit); };
    auto fixed = [&](const QString &whole) {
        return whole + (dec > 0 ? u',' + digits(dec) : QString()) + QString::fromUtf8(range.suffix);
    };
    QStringList out;
    out << fixed(digits(std::min(range.integerDigits, range.precision)));
    if (range.integerDigits > range.precision)
        out << digits(1) + u',' + digits(range.precision - 1) + u'E' +
                   digits(static_cast<int>(QString::number(range.integerDigits - 1).size()));
    if (range.negative)
        out << fixed(QStringLiteral("-0"));
    if (range.infini)
        out << QStringLiteral("infini");
    return out;
}

TEST_F(VariationsWindowTest, ResultFieldsShowTheWidestTextsOfTheRangesWhole)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    auto *decimals = child<QComboBox>(&form, "ComboNbDecim");
    for (int d = 0; d <= 8; ++d) {
        decimals->setCurrentIndex(d);
        for (const ResultRange &range : kRanges)
            for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1))
                for (const QString &widest : widestTexts(range, d, digit))
                    expectWhole(field(&form, range.field), widest);
    }
    // The distance field, written at up to 8 decimals (the focus spread
    // raises them): 900 m at most, 8 significant digits then zeros.
    for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1))
        for (const QString &widest : {QString(3, digit) + u',' + QString(8, digit),
                                      QStringLiteral("0,") + QString(8, digit)})
            expectWhole(field(&form, "EdDist"), widest);
    field(&form, "EdDist")->setText(QStringLiteral("3"));
    EXPECT_EQ(widestTexts(kRanges[11], 8, u'8').first(), QStringLiteral("888888,88888888"));
    EXPECT_EQ(widestTexts(kRanges[1], 8, u'8'),
              (QStringList{"8888888888,88888888", "8,888888888E88", "infini"}));
    EXPECT_GE(form.width(), 598);
    EXPECT_GE(form.height(), 387);
    // Every field still lies inside the window.
    for (const char *name : kResults)
        EXPECT_TRUE(form.rect().contains(QRect(field(&form, name)->mapTo(&form, QPoint(0, 0)),
                                               field(&form, name)->size())))
            << name;
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

// Settings at the corners of the ranges, as the window computes them: every
// text they give is shown whole at 0 and 8 decimals; then the cases found cut
// (f 1200 with c 0,005 at f/1 and 8 decimals) through the window itself.
TEST_F(VariationsWindowTest, ResultFieldsShowTheResultsOfExtremeSettingsWhole)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    int computed = 0;
    for (const char *c : {"0,005", "0,5"})
        for (const char *f : {"10", "1200"})
            for (const char *dn : {"-150", "150"})
                for (const char *gp : {"0,1", "5"})
                    for (const char *n : {"0,8", "1", "304,4"})
                        for (const char *dist : {"0,01", "0,6", "1,20000010", "4,65", "1,01", "900",
                                                 "288", "0,16"})
                            for (int mode = 0; mode < 3; ++mode)
                                for (int d : {0, 8}) {
                                    VariationsInput in{QString::fromLatin1(c), QString::fromLatin1(f),
                                                       QString::fromLatin1(dn), QString::fromLatin1(gp),
                                                       QString::fromLatin1(dist), QString::fromLatin1(n),
                                                       mode != 1, mode == 2, d};
                                    const VariationsResult r = ComputeVariations(in);
                                    if (r.status != VariationsResult::Done)
                                        continue;
                                    ++computed;
                                    for (int i = 0; i < kResultFieldCount; ++i)
                                        expectWhole(field(&form, kResults[i]), r.texts[i]);
                                }
    EXPECT_GT(computed, 500);
    typeAndEnter(&form, "EdCercle", QStringLiteral("0,005"));
    typeAndEnter(&form, "EdFocale", QStringLiteral("1200"));
    child<QComboBox>(&form, "ComboNbDecim")->setCurrentIndex(8);
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    clickItem(&form, "BoxDist", QStringLiteral("50"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("1,0"));
    EXPECT_EQ(text(&form, "EdHyperA"), QStringLiteral("288002,42480000"));
    for (const char *name : kResults)
        expectWhole(field(&form, name), text(&form, name));
    saveScreenshot(&form, QStringLiteral("wt-variations-f1200-8-decimals"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, MacroInfiniAndGrey)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    typeAndEnter(&form, "EdDist", QStringLiteral("0,7"));
    EXPECT_EQ(text(&form, "EdA1"), QStringLiteral("0,456"));
    QTest::mouseClick(child<QCheckBox>(&form, "CheckMacro"), Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>(&form, "CheckMacro")->isChecked());
    EXPECT_EQ(text(&form, "EdA1"), QStringLiteral("0,219"));
    EXPECT_EQ(text(&form, "EdA2"), QStringLiteral("0,456"));
    EXPECT_EQ(text(&form, "EdGrandiss"), QStringLiteral("2,078"));
    EXPECT_EQ(text(&form, "EdProf"), QStringLiteral("0,001"));
    EXPECT_EQ(text(&form, "EdHyperA"), QString());
    EXPECT_EQ(text(&form, "EdHyper"), QString());
    EXPECT_EQ(text(&form, "EdDemiHyper"), QString());
    saveScreenshot(&form, QStringLiteral("variations-macro"));
    QTest::mouseClick(child<QCheckBox>(&form, "CheckMacro"), Qt::LeftButton);

    typeAndEnter(&form, "EdDist", QStringLiteral("30"));
    EXPECT_EQ(text(&form, "EdTp"), QStringLiteral("infini"));
    EXPECT_EQ(text(&form, "EdB"), QStringLiteral("infini"));
    EXPECT_EQ(text(&form, "EdProf"), QStringLiteral("infini"));
    EXPECT_EQ(text(&form, "edapc"), QString());
    EXPECT_EQ(text(&form, "Edbpc"), QString());
    EXPECT_EQ(text(&form, "EdTa"), QStringLiteral("14,503"));
    EXPECT_EQ(text(&form, "EdA"), QStringLiteral("15,497"));
    saveScreenshot(&form, QStringLiteral("variations-infini"));

    // c = 0,15 mm and f = 150 mm give a limiting f-number of 110,8.
    typeAndEnter(&form, "EdCercle", QStringLiteral("0,15"));
    typeAndEnter(&form, "EdFocale", QStringLiteral("150"));
    typeAndEnter(&form, "EdDist", QStringLiteral("3"));
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    clickItem(&form, "BoxDia", QStringLiteral("128,0"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("128,0"));
    for (const char *name : kResults)
        EXPECT_EQ(resultColour(&form, name), QColor(128, 128, 128)) << name;
    saveScreenshot(&form, QStringLiteral("variations-grey"));
    // A distance that cannot be focused empties the fields and keeps their
    // colour.
    typeAndEnter(&form, "EdDist", QStringLiteral("0,5"));
    EXPECT_TRUE(allEmpty(&form));
    EXPECT_EQ(resultColour(&form, "EdTa"), QColor(128, 128, 128));
    typeInto(field(&form, "EdDist"), QStringLiteral("3"));
    QTest::mouseClick(button(&form, "CalcBtn"), Qt::LeftButton);
    EXPECT_FALSE(allEmpty(&form));
    QTest::keyClick(list(&form, "BoxDia"), Qt::Key_Up);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("107,6"));
    EXPECT_EQ(resultColour(&form, "EdTa"), QColor(0, 0, 255));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, FieldCheckOnEnterAndTheDecimals)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDia", QStringLiteral("8"));

    typeAndEnter(&form, "EdGP", QStringLiteral("7"));
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Valeur hors intervalle 0,100-5,000"}}));
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("5"));
    rec.clear();

    typeAndEnter(&form, "EdDist", QStringLiteral("2.5"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("2,500"));
    const QString at2500 = text(&form, "EdTa");
    EXPECT_FALSE(at2500.isEmpty());

    // Alt+Enter does nothing; Ctrl+Enter and Shift+Enter compute.
    typeInto(field(&form, "EdDist"), QStringLiteral("3.0"));
    QTest::keyClick(field(&form, "EdDist"), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3.0"));
    EXPECT_EQ(text(&form, "EdTa"), at2500);
    QTest::keyClick(field(&form, "EdDist"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3"));
    typeInto(field(&form, "EdDist"), QStringLiteral("0,75"));
    QTest::keyClick(field(&form, "EdDist"), Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("0,750"));

    // Every decimal count: the distance keeps two decimals at least, the
    // shares one and the extension five.
    auto *combo = child<QComboBox>(&form, "ComboNbDecim");
    // gp = 5 here: the near limit is 0,744688000093 m (worked out apart).
    const QStringList expectedTa = {"1", "0,7", "0,74", "0,745", "0,7447", "0,74469", "0,744688",
                                    "0,7446880", "0,74468800"};
    for (int decimals = 0; decimals <= 8; ++decimals) {
        combo->setFocus();
        QTest::keyClick(combo, decimals == 0 ? Qt::Key_Home : Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), decimals);
        EXPECT_EQ(text(&form, "EdDist"), decimals < 3 ? QStringLiteral("0,75")
                                                      : QStringLiteral("0,75") + QString(decimals - 2, u'0'));
        EXPECT_EQ(text(&form, "EdTa"), expectedTa[decimals]);
        EXPECT_TRUE(text(&form, "edapc").endsWith(QStringLiteral(" %")));
        EXPECT_EQ(text(&form, "edapc").indexOf(u','), text(&form, "edapc").size() - 4);
        EXPECT_EQ(text(&form, "EdTirage").section(u',', 1).size(), 5);
    }
    EXPECT_EQ(rec.messages().size(), 0u) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, NoNumberNeverStaysBesideOldResults)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    ASSERT_FALSE(allEmpty(&form));

    // A 0 typed into the circle, then an item chosen without the check.
    typeInto(field(&form, "EdCercle"), QStringLiteral("0"));
    clickItem(&form, "BoxDist", QStringLiteral("5"));
    EXPECT_TRUE(allEmpty(&form));
    EXPECT_TRUE(rec.messages().empty());
    QTest::keyClick(field(&form, "EdCercle"), Qt::Key_Return);
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,005"));
    EXPECT_FALSE(allEmpty(&form));
    rec.clear();

    typeInto(field(&form, "EdNod"), QStringLiteral("abc"));
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", "'abc' n'est pas une valeur en virgule flottante correcte"}}));
    EXPECT_TRUE(allEmpty(&form));

    // A point in EdGP is a comma before the computation.
    rec.clear();
    typeInto(field(&form, "EdNod"), QStringLiteral("0"));
    typeInto(field(&form, "EdGP"), QStringLiteral("1.5"));
    clickItem(&form, "BoxDist", QStringLiteral("5"));
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("1,5"));
    EXPECT_FALSE(allEmpty(&form));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, ListsTakeTheUsersChoiceOnlyAndOpenTheirEditor)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    auto *boxDia = list(&form, "BoxDia");
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8"));
    // A keyboard move takes the item; the middle button only selects.
    boxDia->setFocus();
    QTest::keyClick(boxDia, Qt::Key_Down);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("11"));
    const QRect first = boxDia->visualItemRect(boxDia->item(0));
    QTest::mouseClick(boxDia->viewport(), Qt::MiddleButton, {}, first.center());
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("11"));
    // A click on the selected item takes it again.
    typeInto(field(&form, "EdFocale"), QStringLiteral("135"));
    clickItem(&form, "BoxFocale", QStringLiteral("35"));
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("35"));

    // Editor buttons: the request, then the handed-back list's first item.
    listEditor.answer = QStringList{"0,03", "0,05"};
    QTest::mouseClick(button(&form, "CercleBtn"), Qt::LeftButton);
    ASSERT_EQ(listEditor.requests.size(), 1u);
    EXPECT_EQ(listEditor.requests[0].wording, ListWording::Variations);
    // The calculator takes back the four value kinds.
    ASSERT_NE(listEditor.requests[0].receiver, nullptr);
    for (const auto &[kind, taken] :
         {std::pair{ListKind::Dia, true}, std::pair{ListKind::Dis, true},
          std::pair{ListKind::Foc, true}, std::pair{ListKind::Cer, true},
          std::pair{ListKind::Cgr, false}}) {
        EXPECT_EQ(listEditor.requests[0].receiver->accepts(kind), taken)
            << ListPrefix(kind).toStdString();
    }
    EXPECT_EQ(listEditor.requests[0].kind, ListKind::Cer);
    EXPECT_FALSE(listEditor.requests[0].showTheoretical);
    EXPECT_EQ(listEditor.requests[0].items.first(), QStringLiteral("0,015"));
    EXPECT_EQ(items(&form, "BoxCercle"), (QStringList{"0,03", "0,05"}));
    EXPECT_EQ(list(&form, "BoxCercle")->currentRow(), 0);
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,03"));

    // Abandonner: the list stays, and its selected item replaces a typed value.
    listEditor.answer.reset();
    typeInto(field(&form, "EdFocale"), QStringLiteral("135"));
    QTest::keyClick(field(&form, "EdFocale"), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(listEditor.requests.size(), 2u);
    EXPECT_EQ(listEditor.requests[1].kind, ListKind::Foc);
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("35"));

    // Ctrl+C in a field opens the circle list instead of copying.
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    field(&form, "EdFocale")->selectAll();
    QTest::keyClick(field(&form, "EdFocale"), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(listEditor.requests.size(), 3u);
    EXPECT_EQ(listEditor.requests[2].kind, ListKind::Cer);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("avant"));
    QTest::keyClick(field(&form, "EdDist"), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(listEditor.requests.size(), 4u);
    EXPECT_EQ(listEditor.requests[3].kind, ListKind::Dia);
    EXPECT_TRUE(listEditor.requests[3].showTheoretical);
    QTest::keyClick(boxDia, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(listEditor.requests.size(), 5u);
    EXPECT_EQ(listEditor.requests[4].kind, ListKind::Dis);

    // A right press on a list is its editor button, and selects nothing.
    const int row = boxDia->currentRow();
    QTest::mousePress(list(&form, "BoxDist")->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(listEditor.requests.size(), 6u);
    EXPECT_EQ(listEditor.requests[5].kind, ListKind::Dis);
    EXPECT_EQ(boxDia->currentRow(), row);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, DefaultTheoreticalAndFirstItems)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    EXPECT_EQ(items(&form, "BoxDia").size(), 33);
    EXPECT_EQ(items(&form, "BoxDia").last(), QStringLiteral("256,0"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("1,0"));

    folder.write("Data/cbxdia7.stf", "5,6\r\n11\r\n");
    QTest::mouseClick(button(&form, "DefDiaBtn"), Qt::LeftButton);
    EXPECT_EQ(items(&form, "BoxDia"), (QStringList{"5,6", "11"}));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("5,6"));

    clickItem(&form, "BoxDist", QStringLiteral("3"));
    clickItem(&form, "BoxDia", QStringLiteral("11"));
    QTest::keyClick(field(&form, "EdGP"), Qt::Key_F2);
    EXPECT_EQ(child<QComboBox>(&form, "ComboNbDecim")->currentText(), QStringLiteral("2"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("0,50"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("5,6"));
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("35"));
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,015"));
    // 0,5 m from the film with 35 mm: the check ran and the results are there.
    EXPECT_EQ(text(&form, "EdTirage").isEmpty(), false);

    // A damaged default list: its message, that list unchanged.
    folder.write("Data/cbxdis7.stf", "1\r\ndeux\r\n");
    QTest::mouseClick(button(&form, "DefDistBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"'deux' n'est pas une valeur en virgule flottante correcte"});
    EXPECT_EQ(items(&form, "BoxDist").size(), 14);
    rec.clear();
    QFile::remove(folder.dataPath() + "cbxfoc7.stf");
    QTest::mouseClick(button(&form, "DefFocBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"plain", "bug"}}));
    EXPECT_EQ(items(&form, "BoxFocale").size(), 18);
}

// Whether every item of the box can be brought into view with its scroll
// bar, as a user would drag it: the bar is shown as soon as the items
// overflow, and at its end the last item lies wholly inside the box.
void expectEveryItemReachable(QListWidget *box)
{
    QCoreApplication::processEvents();
    const QRect view = box->viewport()->rect();
    bool overflow = false;
    for (int i = 0; i < box->count(); ++i)
        overflow = overflow || !view.contains(box->visualItemRect(box->item(i)));
    QScrollBar *bar = box->horizontalScrollBar();
    EXPECT_EQ(bar->isVisible(), overflow) << box->objectName().toStdString();
    EXPECT_EQ(bar->maximum() > 0, overflow) << box->objectName().toStdString();
    if (!overflow)
        return;
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->viewport()->rect().contains(box->visualItemRect(box->item(box->count() - 1))))
        << box->objectName().toStdString();
    bar->setValue(0);
}

TEST_F(VariationsWindowTest, ListBoxesShowTheirScrollBarWhenItemsOverflow)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    for (const char *name : {"BoxCercle", "BoxFocale", "BoxDia", "BoxDist"})
        expectEveryItemReachable(list(&form, name));
    // The 33 theoretical f-numbers: f/11 and beyond lie past the first two
    // columns, and the bar says so at once.
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    ASSERT_EQ(items(&form, "BoxDia").size(), 33);
    QListWidget *dia = list(&form, "BoxDia");
    EXPECT_FALSE(dia->viewport()->rect().contains(dia->visualItemRect(dia->item(32))));
    expectEveryItemReachable(dia);
    saveScreenshot(&form, QStringLiteral("variations-theoretical-f-numbers"));
    // Scrolled to its last columns by a choice, the list keeps its bar.
    clickItem(&form, "BoxDia", QStringLiteral("128,0"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dia->horizontalScrollBar()->isVisible());
    // Drawn inside the box, under its rows.
    QScrollBar *bar = dia->horizontalScrollBar();
    const QRect barInBox(bar->mapTo(dia, QPoint(0, 0)), bar->size());
    EXPECT_TRUE(dia->rect().contains(barInBox)) << barInBox.y() << " in " << dia->height();
    EXPECT_GT(bar->height(), 0);
    EXPECT_LE(dia->viewport()->geometry().bottom(), barInBox.top());
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("128,0"));
    saveScreenshot(&form, QStringLiteral("variations-theoretical-scrolled"));
    // A short list again: no bar.
    folder.write("Data/cbxdia7.stf", "5,6\r\n11\r\n");
    QTest::mouseClick(button(&form, "DefDiaBtn"), Qt::LeftButton);
    ASSERT_EQ(items(&form, "BoxDia").size(), 2);
    expectEveryItemReachable(dia);
    EXPECT_FALSE(dia->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, ListBoxesShowTheirScrollBarAtEveryFontSize)
{
    // The rows a box holds follow the font; the bar must follow the rows.
    ProgramFolder folder;
    Recorder rec;
    const QFont original = QApplication::font();
    for (int pixels = 9; pixels <= 20; ++pixels) {
        SCOPED_TRACE(pixels);
        QFont font = original;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
        VariationsWindow form;
        activate(form);
        QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
        for (const char *name : {"BoxCercle", "BoxFocale", "BoxDia", "BoxDist"})
            expectEveryItemReachable(list(&form, name));
    }
    QApplication::setFont(original);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, RightPressOnManuelReloadsEveryDefaultListWithFiveRefreshes)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    listEditor.answer = QStringList{"2", "4"};
    QTest::mouseClick(button(&form, "DiaBtn"), Qt::LeftButton);
    ASSERT_EQ(items(&form, "BoxDia"), (QStringList{"2", "4"}));
    // Each refresh reports the unreadable pupil magnification once.
    typeInto(field(&form, "EdGP"), QStringLiteral("x"));
    auto *manual = child<QGroupBox>(&form, "GroupBox2");
    QTest::mousePress(manual, Qt::RightButton, {}, QPoint(3, manual->height() - 3));
    EXPECT_EQ(rec.texts(), QStringList(5, QStringLiteral("'x' n'est pas une valeur en virgule flottante correcte")));
    EXPECT_EQ(items(&form, "BoxDia").first(), QStringLiteral("4,5"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("4,5"));
    rec.clear();
    typeInto(field(&form, "EdGP"), QStringLiteral("1,1"));
    QTest::mouseClick(button(&form, "RazBtn"), Qt::LeftButton);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(VariationsWindowTest, ADamagedDefaultListAtOpeningLeavesTheOthersLoaded)
{
    ProgramFolder folder;
    folder.write("Data/cbxcer7.stf", "0,05\r\n\x01\x02\r\n");
    Recorder rec;
    VariationsWindow form;
    activate(form);
    EXPECT_EQ(list(&form, "BoxCercle")->count(), 0);
    EXPECT_EQ(items(&form, "BoxFocale").size(), 18);
    EXPECT_EQ(items(&form, "BoxDia").size(), 9);
    EXPECT_EQ(items(&form, "BoxDist").size(), 14);
    ASSERT_FALSE(rec.messages().empty());
    EXPECT_EQ(rec.messages().front().kind, QStringLiteral("error"));
    EXPECT_TRUE(rec.texts().contains(QStringLiteral("Créez une liste des diamètres")));
}

TEST_F(VariationsWindowTest, AnEmptyDefaultListLeavesItsBoxEmptyAndTheFieldAsItIs)
{
    ProgramFolder folder;
    folder.write("Data/cbxdis7.stf", "");
    Recorder rec;
    VariationsWindow form;
    activate(form);
    EXPECT_EQ(list(&form, "BoxDist")->count(), 0);
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3"));
    // The check at the test lens and at the end of the opening.
    EXPECT_EQ(rec.texts(), (QStringList{"Créez une liste des distances", "Créez une liste des distances"}));
    EXPECT_FALSE(text(&form, "EdTa").isEmpty()); // computed all the same
    rec.clear();

    // The origin button refuses to change and computes nothing.
    const QString before = text(&form, "EdTa");
    QTest::mouseClick(button(&form, "DistFilmBtn"), Qt::LeftButton);
    EXPECT_TRUE(button(&form, "DistFilmBtn")->isChecked());
    EXPECT_EQ(text(&form, "EdTa"), before);
    EXPECT_EQ(rec.texts(), QStringList{"Créez une liste des distances"});
    rec.clear();
    QTest::mouseClick(button(&form, "DefautBtn"), Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3"));
    EXPECT_EQ(rec.texts(), QStringList{"Créez une liste des distances"});
}

TEST_F(VariationsWindowTest, HalfStopsWhileAnyMouseButtonIsHeld)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    auto *plus = button(&form, "PlusBtn");
    auto *minus = button(&form, "MoinsBtn");
    const QString at8 = text(&form, "EdTa");

    QTest::mousePress(plus, Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("9,5"));
    EXPECT_TRUE(minus->isHidden());
    EXPECT_NE(text(&form, "EdTa"), at8);
    QTest::mouseRelease(plus, Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(minus->isHidden());
    EXPECT_EQ(text(&form, "EdTa"), at8);

    // The right button steps too (a tool button answers the left only).
    QTest::mousePress(minus, Qt::RightButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("6,7"));
    EXPECT_TRUE(plus->isHidden());
    QTest::mouseRelease(minus, Qt::RightButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(plus->isHidden());
    // ... and is not the right press of the group "Manuel".
    EXPECT_EQ(items(&form, "BoxDia").size(), 9);

    // No limit while held; the release tests allow 256.
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    list(&form, "BoxDia")->setFocus();
    QTest::keyClick(list(&form, "BoxDia"), Qt::Key_End);
    ASSERT_EQ(text(&form, "EdDia"), QStringLiteral("256,0"));
    QTest::mousePress(plus, Qt::MiddleButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("304,4"));
    QTest::mouseRelease(plus, Qt::MiddleButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("256,0"));
    // A double click is two presses and two releases.
    QTest::mouseDClick(minus, Qt::LeftButton);
    QTest::mouseRelease(minus, Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("256,0"));
    EXPECT_FALSE(plus->isHidden());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("variations-after-half-stops"));
}

TEST_F(VariationsWindowTest, AHalfStopPressEndsHoweverItsReleaseIsLost)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    auto *plus = button(&form, "PlusBtn");
    auto *minus = button(&form, "MoinsBtn");

    // A message box shown by the press takes the release with it: the step
    // back runs at once (and reports the same fault again).
    typeInto(field(&form, "EdFocale"), QStringLiteral("f"));
    QTest::mousePress(plus, Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(minus->isHidden());
    EXPECT_EQ(rec.texts(), QStringList(2, QStringLiteral("'f' n'est pas une valeur en virgule flottante correcte")));
    QTest::mouseRelease(plus, Qt::LeftButton); // went to the message box; nothing more
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_EQ(rec.messages().size(), 2u);
    typeAndEnter(&form, "EdFocale", QStringLiteral("148,1"));
    rec.clear();

    // The mouse comes back over the button with no button down.
    QTest::mousePress(minus, Qt::LeftButton);
    ASSERT_EQ(text(&form, "EdDia"), QStringLiteral("6,7"));
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), minus->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(minus, &move);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(plus->isHidden());

    // Another window takes the activation while the button is held.
    QTest::mousePress(plus, Qt::LeftButton);
    ASSERT_EQ(text(&form, "EdDia"), QStringLiteral("9,5"));
    QEvent deactivate(QEvent::ActivationChange);
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::setActiveWindow(&other);
    QCoreApplication::processEvents();
    if (form.isActiveWindow())
        QApplication::sendEvent(&form, &deactivate);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(minus->isHidden());

    // Closing while held ends the press too.
    QApplication::setActiveWindow(&form);
    QTest::mousePress(minus, Qt::LeftButton);
    form.close();
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8,0"));
    EXPECT_FALSE(plus->isHidden());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, MemoryIsSharedWithTheTable)
{
    ProgramFolder folder;
    Recorder rec;
    {
        VariationsWindow form;
        activate(form);
        typeAndEnter(&form, "EdGP", QStringLiteral("0,8"));
        QTest::mouseClick(button(&form, "MemBtn"), Qt::LeftButton);
        EXPECT_EQ(folder.read("Data/memf.slc"), QByteArray("0,100\r\n148,1\r\n24,8\r\n0,800\r\n"));
    }
    // The table recalls it line for line, gp included ...
    TableState table;
    TableModel model;
    table.fNumbers = {"8"};
    table.distances = {"3"};
    ASSERT_TRUE(RecallParameters(table, model));
    EXPECT_EQ(table.pupil, QStringLiteral("0,800"));
    EXPECT_EQ(table.nodal, QStringLiteral("24,8"));
    // ... and what the table stores is recalled here, then checked.
    table.circle = QStringLiteral("0,05");
    table.focal = QStringLiteral("80");
    table.nodal = QStringLiteral("-4");
    table.pupil = QStringLiteral("1.2");
    ASSERT_TRUE(StoreParameters(table));
    VariationsWindow form;
    activate(form);
    QTest::mouseClick(button(&form, "MemRapBtn"), Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,050"));
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("80"));
    EXPECT_EQ(text(&form, "EdNod"), QStringLiteral("-4"));
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("1,200"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    // A short, a binary or a missing file changes no field.
    const QString path = folder.file("Data/memf.slc");
    const QByteArray damaged[] = {"0,1\r\n150\r\n", QByteArray("0,1\r\n\x01\x02\r\n0\r\n1\r\n"),
                                  QByteArray(100000, 'x')};
    for (const QByteArray &bytes : damaged) {
        folder.write("Data/memf.slc", bytes);
        QTest::mouseClick(button(&form, "MemRapBtn"), Qt::LeftButton);
        EXPECT_EQ(rec.texts(), QStringList{"Fichier illisible ou endommagé : " + path});
        EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,050"));
        EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("1,200"));
        rec.clear();
    }
    QFile::remove(path);
    QTest::mouseClick(button(&form, "MemRapBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"Impossible d'ouvrir le fichier " + path});
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("80"));
    rec.clear();
    // A file that cannot be written is reported.
    QDir().mkpath(path);
    QTest::mouseClick(button(&form, "MemBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"Impossible de créer le fichier " + path});
}

TEST_F(VariationsWindowTest, TestLensNotesExplanationsAndClosing)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    typeAndEnter(&form, "EdFocale", QStringLiteral("90"));
    child<QComboBox>(&form, "ComboNbDecim")->setCurrentIndex(5);
    QTest::mouseClick(button(&form, "FichTestBtn"), Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("148,1"));
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0,100"));
    EXPECT_EQ(text(&form, "EdNod"), QStringLiteral("24,8"));
    EXPECT_EQ(child<QComboBox>(&form, "ComboNbDecim")->currentIndex(), 3);

    QTest::mouseClick(button(&form, "NotesBtn"), Qt::LeftButton);
    child<QAction>(&form, "Notes1")->trigger();
    EXPECT_EQ(opened, (QStringList{folder.file("memo.txt"), folder.file("memo.txt")}));
    EXPECT_TRUE(folder.exists("memo.txt"));

    QString caption;
    QStringList lines;
    whenModalShown([&](QWidget *window) {
        QTimer::singleShot(0, window, [&, window] {
            caption = window->windowTitle();
            saveScreenshot(window, QStringLiteral("affiche-from-variations"));
            window->close();
        });
    });
    QTest::mouseClick(button(&form, "SpeedButton6"), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Variations de la profondeur de champ"));

    // The screen print: the window's image, on the printer of the factory.
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("ecran.pdf"));
    {
        const ScreenPrintToPdf toPdf(pdf);
        QTest::mouseClick(button(&form, "SpeedButton13"), Qt::LeftButton);
    }
    expectWindowImagePage(pdf, form, QStringLiteral("variations-screenprint"));
    // Escape closes nothing, wherever the focus is: the typed parameters and
    // the edited lists would go with the window.
    EXPECT_TRUE(form.isVisible());
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(field(&form, "EdFocale"), Qt::Key_Escape);
    QTest::keyClick(list(&form, "BoxDia"), Qt::Key_Escape);
    QTest::keyClick(child<QComboBox>(&form, "ComboNbDecim"), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("148,1"));
    QTest::mouseClick(button(&form, "SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();

    VariationsWindow again;
    activate(again);
    QTest::mouseClick(button(&again, "SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(again.isVisible());
    VariationsWindow third;
    activate(third);
    child<QAction>(&third, "Quitter1")->trigger();
    EXPECT_FALSE(third.isVisible());
    // No close button in the title bar.
    EXPECT_FALSE(third.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(VariationsWindowTest, BitmapExportFromTheLastField)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    auto *demi = field(&form, "EdDemiHyper");
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QApplication::clipboard()->setImage(image);

    rec.answerInput(std::nullopt); // cancelled: nothing written
    QTest::keyClick(demi, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_FALSE(folder.exists("bmp_dev/ici le nom.bmp"));
    EXPECT_TRUE(rec.messages().empty());
    rec.answerInput(QStringLiteral("../dehors"));
    QTest::keyClick(demi, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_EQ(rec.texts(), QStringList{"nom ../dehors non valide"});
    rec.clear();
    rec.answerInput(QStringLiteral("variations"));
    QTest::keyClick(demi, Qt::Key_F10, Qt::ControlModifier);
    EXPECT_TRUE(folder.exists("bmp_dev/variations.bmp"));
    EXPECT_TRUE(rec.messages().empty());
    // Ctrl+F10 elsewhere asks nothing (an unscripted question fails).
    QTest::keyClick(field(&form, "EdTa"), Qt::Key_F10, Qt::ControlModifier);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(VariationsWindowTest, TheRealListEditorAbandonsAndConfirms)
{
    ProgramFolder folder;
    Recorder rec;
    setListEditorOpener({}); // the program's own editor
    VariationsWindow form;
    activate(form);
    const QStringList before = items(&form, "BoxFocale");
    clickItem(&form, "BoxFocale", QStringLiteral("90"));
    typeInto(field(&form, "EdFocale"), QStringLiteral("135"));
    QString range;
    whenModalShown([&](QWidget *editor) {
        range = child<QLineEdit>(editor, "Edaffiche")->text();
        QTest::mouseClick(child<QAbstractButton>(editor, "AbandBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "FocaleBtn"), Qt::LeftButton);
    EXPECT_EQ(range, QStringLiteral("Focale min.: 10,0 mm      Focale max.: 1200,0 mm"));
    EXPECT_EQ(items(&form, "BoxFocale"), before);
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("90"));

    bool theoretical = false;
    std::optional<ListKind> kind;
    whenModalShown([&](QWidget *editor) {
        range = child<QLineEdit>(editor, "Edaffiche")->text();
        if (auto *dialog = dynamic_cast<ListEditorDialog *>(editor)) {
            kind = dialog->editor().kind();
        }
        theoretical = child<QAbstractButton>(editor, "ThBtn")->isVisible();
        QTest::mouseClick(child<QAbstractButton>(editor, "ThBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(editor, "OkBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "DiaBtn"), Qt::LeftButton);
    EXPECT_EQ(range, QStringLiteral("Diaphragme min.: 1,0      Diaphragme max.: 256,0"));
    EXPECT_TRUE(theoretical);
    EXPECT_EQ(items(&form, "BoxDia").size(), 33);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("1,0"));
    EXPECT_EQ(kind, ListKind::Dia);

    whenModalShown([&](QWidget *editor) {
        range = child<QLineEdit>(editor, "Edaffiche")->text();
        QTest::mouseClick(child<QAbstractButton>(editor, "OkBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "DistBtn"), Qt::LeftButton);
    EXPECT_EQ(range, QStringLiteral("Mètres   Distance min.: 0,03   Distance max.: 900,00"));
    whenModalShown([&](QWidget *editor) {
        range = child<QLineEdit>(editor, "Edaffiche")->text();
        QTest::mouseClick(child<QAbstractButton>(editor, "OkBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "CercleBtn"), Qt::LeftButton);
    EXPECT_EQ(range, QStringLiteral("Diamètre min.: 0,005 mm      Diamètre max.: 0,500 mm"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

namespace {

const char *const kSpreadResults[] = {"EdLectRail", "EdDiaNec", "EdDiaListe", "EdDistMap"};

// Types the three readings into the open dialog, in its order: infinity,
// near subject, far subject.
void typeReadings(QWidget *dialog, const QString &infinity, const QString &nearReading, const QString &farReading)
{
    typeInto(child<QLineEdit>(dialog, "EdLectInf"), infinity);
    typeInto(child<QLineEdit>(dialog, "EdLectProche"), nearReading);
    typeInto(child<QLineEdit>(dialog, "EdLectLoin"), farReading);
}

QStringList spreadResults(QWidget *dialog)
{
    QStringList out;
    for (const char *name : kSpreadResults)
        out << child<QLineEdit>(dialog, name)->text();
    return out;
}

} // namespace

TEST_F(VariationsWindowTest, FocusSpreadSetsTheFocusAndTheFNumber)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    const QString distBefore = text(&form, "EdDist");

    // Bad readings: a French message, nothing shown, nothing applied, the
    // dialog stays.
    bool stillOpen = false;
    QStringList shown;
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14"));
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
        stillOpen = dialog->isVisible();
        shown = spreadResults(dialog);
        QTest::mouseClick(child<QPushButton>(dialog, "FermerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(shown, (QStringList{"", "", "", ""}));
    EXPECT_EQ(rec.texts(), QStringList{"Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, "
                                       "puis du point éloigné au point proche."});
    EXPECT_EQ(text(&form, "EdDist"), distBefore);
    rec.clear();

    // The readings come back when the dialog opens again; an empty one is
    // named as such.
    QStringList kept;
    whenModalShown([&](QWidget *dialog) {
        for (const char *name : {"EdLectInf", "EdLectProche", "EdLectLoin"})
            kept << child<QLineEdit>(dialog, name)->text();
        typeInto(child<QLineEdit>(dialog, "EdLectProche"), QString());
        QTest::keyClick(child<QLineEdit>(dialog, "EdLectProche"), Qt::Key_Return);
        QTest::mouseClick(child<QPushButton>(dialog, "FermerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_EQ(kept, (QStringList{"12", "13", "14"}));
    EXPECT_EQ(rec.texts(), QStringList{"Lecture vide au point proche : saisissez un nombre de millimètres."});
    rec.clear();

    // A landscape with the Super Symmar: 11,5 mm and 1,1 mm of extension.
    // The film goes 6,14 mm out, at 18,14 on the rail, f/50,06 (worked by
    // hand in the logic's tests).
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("12"), QStringLiteral("23.5"), QStringLiteral("13,1"));
        QTest::keyClick(child<QLineEdit>(dialog, "EdLectLoin"), Qt::Key_Return);
        shown = spreadResults(dialog);
        saveScreenshot(dialog, QStringLiteral("wt-variations-focus-spread"));
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{"18,14", "50,06", "64", "3,899"}));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("64"));
    EXPECT_EQ(list(&form, "BoxDia")->currentItem()->text(), QStringLiteral("64"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("3,899"));
    // The film 6,14020 mm out as proposed; at 3,899 m from the film the
    // window computes 6,14067 (t = 3,8742 m, u its larger conjugate).
    EXPECT_EQ(text(&form, "EdTirage"), QStringLiteral("6,14067"));
    EXPECT_EQ(child<QComboBox>(&form, "ComboNbDecim")->currentText(), QStringLiteral("3"));
    EXPECT_FALSE(child<QCheckBox>(&form, "CheckMacro")->isChecked());
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Réglez le rail sur 18,14 mm (tirage 6,14 mm), diaphragme 64."));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("variations-after-focus-spread"));

    // Close-up beyond life size: the focus with v > u ticks Macro, and the
    // f-number comes from the theoretical list.
    typeAndEnter(&form, "EdFocale", QStringLiteral("100"));
    typeAndEnter(&form, "EdCercle", QStringLiteral("0,03"));
    typeAndEnter(&form, "EdGP", QStringLiteral("1,2"));
    typeAndEnter(&form, "EdNod", QStringLiteral("3"));
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("10"), QStringLiteral("170"), QStringLiteral("150"));
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_TRUE(child<QCheckBox>(&form, "CheckMacro")->isChecked());
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("152,2"));
    EXPECT_LT(text(&form, "EdA1").replace(u',', u'.').toDouble(),
              text(&form, "EdA2").replace(u',', u'.').toDouble());
    EXPECT_FALSE(text(&form, "EdTa").isEmpty());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, FocusSpreadNearLifeSizeGivesTheWindowTheProposedExtension)
{
    // c 0,100, f 150, dn 0, gp 1, theoretical f-numbers, 2 decimals;
    // readings 100 / 325 / 232,35: rail 272,15 (172,15 mm out), f/211,42.
    // At 2 decimals the distance would read 0,60, exactly 4f, and the
    // window T = 150 mm with the near subject outside the zone.
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    typeAndEnter(&form, "EdCercle", QStringLiteral("0,100"));
    typeAndEnter(&form, "EdFocale", QStringLiteral("150"));
    typeAndEnter(&form, "EdNod", QStringLiteral("0"));
    typeAndEnter(&form, "EdGP", QStringLiteral("1"));
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    auto *decimals = child<QComboBox>(&form, "ComboNbDecim");
    decimals->setCurrentIndex(2);
    QStringList shown;
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("100"), QStringLiteral("325"), QStringLiteral("232,35"));
        QTest::mouseClick(child<QPushButton>(dialog, "CalcEcartBtn"), Qt::LeftButton);
        shown = spreadResults(dialog);
        EXPECT_TRUE(child<QLabel>(dialog, "LabelMacro")->isVisible());
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{"272,15", "211,42", "215,3", "0,60285"}));
    EXPECT_EQ(decimals->currentText(), QStringLiteral("5"));
    EXPECT_EQ(text(&form, "EdDist"), QStringLiteral("0,60285"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("215,3"));
    EXPECT_TRUE(child<QCheckBox>(&form, "CheckMacro")->isChecked());
    // T within 0,005 mm of 172,14574, the extension worked by hand.
    EXPECT_NEAR(text(&form, "EdTirage").replace(u',', u'.').toDouble(), 172.14574, 0.005);
    EXPECT_EQ(text(&form, "EdTirage"), QStringLiteral("172,15012"));
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Réglez le rail sur 272,15 mm (tirage 172,15 mm), diaphragme 215,3 ; "
                             "5 décimales pour ce tirage."));
    // The limits fall on the two subjects: 0,25 m and 0,32 m from the lens
    // (f (f + e) / e for e = 225 and 132,35 mm), plus the film's 0,32215 m
    // behind it.
    const double nearLimit = text(&form, "EdTa").replace(u',', u'.').toDouble();
    const double farLimit = text(&form, "EdTp").replace(u',', u'.').toDouble();
    // f/215,3 of the list, a little more than the f/211,42 needed: both lie
    // just inside the zone.
    const double nearSubject = 0.25 + 0.32215, farSubject = 0.15 * 0.28235 / 0.13235 + 0.32215;
    EXPECT_LT(nearLimit, nearSubject);
    EXPECT_GT(nearLimit, nearSubject - 0.001);
    EXPECT_GT(farLimit, farSubject);
    EXPECT_LT(farLimit, farSubject + 0.001);
    // The whole message is in sight.
    auto *bar = child<QStatusBar>(&form, "StatusBar");
    EXPECT_LT(bar->fontMetrics().horizontalAdvance(bar->currentMessage()), bar->width() - 8);
    saveScreenshot(&form, QStringLiteral("wt-variations-after-spread-near-life-size"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(VariationsWindowTest, FocusSpreadWithoutAnFNumberReachingNKeepsTheRailReading)
{
    ProgramFolder folder;
    Recorder rec;
    folder.write("Data/cbxdia7.stf", "4\r\n5,6\r\n");
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    const QString distBefore = text(&form, "EdDist");
    QStringList shown;
    bool stillOpen = false;
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("12"), QStringLiteral("23,5"), QStringLiteral("13,1"));
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
        shown = spreadResults(dialog);
        stillOpen = dialog->isVisible();
        QTest::mouseClick(child<QPushButton>(dialog, "FermerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(shown, (QStringList{"18,14", "50,06", "", "3,899"}));
    EXPECT_EQ(rec.texts(), QStringList{"Aucun diaphragme de la liste n'atteint 50,06 : le plus grand est 5,6. "
                                       "Ajoutez-en un à la liste des diaphragmes."});
    EXPECT_EQ(text(&form, "EdDist"), distBefore);
    EXPECT_EQ(RememberedFocusSpreadReadings().nearReading, QStringLiteral("23,5"));
}

TEST_F(VariationsWindowTest, TheMainWindowOpensIt)
{
    ProgramFolder folder;
    Recorder rec;
    MainWindow main;
    main.setVariationsOpener([](QWidget *owner) { ShowVariationsWindow(owner); });
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QCoreApplication::processEvents();
    QString caption, focal;
    whenModalShown([&](QWidget *window) {
        QTimer::singleShot(0, window, [&, window] {
            caption = window->windowTitle();
            focal = child<QLineEdit>(window, "EdFocale")->text();
            window->close();
        });
    });
    QTest::mouseClick(child<QToolButton>(&main, "IsolBtn"), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Variations de la profondeur de champ"));
    EXPECT_EQ(focal, QStringLiteral("148,1"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

// The calculators built on the window's lens: the focus stacking plan and
// the tilt open with its checked lens and f-number; the focus spread's
// "Empiler..." hands its readings to the plan.
TEST_F(VariationsWindowTest, TheStackAndTiltWindowsOpenWithTheLens)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDia", QStringLiteral("8"));
    const QString focal = text(&form, "EdFocale"), circle = text(&form, "EdCercle");

    QStringList stackFields;
    whenModalShown([&](QWidget *window) {
        for (const char *name : {"EdFocale", "EdCercle", "EdDia", "EdGP", "EdNod"})
            stackFields << child<QLineEdit>(window, name)->text();
        stackFields << QString::number(child<QRadioButton>(window, "RadioDistances")->isChecked());
        QTest::mouseClick(child<QToolButton>(window, "SpeedButton1"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EmpilerBtn"), Qt::LeftButton);
    EXPECT_EQ(stackFields, (QStringList{focal, circle, "8", text(&form, "EdGP"), text(&form, "EdNod"), "1"}));

    QStringList tiltFields;
    whenModalShown([&](QWidget *window) {
        for (const char *name : {"EdFocale", "EdDia", "EdCercle"})
            tiltFields << child<QLineEdit>(window, name)->text();
        QTest::mouseClick(child<QToolButton>(window, "SpeedButton1"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "BasculeBtn"), Qt::LeftButton);
    EXPECT_EQ(tiltFields, (QStringList{focal, "8", circle}));

    // The landscape of the focus spread's test, planned as a stack.
    QString frames;
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("12"), QStringLiteral("23.5"), QStringLiteral("13,1"));
        whenModalShown([&](QWidget *stack) {
            QStringList readings;
            for (const char *name : {"EdRailInf", "EdRailProche", "EdRailLointain"})
                readings << child<QLineEdit>(stack, name)->text();
            EXPECT_EQ(readings, (QStringList{"12", "23.5", "13,1"}));
            EXPECT_TRUE(child<QRadioButton>(stack, "RadioLectures")->isChecked());
            QTest::mouseClick(child<QToolButton>(stack, "CalcBtn"), Qt::LeftButton);
            frames = child<QLabel>(stack, "LabelVues")->text();
            QTest::mouseClick(child<QToolButton>(stack, "SpeedButton1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(dialog, "EmpilerBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, "FermerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    // At f/8 the spread that needs f/50 takes several frames.
    EXPECT_TRUE(frames.endsWith(QStringLiteral(" vues"))) << frames.toStdString();
    EXPECT_TRUE(rec.messages().empty());
}

// With diffraction counted, the dialog shows the sharpest f-number over the
// spread and its blur, and "Appliquer" can take the list's f-number nearest
// it instead of the one the spread needs. The landscape of the other tests
// (f/50,06 needed): the sharpest is f/59,96 with 0,1181 mm, above c 0,100.
TEST_F(VariationsWindowTest, FocusSpreadWithDiffractionOffersTheSharpestFNumber)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    QStringList shown;
    QString sharpness;
    whenModalShown([&](QWidget *dialog) {
        typeReadings(dialog, QStringLiteral("12"), QStringLiteral("23.5"), QStringLiteral("13,1"));
        QTest::keyClick(child<QLineEdit>(dialog, "EdLectLoin"), Qt::Key_Return);
        for (const char *name : {"EdDiaNec", "EdDiaListe", "EdDiaOptimal", "EdFlouOptimal", "EdDiaListeOptimal"})
            shown << child<QLineEdit>(dialog, name)->text();
        sharpness = child<QLabel>(dialog, "LabelNettete")->text();
        saveScreenshot(dialog, QStringLiteral("focusspread-diffraction"));
        QTest::mouseClick(child<QCheckBox>(dialog, "CheckOptimal"), Qt::LeftButton, {}, QPoint(6, 6));
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&form, "EcartBtn"), Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{"50,06", "64", "59,96", "0,1181", "64"}));
    EXPECT_TRUE(sharpness.startsWith(QStringLiteral("aucun diaphragme ne donne c : flou minimal 0,1181 mm à f/59,96")))
        << sharpness.toStdString();
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("64"));
    EXPECT_TRUE(rec.messages().empty());
}

// "Diffraction" narrows the zone by the Airy disc of the working f-number
// and says so in the status bar; past the disc of c nothing is sharp and the
// results are emptied with the reason.
TEST_F(VariationsWindowTest, DiffractionNarrowsTheZoneOrLeavesNothingSharp)
{
    ProgramFolder folder;
    Recorder rec;
    VariationsWindow form;
    activate(form);
    clickItem(&form, "BoxDist", QStringLiteral("3"));
    QTest::mouseClick(button(&form, "DiaThBtn"), Qt::LeftButton);
    clickItem(&form, "BoxDia", QStringLiteral("45,3"));
    ASSERT_FALSE(text(&form, "EdTa").isEmpty()) << child<QStatusBar>(&form, "StatusBar")->currentMessage().toStdString();
    const QString nearBefore = text(&form, "EdTa"), farBefore = text(&form, "EdTp");
    QTest::mouseClick(child<QCheckBox>(&form, "CheckDiffraction"), Qt::LeftButton, {}, QPoint(6, 6));
    ASSERT_TRUE(child<QCheckBox>(&form, "CheckDiffraction")->isChecked());
    EXPECT_GT(ToNumber(text(&form, "EdTa")), ToNumber(nearBefore));
    EXPECT_TRUE(farBefore == QStringLiteral("infini") || ToNumber(text(&form, "EdTp")) < ToNumber(farBefore));
    const QString status = child<QStatusBar>(&form, "StatusBar")->currentMessage();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Diffraction (λ 0,55 µm) : tache d'Airy d = "))) << status.toStdString();

    clickItem(&form, "BoxDia", QStringLiteral("128,0"));
    EXPECT_TRUE(allEmpty(&form)) << results(&form).join(u'|').toStdString();
    EXPECT_TRUE(child<QStatusBar>(&form, "StatusBar")->currentMessage().startsWith(QStringLiteral("Rien n'est net : ")));
    EXPECT_TRUE(rec.messages().empty());
    saveScreenshot(&form, QStringLiteral("variations-diffraction"));
}
