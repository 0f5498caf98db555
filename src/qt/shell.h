#pragma once
// The Qt shell of a program: one view per window, made when the window is
// created and dropped when it is unloaded, and the timer driver. Destroy the
// shell before the program it shows.
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "app/program.h"
#include "qt/picture_book.h"
#include "qt/screen_watch.h"
#include "qt/timer_driver.h"
#include "qt/window_view.h"

namespace tabrino::qt {

class Shell : public QObject, public ProgramListener {
    Q_OBJECT

public:
    // `folder` is the program's folder (pictures/ lies in it).
    Shell(Program& p, const QString& folder);
    ~Shell() override;

    WindowView* view(const std::string& window) const;
    PictureBook& pictures() { return pictures_; }
    TimerDriver& timers() { return driver_; }
    ScreenWatch& screens() { return screens_; }

    void windowCreated(Window& w) override;
    void windowDestroyed(Window& w) override;

private:
    // Works out which shown views another covers whole, around a change of
    // `view`'s presence, state or geometry.
    void restack(const WindowView* view, WindowView::Restack how);

    Program& p_;
    PictureBook pictures_;
    TimerDriver driver_;
    ScreenWatch screens_;
    std::map<std::string, std::unique_ptr<WindowView>> views_;
};

}  // namespace tabrino::qt
