// One QApplication for every GUI test, on the offscreen desktop unless the
// environment names another.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLockFile>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    // Helper mode: take a lock and vanish without releasing it, as a copy of
    // the program that crashed would.
    if (argc == 3 && std::strcmp(argv[1], "--take-lock-and-crash") == 0) {
        static QLockFile lock(QString::fromLocal8Bit(argv[2]));
        lock.setStaleLockTime(0);
        std::_Exit(lock.tryLock(0) ? 0 : 3);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
