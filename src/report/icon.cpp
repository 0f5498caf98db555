#include "report/icon.h"

namespace tabrino {

namespace {

// After every action and tick, the icon follows the clock. Being told
// first, its change lands in the same record entry as the action's own.
class IconFollowsClock : public ProgramListener {
public:
    explicit IconFollowsClock(Program& p) : p_(p) {}
    void windowCreated(Window&) override {}
    void windowDestroyed(Window&) override {}
    void settled(const std::string&) override {
        if (p_.exited()) return;
        if (Window* f = p_.existing("Form1"))
            if (Element* icon = f->find(kReportIcon)) icon->setVisible(!p_.timer1.enabled());
    }

private:
    Program& p_;
};

}  // namespace

void wireReportIcon(Program& p) { p.own(std::make_unique<IconFollowsClock>(p)); }

}  // namespace tabrino
