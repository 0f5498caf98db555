#pragma once
// Tells the program when the desktop's screens change: a screen plugged in,
// pulled out, resized or made primary. Changes that come together (a pull
// reported as a removal and a new primary) reach the program as one.
#include <QObject>
#include <QTimer>

#include "app/program.h"

class QScreen;

namespace tabrino::qt {

class ScreenWatch : public QObject {
    Q_OBJECT

public:
    ScreenWatch(Program& p, QObject* parent);
    // How many changes have reached the program (for tests).
    int changesTold() const { return told_; }

private:
    void watch(QScreen* s);
    void changed();

    Program& p_;
    QTimer pending_;
    int told_ = 0;
};

}  // namespace tabrino::qt
