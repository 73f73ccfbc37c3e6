#include "core/apppaths.h"
#include "core/inifile.h"
#include "support/settingsdialogtest.h"
#include "support/child.h"
#include "support/screenshot.h"
#include "support/windowtest.h"
#include "tablewindow/displayoptionsdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

// In the dialog's order: the four boxes a user sees, then the four kept out of sight.
const char *const Boxes[] = {"Hcheck",  "Grcheck", "pcheck",  "abCheck",
                             "pfCheck", "DCCheck", "ZCCheck", "TirCheck"};

// A click on the box itself: the row is wider than its caption.
void tick(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

class OptAffTest : public SettingsDialogTest {
protected:
    static QList<bool> ticks(const DisplayOptionsDialog &dialog)
    {
        QList<bool> result;
        for (const char *name : Boxes)
            result << child<QCheckBox>(&dialog, name)->isChecked();
        return result;
    }
};

} // namespace

TEST_F(OptAffTest, WithoutSettingsFileAllIsOffAndOkCreatesTheSection)
{
    DisplayOptionsDialog dialog(ini);
    showDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Affichage"));
    EXPECT_EQ(ticks(dialog), QList<bool>(8, false));
    const QStringList captions{"Hyperfocale (h)", "Grandissement et tirage",
                               "Profondeur de champ p ",
                               "Profondeur de champ en avant (a) et en arrière (b) du plan de "
                               "mise au point"};
    for (int i = 0; i < 8; ++i) {
        auto *box = child<QCheckBox>(&dialog, Boxes[i]);
        EXPECT_EQ(box->isVisible(), i < 4) << Boxes[i];
        if (i < 4) {
            EXPECT_EQ(box->text(), captions[i]);
        }
    }
    saveScreenshot(&dialog, QStringLiteral("optaff"));

    click(dialog, "validebtn");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("optolune.INI")),
              QByteArray("[optaff]\r\np=0\r\nab=0\r\nh=0\r\ngrt=0\r\npf=0\r\ndc=0\r\nzc=0\r\nt=0\r\n"
                         "diff=0\r\nlambda=0,55\r\nflou=rss\r\n"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(OptAffTest, DiffractionBoxWavelengthAndBlurModel)
{
    folder.write(QStringLiteral("optolune.INI"), "[optaff]\r\ndiff=1\r\nlambda=0,5464\r\nflou=sum\r\n");
    DisplayOptionsDialog dialog(ini);
    showDialog(dialog);
    auto *diff = child<QCheckBox>(&dialog, "DiffCheck");
    EXPECT_TRUE(diff->isVisible());
    EXPECT_EQ(diff->text(), QStringLiteral("Diffraction"));
    EXPECT_TRUE(diff->isChecked());
    auto *lambda = child<QLineEdit>(&dialog, "EdLambda");
    auto *model = child<QComboBox>(&dialog, "ComboFlou");
    EXPECT_EQ(lambda->text(), QStringLiteral("0,5464"));
    EXPECT_EQ(model->currentIndex(), 1);
    // The field shows its widest text whole.
    EXPECT_GE(lambda->contentsRect().width(), lambda->fontMetrics().horizontalAdvance(QStringLiteral("0,5464")));
    saveScreenshot(&dialog, QStringLiteral("optaff-diffraction"));

    // A wavelength out of range is refused and nothing is stored.
    const QByteArray before = folder.read(QStringLiteral("optolune.INI"));
    for (const char *bad : {"0,8", "0,3", "abc", "0,7001", ""}) {
        lambda->setText(QString::fromUtf8(bad));
        click(dialog, "validebtn");
        EXPECT_TRUE(dialog.isVisible()) << bad;
        EXPECT_EQ(folder.read(QStringLiteral("optolune.INI")), before) << bad;
    }
    ASSERT_EQ(rec.messages().size(), 5u);
    EXPECT_EQ(rec.messages()[0],
              (Message{"warning", "La longueur d'onde va de 0,40 à 0,70 µm, 4 décimales au plus"}));

    lambda->setText(QStringLiteral("0.45"));
    model->setCurrentIndex(0);
    click(dialog, "validebtn");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const DisplayOptions stored = readDisplayOptions(ini);
    EXPECT_EQ(stored.wavelengthUm, 0.45L);
    EXPECT_EQ(stored.blurModel, BlurModel::RootSumSquare);
    EXPECT_TRUE(stored.diff);
}

TEST_F(OptAffTest, MarkingButtonsWorkOnAllEightBoxesAndOkStoresThem)
{
    folder.write(QStringLiteral("optolune.INI"),
                 "[fichtemp]\r\ntable=/tmp/F80.tmp\r\n[optaff]\r\nh=1\r\nab=1\r\ndc=1\r\n");
    DisplayOptionsDialog dialog(ini);
    showDialog(dialog);
    const QList<bool> opening{true, false, false, true, false, true, false, false};
    EXPECT_EQ(ticks(dialog), opening);

    click(dialog, "MarqueInvBtn");
    EXPECT_EQ(ticks(dialog), (QList<bool>{false, true, true, false, true, false, true, true}));
    click(dialog, "MarqueInvBtn");
    EXPECT_EQ(ticks(dialog), opening);

    click(dialog, "MarqueTousBtn");
    EXPECT_EQ(ticks(dialog), QList<bool>(8, true));
    tick(child<QCheckBox>(&dialog, "pcheck"));
    // Written while the dialog was open: kept, since Ok reads the file again.
    folder.write(QStringLiteral("optolune.INI"),
                 "[fichtemp]\r\ntable=/tmp/F80.tmp\r\n[Impression]\r\nFontsize=8\r\n");
    click(dialog, "validebtn");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const DisplayOptions stored = readDisplayOptions(ini);
    EXPECT_FALSE(stored.p);
    EXPECT_TRUE(stored.h && stored.grt && stored.ab && stored.pf && stored.dc && stored.zc &&
                stored.t);
    IniFile file;
    file.load(ini);
    EXPECT_EQ(file.value("fichtemp", "table"), QStringLiteral("/tmp/F80.tmp"));
    EXPECT_EQ(file.value("Impression", "Fontsize"), QStringLiteral("8"));
}

TEST_F(OptAffTest, AbandonAndEscapeLeaveTheFileUntouched)
{
    const QByteArray before = "[optaff]\r\nh=1\r\n";
    folder.write(QStringLiteral("optolune.INI"), before);
    for (const bool escape : {false, true}) {
        DisplayOptionsDialog dialog(ini);
        showDialog(dialog);
        click(dialog, "MarqueInvBtn");
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            click(dialog, "SpeedButton3");
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(folder.read(QStringLiteral("optolune.INI")), before);
    }
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(OptAffTest, OkThatCannotWriteSaysSoAndStaysOpen)
{
    folder.write(QStringLiteral("plain"), "x");
    const QString blocked = folder.file(QStringLiteral("plain/optolune.INI"));
    DisplayOptionsDialog dialog(blocked);
    showDialog(dialog);
    click(dialog, "MarqueTousBtn");
    click(dialog, "validebtn");
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", "Impossible de créer le fichier " + blocked}}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ticks(dialog), QList<bool>(8, true));
    click(dialog, "SpeedButton3");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(OptAffTest, HintsGoToTheStatusBar)
{
    DisplayOptionsDialog dialog(ini);
    showDialog(dialog);
    auto *all = child<QToolButton>(&dialog, "MarqueTousBtn");
    EXPECT_EQ(all->toolTip(), QStringLiteral("Tous"));
    EXPECT_EQ(child<QToolButton>(&dialog, "MarqueInvBtn")->toolTip(), QStringLiteral("Inverser"));
    EXPECT_EQ(child<QToolButton>(&dialog, "validebtn")->toolTip(),
              QStringLiteral("Valider et quitter"));
    EXPECT_EQ(child<QToolButton>(&dialog, "SpeedButton3")->text(), QStringLiteral("Abandonner"));
    QStatusTipEvent tip(all->statusTip());
    QCoreApplication::sendEvent(all, &tip);
    EXPECT_EQ(child<QStatusBar>(&dialog, "StatusBar")->currentMessage(),
              QStringLiteral("Cocher tous les itms de  la liste courante "));
}

TEST_F(OptAffTest, OpenerShowsItModallyWithTheProgramSettingsFile)
{
    ASSERT_EQ(appPaths().iniFileName, ini);
    folder.write(QStringLiteral("optolune.INI"), "[optaff]\r\ngrt=1\r\n");

    whenModalShown([](QWidget *modal) {
        EXPECT_TRUE(child<QCheckBox>(modal, "Grcheck")->isChecked());
        tick(child<QCheckBox>(modal, "Hcheck"));
        QTest::mouseClick(child<QToolButton>(modal, "validebtn"), Qt::LeftButton);
    });
    const std::optional<DisplayOptions> chosen = openDisplayOptions(nullptr);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->h && chosen->grt);
    EXPECT_EQ(readDisplayOptions(ini), *chosen);

    whenModalShown([](QWidget *modal) {
        QTest::mouseClick(child<QToolButton>(modal, "SpeedButton3"), Qt::LeftButton);
    });
    EXPECT_FALSE(openDisplayOptions(nullptr));
}
