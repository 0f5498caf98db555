// The feed's Qt tests run on a core application: the server needs an event
// loop, not a screen.
#include <gtest/gtest.h>
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
