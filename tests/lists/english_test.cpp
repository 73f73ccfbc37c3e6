// The list editor in English: its texts, its items and fields with decimal
// points, and the lists it hands back in the comma form of the files.
#include "lists/listeditordialog.h"

#include "lists/defaultlists.h"
#include "listtext.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "tablewindow/frenchleft.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(ListEditorEnglishTest, TheEditorReadsInEnglishWithDecimalPoints)
{
    ProgramFolder folder;
    Recorder rec;
    RecordingReceiver receiver;
    EnglishScope english;
    ListEditorDialog form(ListKind::Dis, nullptr, folder.dataPath());
    form.setCaption(CallerCaption(ListKind::Dis));
    form.setRangeLine(RangeLine(ListWording::Table, ListKind::Dis));
    form.setWording(ListWording::Table);
    form.setSectionControlsVisible(true);
    form.setTheoreticalButtonVisible(false);
    form.setCurrentList({QStringLiteral("0,5"), QStringLiteral("1,25"), QStringLiteral("3")});
    form.setReceiver(&receiver);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Lists - Distances"));
    EXPECT_EQ(child<QToolButton>(&form, "DefItemBtn")->text(), QStringLiteral("Default"));
    EXPECT_EQ(child<QToolButton>(&form, "OkBtn")->text(), QStringLiteral("OK"));
    EXPECT_EQ(child<QLineEdit>(&form, "Edaffiche")->text(),
              QStringLiteral("Metres  Min. distance: 0.03      Max. distance: 900.00"));
    auto *list = child<QListWidget>(&form, "CheckListBox1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("1.25"));
    auto *steps = child<QComboBox>(&form, "PasSec");
    EXPECT_EQ(steps->itemText(0), QStringLiteral("0.01"));
    EXPECT_TRUE(child<QLineEdit>(&form, "MinSec")->text().contains(u'.'));
    EXPECT_EQ(frenchLeft(&form), QStringList());
    saveScreenshot(&form, QStringLiteral("list-editor-en"));

    // An item typed with a point joins the list, which goes back with commas.
    QTest::keyClicks(child<QLineEdit>(&form, "EdAdd"), QStringLiteral("2.5"));
    QTest::keyClick(child<QLineEdit>(&form, "EdAdd"), Qt::Key_Return);
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("2.50"));
    QTest::mouseClick(child<QToolButton>(&form, "MarqueTousBtn"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(&form, "OkBtn"), Qt::LeftButton);
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].items,
              (QStringList{QStringLiteral("0,5"), QStringLiteral("1,25"), QStringLiteral("2,50"),
                           QStringLiteral("3")}));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}
