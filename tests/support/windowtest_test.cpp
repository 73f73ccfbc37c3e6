// The helpers of the window tests: a check that fails while a modal window
// holds the test must end that window, or the test waits for its time limit.
#include "support/windowtest.h"

#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace optolune::test;

namespace {

// A dialog that, like the variations window, does not close on Escape.
class KeptDialog : public QDialog {
public:
    void reject() override {}
};

// Runs exec() on the window with a step that fails; gives the failures the
// step reported, and returns whether the window had to be closed by the
// watchdog.
template <typename Step>
bool execWithFailingStep(QDialog &window, testing::TestPartResultArray &failures, Step step)
{
    bool closedByWatchdog = false;
    // Without the helper's own closing, the window would hold the test until
    // CTest's time limit: the watchdog ends it first and says so.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        closedByWatchdog = true;
        window.done(QDialog::Rejected);
    });
    watchdog.start(5000);
    {
        testing::ScopedFakeTestPartResultReporter capture(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
            &failures);
        whenModalShown(step);
        window.exec();
    }
    return closedByWatchdog;
}

} // namespace

TEST(WhenModalShown, AFailedAssertionClosesTheModalWindowAndFailsTheTest)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Optolune"),
                    QStringLiteral("Table vide"), QMessageBox::Ok);
    testing::TestPartResultArray failures;
    const bool watchdog = execWithFailingStep(box, failures, [](QWidget *modal) {
        ASSERT_EQ(modal->windowTitle(), QStringLiteral("Autre"));
        ADD_FAILURE() << "not reached after a failed assertion";
    });
    EXPECT_FALSE(watchdog) << "the box stayed open after the failure";
    EXPECT_FALSE(box.isVisible());
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).fatally_failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("Autre"),
              std::string::npos);
}

TEST(WhenModalShown, AWindowThatRefusesEscapeIsClosedAsWell)
{
    KeptDialog window;
    testing::TestPartResultArray failures;
    const bool watchdog =
        execWithFailingStep(window, failures, [](QWidget *) { FAIL() << "dans la fenêtre"; });
    EXPECT_FALSE(watchdog);
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).fatally_failed());
}

// A step that only records a failure goes on: the window stays up for the
// step to close, and the failure still fails the test.
TEST(WhenModalShown, ANonFatalFailureIsKeptAndTheStepCarriesOn)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Optolune"),
                    QStringLiteral("Table vide"), QMessageBox::Ok);
    bool carriedOn = false;
    testing::TestPartResultArray failures;
    const bool watchdog = execWithFailingStep(box, failures, [&](QWidget *modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Autre"));
        carriedOn = modal->isVisible();
        static_cast<QDialog *>(modal)->accept();
    });
    EXPECT_FALSE(watchdog);
    EXPECT_TRUE(carriedOn);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_FALSE(failures.GetTestPartResult(0).fatally_failed());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}
