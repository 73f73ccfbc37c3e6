// Test entry point for logic units: no window system is needed, but a core
// application object gives Qt's file and text classes their usual setting.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
