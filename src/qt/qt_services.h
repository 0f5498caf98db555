#pragma once
// Every Qt service together, for a program on the screen.
#include <QString>

#include "qt/qt_dialogs.h"
#include "qt/qt_monitors.h"
#include "qt/qt_process.h"
#include "qt/qt_sound_players.h"

namespace tabrino::qt {

struct QtServices {
    explicit QtServices(const QString& folder, const QString& lockPath = QtProcess::defaultLockPath())
        : sounds(folder), process(lockPath) {}
    QtDialogs dialogs;
    QtSoundPlayers sounds;
    QtMonitors monitors;
    QtProcess process;
    QtClock clock;
    Services services() { return Services{dialogs, sounds, monitors, process, clock}; }
};

}  // namespace tabrino::qt
