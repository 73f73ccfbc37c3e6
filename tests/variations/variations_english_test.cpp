// The variations window, its focus spread dialog and the focus stacking
// window in English: English texts everywhere a user looks, numbers with a
// decimal point, the same numbers as in French, and files that keep the
// decimal comma.
#include "variations/variationswindow.h"
#include "variations/focusspreaddialog.h"
#include "variations/focusstack.h"
#include "variations/focusstackwindow.h"
#include "englishcheck.h"
#include "table/tablemodel.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

const char *const kResults[] = {"EdTa", "EdTp", "EdProf", "EdA", "EdB", "edapc", "Edbpc",
                                "EdA1", "EdA2", "EdGrandiss", "EdTirage", "EdHyperA", "EdHyper",
                                "EdDemiHyper"};

// The origin button's "PF" and "PL" are core's widgets' own texts, checked
// with them.
const QStringList kAllowed{QStringLiteral("PF"), QStringLiteral("PL")};

QString text(QWidget *form, const char *name) { return child<QLineEdit>(form, name)->text(); }

QStringList results(QWidget *form)
{
    QStringList out;
    for (const char *name : kResults)
        out << text(form, name);
    return out;
}

void clickItem(QWidget *form, const char *box, const QString &itemText)
{
    auto *l = child<QListWidget>(form, box);
    const QList<QListWidgetItem *> found = l->findItems(itemText, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << itemText.toStdString();
    l->scrollToItem(found[0]);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(found[0]).center());
}

void tick(QCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

// The worked example of the window (f/8 at 3 m), then with diffraction: the
// fourteen results and the status bar of each.
struct Computed {
    QStringList plain, diffraction;
    QString status;
};

Computed computeWorkedExample(VariationsWindow &form, const QString &fNumber, const QString &distance)
{
    Computed out;
    clickItem(&form, "BoxDia", fNumber);
    clickItem(&form, "BoxDist", distance);
    out.plain = results(&form);
    tick(child<QCheckBox>(&form, "CheckDiffraction"));
    out.diffraction = results(&form);
    out.status = child<QStatusBar>(&form, "StatusBar")->currentMessage();
    return out;
}

QString withPoints(QString text) { return text.replace(u',', u'.'); }

QStringList withPoints(const QStringList &texts)
{
    QStringList out;
    for (const QString &t : texts)
        out << withPoints(t);
    return out;
}

bool hasDecimalComma(const QString &text)
{
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u',' && text[i - 1].isDigit() && text[i + 1].isDigit())
            return true;
    return false;
}

} // namespace

TEST(VariationsInEnglish, TheWindowReadsInEnglishWithTheFrenchNumbersAndDecimalPoints)
{
    ProgramFolder folder;
    Recorder rec;
    Computed french;
    {
        VariationsWindow form;
        activate(form);
        french = computeWorkedExample(form, QStringLiteral("8"), QStringLiteral("3"));
    }
    ASSERT_TRUE(french.status.startsWith(QStringLiteral("Diffraction (λ 0,55 µm) : tache d'Airy")))
        << french.status.toStdString();

    EnglishScope english;
    VariationsWindow form;
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Depth of field variations"));
    EXPECT_EQ(child<QGroupBox>(&form, "GroupBox2")->title(), QStringLiteral("Manual"));
    EXPECT_EQ(child<QGroupBox>(&form, "GroupBox4")->title(), QStringLiteral("Depth of field"));
    EXPECT_EQ(child<QToolButton>(&form, "EcartBtn")->text(), QStringLiteral("Spread"));
    EXPECT_EQ(child<QToolButton>(&form, "MemBtn")->toolTip(), QStringLiteral("Store the parameters"));
    EXPECT_EQ(child<QListWidget>(&form, "BoxDia")->toolTip(), QStringLiteral("F-numbers"));
    // The test lens and the first items of the lists, with decimal points.
    EXPECT_EQ(text(&form, "EdCercle"), QStringLiteral("0.100"));
    EXPECT_EQ(text(&form, "EdFocale"), QStringLiteral("148.1"));
    EXPECT_EQ(text(&form, "EdNod"), QStringLiteral("24.8"));
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("1.100"));
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("4.5"));
    EXPECT_EQ(child<QListWidget>(&form, "BoxDia")->item(0)->text(), QStringLiteral("4.5"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdDist")->statusTip(), QStringLiteral("  minimum: 0.03  maximum: 900.00"));
    EXPECT_EQ(child<QStatusBar>(&form, "StatusBar")->currentMessage(),
              QStringLiteral("Cannot focus: the distance must be at least 4 times the focal length plus the "
                             "nodal distance"));
    EXPECT_EQ(FrenchLeft(&form, kAllowed), QStringList()) << FrenchLeft(&form, kAllowed).join(u'\n').toStdString();

    // The same setting gives the same numbers, written with points.
    const Computed computed = computeWorkedExample(form, QStringLiteral("8"), QStringLiteral("3"));
    EXPECT_EQ(computed.plain, withPoints(french.plain));
    EXPECT_EQ(computed.diffraction, withPoints(french.diffraction));
    EXPECT_EQ(computed.plain.first(), QStringLiteral("2.751"));
    EXPECT_EQ(computed.plain[5], QStringLiteral("45.1 %"));
    for (const QString &r : computed.plain + computed.diffraction) {
        EXPECT_TRUE(EnglishNumber(r)) << r.toStdString();
    }
    EXPECT_TRUE(computed.status.startsWith(QStringLiteral("Diffraction (λ 0.55 µm): Airy disc d = ")))
        << computed.status.toStdString();
    EXPECT_FALSE(hasDecimalComma(computed.status));
    EXPECT_EQ(FrenchLeft(&form, kAllowed), QStringList()) << FrenchLeft(&form, kAllowed).join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("variations-en"));

    // A number typed with a point computes as the comma does; the memory
    // file keeps the comma the table reads.
    typeInto(child<QLineEdit>(&form, "EdGP"), QStringLiteral("0.8"));
    QTest::keyClick(child<QLineEdit>(&form, "EdGP"), Qt::Key_Return);
    EXPECT_EQ(text(&form, "EdGP"), QStringLiteral("0.800"));
    QTest::mouseClick(child<QToolButton>(&form, "MemBtn"), Qt::LeftButton);
    EXPECT_EQ(folder.read("Data/memf.slc"), QByteArray("0,100\r\n148,1\r\n24,8\r\n0,800\r\n"));
    // The half-stop buttons step the f-number shown with a point.
    QTest::mousePress(child<QToolButton>(&form, "PlusBtn"), Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("9.5"));
    QTest::mouseRelease(child<QToolButton>(&form, "PlusBtn"), Qt::LeftButton);
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("8.0"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST(VariationsInEnglish, TheFocusSpreadDialogAndTheStackingWindowReadInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    ForgetFocusSpreadReadings();
    EnglishScope english;
    VariationsWindow form;
    activate(form);
    QStringList left, spread, stackLeft, headers, cells;
    QString title, sharpness, frames, stackTitle;
    whenModalShown([&](QWidget *dialog) {
        title = dialog->windowTitle();
        typeInto(child<QLineEdit>(dialog, "EdLectInf"), QStringLiteral("12"));
        typeInto(child<QLineEdit>(dialog, "EdLectProche"), QStringLiteral("23.5"));
        typeInto(child<QLineEdit>(dialog, "EdLectLoin"), QStringLiteral("13.1"));
        QTest::keyClick(child<QLineEdit>(dialog, "EdLectLoin"), Qt::Key_Return);
        for (const char *name : {"EdLectRail", "EdDiaNec", "EdDiaListe", "EdDistMap", "EdDiaOptimal",
                                 "EdFlouOptimal", "EdDiaListeOptimal"})
            spread << child<QLineEdit>(dialog, name)->text();
        sharpness = child<QLabel>(dialog, "LabelNettete")->text();
        left = FrenchLeft(dialog, kAllowed);
        saveScreenshot(dialog, QStringLiteral("focusspread-en"));
        whenModalShown([&](QWidget *stack) {
            stackTitle = stack->windowTitle();
            QTest::mouseClick(child<QToolButton>(stack, "CalcBtn"), Qt::LeftButton);
            frames = child<QLabel>(stack, "LabelVues")->text();
            auto *grid = child<QTableWidget>(stack, "GrilleVues");
            for (int c = 0; c < grid->columnCount(); ++c)
                headers << grid->horizontalHeaderItem(c)->text();
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    cells << grid->item(r, c)->text();
            stackLeft = FrenchLeft(stack, kAllowed);
            saveScreenshot(stack, QStringLiteral("focusstack-en"));
            QTest::mouseClick(child<QToolButton>(stack, "SpeedButton1"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(dialog, "EmpilerBtn"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, "AppliquerBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QToolButton>(&form, "EcartBtn"), Qt::LeftButton);

    EXPECT_EQ(title, QStringLiteral("Focus spread"));
    EXPECT_EQ(left, QStringList()) << left.join(u'\n').toStdString();
    // The landscape of the French tests: f/50,06 needed, f/64 of the list.
    ASSERT_EQ(spread.size(), 7);
    EXPECT_EQ(spread[0], QStringLiteral("18.14"));
    EXPECT_EQ(spread[1], QStringLiteral("50.06"));
    EXPECT_EQ(spread[2], QStringLiteral("64"));
    EXPECT_EQ(spread[4], QStringLiteral("59.96"));
    EXPECT_EQ(spread[5], QStringLiteral("0.1181"));
    for (const QString &s : spread) {
        EXPECT_TRUE(EnglishNumber(s)) << s.toStdString();
    }
    EXPECT_TRUE(sharpness.startsWith(QStringLiteral("no f-number gives c: smallest blur 0.1181 mm at f/59.96 (λ 0.55 µm; ")))
        << sharpness.toStdString();

    EXPECT_EQ(stackTitle, QStringLiteral("Focus stacking"));
    EXPECT_EQ(stackLeft, QStringList()) << stackLeft.join(u'\n').toStdString();
    // At f/64, the list's f-number the spread chose, one frame holds both.
    EXPECT_EQ(frames, QStringLiteral("1 frame is enough"));
    EXPECT_EQ(headers, (QStringList{"frame", "rail (mm)", "distance (m)", "near (m)", "far (m)"}));
    ASSERT_FALSE(cells.isEmpty());
    for (const QString &c : cells) {
        EXPECT_TRUE(c.isEmpty() || EnglishNumber(c) || c == u"inf") << c.toStdString();
    }

    // Applied: the window takes f/64 and the distance with points, and says
    // where to set the rail.
    EXPECT_EQ(text(&form, "EdDia"), QStringLiteral("64"));
    EXPECT_TRUE(EnglishNumber(text(&form, "EdDist"))) << text(&form, "EdDist").toStdString();
    const QString status = child<QStatusBar>(&form, "StatusBar")->currentMessage();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Set the rail to 18.14 mm (extension 6.14 mm), f-number 64")))
        << status.toStdString();
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    ForgetFocusSpreadReadings();
}

// The plan's table, as copied, printed and exported: English headers and
// numbers with points; the messages of impossible plans in English.
TEST(VariationsInEnglish, TheStackingPlanAndItsMessages)
{
    StackInput in;
    in.cMm = 0.1L;
    in.fMm = 150;
    in.gp = 1;
    in.N = 22;
    in.nearM = 2;
    in.farM = INFINITY;
    const StackPlan french = PlanFocusStack(in);
    ASSERT_EQ(french.status, StackStatus::Ok);
    const TableModel frenchTable = StackPlanTable(french, 3);

    EnglishScope english;
    const TableModel table = StackPlanTable(PlanFocusStack(in), 3);
    ASSERT_EQ(table.rowCount(), frenchTable.rowCount());
    EXPECT_EQ(table.cell(0, 0), QStringLiteral("frame"));
    EXPECT_EQ(table.cell(3, 0), QStringLiteral("near"));
    EXPECT_EQ(table.cell(4, 0), QStringLiteral("far"));
    for (int r = 1; r < table.rowCount(); ++r)
        for (int c = 0; c < table.colCount(); ++c) {
            EXPECT_EQ(table.cell(c, r), withPoints(frenchTable.cell(c, r))) << r << ' ' << c;
        }
    EXPECT_EQ(table.cell(2, 1).count(u'.'), 1);

    in.N = 400;
    EXPECT_EQ(PlanFocusStack(in).message, QStringLiteral("F-number out of range: 400.00 (limits 1.0-256.0)"));
    StackFields fields;
    fields.circle = QStringLiteral("0.1");
    fields.focal = QStringLiteral("abc");
    EXPECT_EQ(ReadStackFields(fields).message, QStringLiteral("Focal length unreadable: 'abc'"));
}
