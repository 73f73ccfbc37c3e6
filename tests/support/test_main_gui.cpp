// Test entry point for windows: offscreen unless a platform is chosen, and the
// program's own application object, so errors are reported as in the program.
#include "core/application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    optolune::Application app(argc, argv);
    optolune::Application::setApplicationName(QStringLiteral("Optolune"));
    return RUN_ALL_TESTS();
}
