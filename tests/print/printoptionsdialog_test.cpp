#include "core/apppaths.h"
#include "support/settingsdialogtest.h"
#include "support/child.h"
#include "support/screenshot.h"
#include "print/printoptionsdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class OptImprTest : public SettingsDialogTest {
protected:
    static QRadioButton *portrait(const QWidget &d) { return child<QRadioButton>(&d, "RadioImprPortrait"); }
    static QRadioButton *paysage(const QWidget &d) { return child<QRadioButton>(&d, "RadioImprPaysage"); }
    static QComboBox *size(const QWidget &d) { return child<QComboBox>(&d, "ComboSize"); }
};

} // namespace

TEST_F(OptImprTest, FirstOpeningOffersPortraitAndTenPointsAndOkStoresThem)
{
    PrintOptionsDialog dialog(ini, QStringLiteral("Super Symmar 5,6/150"));
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options pour l'impression"));
    EXPECT_EQ(child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("Références constructeur de l'objectif"));
    EXPECT_EQ(child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Taille de la fonte"));
    EXPECT_EQ(child<QGroupBox>(&dialog, "RadioImpr")->title(), QStringLiteral("Orientation"));
    EXPECT_EQ(portrait(dialog)->text(), QStringLiteral("Portrait"));
    EXPECT_EQ(paysage(dialog)->text(), QStringLiteral("Paysage"));
    EXPECT_TRUE(portrait(dialog)->isChecked());
    QStringList items;
    for (int i = 0; i < size(dialog)->count(); ++i)
        items << size(dialog)->itemText(i);
    EXPECT_EQ(items, (QStringList{"6", "8", "10", "12"}));
    EXPECT_EQ(size(dialog)->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(size(dialog)->isEditable());
    EXPECT_EQ(child<QPushButton>(&dialog, "BitBtn1")->text(), QStringLiteral("Abandonner"));
    auto *ok = child<QPushButton>(&dialog, "BitBtn2");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    auto *title = child<QLineEdit>(&dialog, "EdTitre");
    EXPECT_EQ(title->text(), QStringLiteral("Super Symmar 5,6/150"));
    EXPECT_EQ(title->toolTip(), QStringLiteral("Titre"));
    EXPECT_EQ(title->statusTip(), QStringLiteral("Apparaît sur la première ligne à l'impression"));
    // 205 high whatever the width; at least 362 wide.
    EXPECT_EQ(dialog.height(), 205);
    EXPECT_EQ(dialog.minimumHeight(), 205);
    EXPECT_EQ(dialog.maximumHeight(), 205);
    EXPECT_GE(dialog.width(), 362);
    EXPECT_EQ(dialog.minimumWidth(), 362);
    saveScreenshot(&dialog, QStringLiteral("print-options"));

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(folder.read(QStringLiteral("optolune.INI"))
                    .contains("[Impression]\r\nOrientation=0\r\nFontsize=2\r\n"));
    const PrintChoice choice = dialog.choice();
    EXPECT_EQ(choice.title, QStringLiteral("Super Symmar 5,6/150"));
    EXPECT_EQ(choice.fontSizePoints, 10);
    EXPECT_FALSE(choice.landscape);
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(OptImprTest, AnAbandonedChoiceIsKeptForTheNextOpening)
{
    {
        PrintOptionsDialog dialog(ini, QString());
        showDialog(dialog);
        QTest::mouseClick(paysage(dialog), Qt::LeftButton);
        size(dialog)->setCurrentIndex(3);
        QTest::mouseClick(child<QPushButton>(&dialog, "BitBtn1"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    PrintOptionsDialog next(ini, QString());
    showDialog(next);
    EXPECT_TRUE(paysage(next)->isChecked());
    EXPECT_EQ(size(next)->currentText(), QStringLiteral("12"));
    // The close box and Escape keep the choice too.
    size(next)->setCurrentIndex(0);
    QTest::keyClick(&next, Qt::Key_Escape);
    EXPECT_EQ(readPrintOptions(ini), (PrintOptions{1, 0}));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(OptImprTest, TheTitleStartsFromTheLensReferencesAtEveryOpening)
{
    {
        PrintOptionsDialog dialog(ini, QStringLiteral("Apo-Sironar 5,6/210"));
        showDialog(dialog);
        auto *title = child<QLineEdit>(&dialog, "EdTitre");
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("Planche contact"));
        QTest::keyClick(title, Qt::Key_Return); // the default button
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.choice().title, QStringLiteral("Planche contact"));
    }
    PrintOptionsDialog next(ini, QStringLiteral("Apo-Sironar 5,6/210"));
    showDialog(next);
    EXPECT_EQ(child<QLineEdit>(&next, "EdTitre")->text(), QStringLiteral("Apo-Sironar 5,6/210"));
}

TEST_F(OptImprTest, IndexesOutsideTheItemsOpenOnTheDefaults)
{
    folder.write(QStringLiteral("optolune.INI"), "[Impression]\r\nOrientation=7\r\nFontsize=-2\r\n");
    PrintOptionsDialog dialog(ini, QString());
    showDialog(dialog);
    EXPECT_TRUE(portrait(dialog)->isChecked());
    EXPECT_EQ(size(dialog)->currentText(), QStringLiteral("10"));
    dialog.accept();
    EXPECT_EQ(readPrintOptions(ini), (PrintOptions{0, 2}));
}

TEST_F(OptImprTest, ASettingsFileThatCannotBeWrittenIsReportedAndThePrintGoesOn)
{
    QDir().mkpath(ini); // a folder in the way
    PrintOptionsDialog dialog(ini, QStringLiteral("Test"));
    showDialog(dialog);
    size(dialog)->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>(&dialog, "BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().fontSizePoints, 8);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].kind, QStringLiteral("error"));
    EXPECT_TRUE(rec.messages()[0].text.contains(ini)) << rec.messages()[0].text.toStdString();
}

TEST_F(OptImprTest, TheOpenerCanBeReplacedAndRestored)
{
    int asked = 0;
    auto previous = setPrintOptionsOpener([&](QWidget *, const QString &references) {
        ++asked;
        return std::optional<PrintChoice>(PrintChoice{references + u'!', 12, true});
    });
    const auto choice = OpenPrintOptions(nullptr, QStringLiteral("Réf"));
    setPrintOptionsOpener(previous);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->title, QStringLiteral("Réf!"));
    EXPECT_EQ(asked, 1);

    // The program's opener: a modal dialog closed here by "Abandonner".
    QTimer::singleShot(0, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = dynamic_cast<PrintOptionsDialog *>(w); d && d->isVisible())
                QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    EXPECT_FALSE(OpenPrintOptions(nullptr, QStringLiteral("Réf")));
}
