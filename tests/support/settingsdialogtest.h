// What the tests of the two settings dialogs (display options, print
// options) start from: a program folder without the installation data, the
// message recorder, and the settings file's path.
#pragma once

#include "support/programfolder.h"
#include "support/recorder.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace optolune::test {

class SettingsDialogTest : public testing::Test {
protected:
    ProgramFolder folder{false};
    Recorder rec;
    const QString ini = folder.file(QStringLiteral("optolune.INI"));

    // Shows the dialog and waits until it is on the screen.
    static void showDialog(QWidget &dialog)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
};

} // namespace optolune::test
