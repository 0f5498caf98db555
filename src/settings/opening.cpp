// Opening the settings window: one instance, refilled from the current
// state each time it is created.
#include "app/procedures.h"
#include "app/text.h"
#include "settings/settings.h"

namespace tabrino {

void openSettings(Program& p) {
    Window* w = p.existing("configuracion");
    if (w && w->shown()) {
        w->show();  // already open: to the front, keeping what is typed
        return;
    }
    // Created afresh its load fills it. A window that some other part
    // touched while it was closed is still hidden: fill it now.
    if (w)
        fillSettings(p, *w);
    else
        w = &p.win("configuracion");
    w->show();
}

void centreSettings(Program& p, Window& w) {
    float screenW = static_cast<float>(p.svc.monitors.screenWidthTwips());
    float screenH = static_cast<float>(p.svc.monitors.screenHeightTwips());
    w.setLeft((screenW - w.width()) / 2);
    w.setTop((screenH - w.height()) / 2);
}

static void monitorCountText(Program& p, Window& w) {
    w["Label28"].setText("Se han detectado " + numberText(p.cantidadmonitores) +
                         " Monitores disponibles, Si desea activar ambas funciones debe tener tres monitores.");
}

void muestrapantallas(Program& p, Window& w) {
    monitorCountText(p, w);
    // A box left ticked when its screen went stays usable, to switch it off.
    const bool extraScreen = p.cantidadmonitores >= 2;
    w["Check3"].setEnabled(extraScreen || w["Check3"].checked());
    // The possession window's box also needs the possession count switched on.
    w["Check2"].setEnabled((extraScreen || w["Check2"].checked()) && p.conposesion == "SI");
}

void fillSettings(Program& p, Window& w) {
    monitorCountText(p, w);
    // One screen, or a system that cannot tell (0): nothing to put elsewhere.
    bool extraScreen = p.cantidadmonitores >= 2;
    w["Check3"].setEnabled(extraScreen);
    w["Check2"].setEnabled(extraScreen);

    w["Check3"].setChecked(p.pantallaauxiliar == flag::SI);
    w["Check2"].setChecked(p.tenenciaauxiliar == flag::si);
    w["Check5"].setChecked(p.sonarbip == flag::SI);

    w[p.conalargue == flag::SI ? "Option1" : "Option2"].setChecked(true);
    w[p.conpenales == flag::SI ? "Option3" : "Option4"].setChecked(true);

    for (const DurationField& f : durationFields())
        w[f.box].setText(twoDigits(p.tablaseries[static_cast<std::size_t>(f.entry)]));

    w[p.conposesion == flag::SI ? "Option12" : "Option13"].setChecked(true);

    const ClockColour* chosen = nullptr;
    for (const ClockColour& c : clockColours())
        if (c.stored == p.colorreloj) chosen = &c;
    if (chosen) {
        w[chosen->option].setChecked(true);
    } else {
        // A colour none of the options stores: none shown, and it is kept.
        for (const ClockColour& c : clockColours()) w[c.option].setChecked(false);
    }

    // Without a feed in this shell the box stays greyed out.
    w["Check6"].setEnabled(p.feed != nullptr);
    w["Check6"].setChecked(p.feed && p.feed->running());
    // setChecked runs its effect only on a change: show the addresses of a
    // feed already running (started from the command line) as well.
    feedBox(p, w);
    w["Check1"].setChecked(p.avisocinco != flag::no);
    w["Check4"].setChecked(p.avisocero != flag::no);
}

}  // namespace tabrino
