// One QApplication for every GUI test, on the offscreen desktop unless the
// environment names another.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>

#include "qt/qt_process.h"

int main(int argc, char** argv) {
    // Helper mode: take a lock and vanish without releasing it, as a copy of
    // the program that crashed would.
    if (argc == 3 && std::strcmp(argv[1], "--take-lock-and-crash") == 0) {
        static tabrino::qt::QtProcess process(QString::fromLocal8Bit(argv[2]));
        std::_Exit(process.anotherCopyRunning() ? 3 : 0);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TABRINO_GUI_SCREENS);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
