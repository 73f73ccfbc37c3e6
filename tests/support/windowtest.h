// What the tests of windows do again and again: show a window and let its
// activation run, type into a field and click a button as a user does, act
// on a modal window while exec() holds the test.
#pragma once

#include "child.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace optolune::test {

// Shows the window and lets its activation, queued after the first show,
// run.
inline void activate(QWidget &window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
}

// Replaces the field's text with keys, without clicking into it (a click
// computes in some windows).
inline void typeInto(QLineEdit *field, const QString &typed)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, typed);
}

// Clicks the window's tool button of that name.
inline void click(const QWidget &window, const char *name)
{
    QTest::mouseClick(child<QToolButton>(&window, name), Qt::LeftButton);
}

// Closes the modal window and any modal window still open above it, so that
// the exec() that shows it returns.
inline void closeModalWindows(QWidget *modal)
{
    const QPointer<QWidget> bottom(modal);
    for (int i = 0; i < 16 && bottom && bottom->isVisible(); ++i) {
        QWidget *top = QApplication::activeModalWidget();
        if (!top)
            top = bottom;
        if (auto *dialog = qobject_cast<QDialog *>(top)) {
            dialog->reject();
            // A window that refuses Escape refuses reject() as well.
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        } else {
            top->close();
        }
        if (top->isVisible())
            top->hide();
    }
}

// Runs `step` on the modal window once it is up (exec() blocks the test).
// A fatal failure inside the step (a failed ASSERT_...) fails the test and
// closes the window: exec() returns at once instead of holding the test until
// its time runs out.
template <typename F>
void whenModalShown(F step)
{
    QTimer::singleShot(0, qApp, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal window is up";
        // The step's results are taken aside to see whether one was fatal,
        // then handed on as they were.
        testing::TestPartResultArray results;
        {
            testing::ScopedFakeTestPartResultReporter capture(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &results);
            step(modal);
        }
        bool fatal = false;
        for (int i = 0; i < results.size(); ++i) {
            const testing::TestPartResult &r = results.GetTestPartResult(i);
            fatal = fatal || r.fatally_failed();
            GTEST_MESSAGE_AT_(r.file_name(), r.line_number(), r.message(), r.type());
        }
        if (fatal)
            closeModalWindows(modal);
    });
}

} // namespace optolune::test
