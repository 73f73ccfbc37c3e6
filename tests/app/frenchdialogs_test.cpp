// The program as a French user meets Qt's own texts: the buttons of the
// confirmations and the open and save dialogs, and the window titles.
#include "core/application.h"
#include "core/qtmessages.h"
#include "support/programfolder.h"
#include "support/screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace optolune;
using namespace optolune::test;

namespace {

// Installs the French translation for one test and takes it away after it,
// so that the other tests of this program keep Qt's own texts.
class FrenchDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_translator.reset(installFrenchTranslation());
        ASSERT_NE(m_translator, nullptr)
            << "no qtbase_fr in " << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()
            << " (scripts/deps.sh installs qt6-translations-l10n)";
    }
    void TearDown() override
    {
        m_translator.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Runs `look` on the modal window that `open` shows, then closes it.
    static void whileModal(const std::function<void()> &open,
                           const std::function<void(QWidget *)> &look)
    {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) {
                ADD_FAILURE() << "no modal window";
                return;
            }
            look(modal);
            looked = true;
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                box->button(QMessageBox::No)->click();
            else if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        });
        open();
        EXPECT_TRUE(looked);
    }

    static QStringList buttonTexts(QWidget *window)
    {
        QStringList texts;
        for (const QAbstractButton *b : window->findChildren<QAbstractButton *>())
            if (b->isVisible() && !b->text().isEmpty())
                texts << b->text().remove(u'&');
        return texts;
    }
    static QStringList labelTexts(QWidget *window)
    {
        QStringList texts;
        for (const QLabel *l : window->findChildren<QLabel *>())
            if (l->isVisible())
                texts << l->text().remove(u'&');
        return texts;
    }

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace

TEST_F(FrenchDialogsTest, ConfirmationsAskOuiOrNon)
{
    QtMessages box;
    bool answer = true;
    whileModal([&] { answer = box.confirm(QStringLiteral("Continuer?")); },
               [](QWidget *modal) {
                   EXPECT_EQ(modal->windowTitle(), QStringLiteral("Optolune"));
                   const QStringList buttons = buttonTexts(modal);
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Oui"))) << buttons.join(u',').toStdString();
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Non"))) << buttons.join(u',').toStdString();
                   saveScreenshot(modal, QStringLiteral("confirmation"));
               });
    EXPECT_FALSE(answer);
}

TEST_F(FrenchDialogsTest, OpenAndSaveDialogsSpeakFrench)
{
    QTemporaryDir dir;
    QtPrompts prompts;
    whileModal([&] { EXPECT_FALSE(prompts.openFile(dir.path(), QStringLiteral("optolune (*.stf)"))); },
               [](QWidget *modal) {
                   ASSERT_NE(qobject_cast<QFileDialog *>(modal), nullptr);
                   const QStringList buttons = buttonTexts(modal);
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Ouvrir"))) << buttons.join(u',').toStdString();
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Annuler"))) << buttons.join(u',').toStdString();
                   const QStringList labels = labelTexts(modal);
                   EXPECT_TRUE(labels.contains(QStringLiteral("Nom de fichier :")))
                       << labels.join(u',').toStdString();
                   EXPECT_FALSE(labels.join(u' ').contains(QStringLiteral("Look in")));
                   saveScreenshot(modal, QStringLiteral("open-dialog"));
               });
    whileModal([&] {
        EXPECT_FALSE(prompts.saveFile(dir.path(), QStringLiteral("a.bmp"), QStringLiteral("*.bmp")));
    },
               [](QWidget *modal) {
                   ASSERT_NE(qobject_cast<QFileDialog *>(modal), nullptr);
                   const QStringList buttons = buttonTexts(modal);
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Enregistrer")))
                       << buttons.join(u',').toStdString();
                   EXPECT_TRUE(buttons.contains(QStringLiteral("Annuler")));
                   saveScreenshot(modal, QStringLiteral("save-dialog"));
               });
}

TEST_F(FrenchDialogsTest, LocaleIsFrench)
{
    EXPECT_EQ(QLocale().language(), QLocale::French);
}

// Without Qt's translations the program runs, with Qt's English texts.
TEST(FrenchTranslation, MissingTranslationsLeaveTheProgramRunning)
{
    QTemporaryDir empty;
    EXPECT_EQ(installFrenchTranslation(empty.path()), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    QLocale::setDefault(QLocale::c());
}

// Qt appends a display name, when one is set, to every window title: the
// program sets none, so "Table de profondeur de champ" is the whole title.
TEST(WindowTitles, NoApplicationDisplayNameIsSet)
{
    const QString name = QCoreApplication::applicationName();
    setUpApplication();
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Optolune"));
    // Without a display name of its own, the display name follows the name.
    QCoreApplication::setApplicationName(QStringLiteral("Autre"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Autre"));
    QCoreApplication::setApplicationName(name);
    QLocale::setDefault(QLocale::c());
}
