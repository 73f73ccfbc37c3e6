// What the tests of windows do again and again: show a window and let its
// activation run, type into a field and click a button as a user does, act
// on a modal window while exec() holds the test.
#pragma once

#include "child.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
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

// Runs `step` on the modal window once it is up (exec() blocks the test).
template <typename F>
void whenModalShown(F step)
{
    QTimer::singleShot(0, qApp, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(modal);
    });
}

} // namespace optolune::test
