// What each option and check box of the settings window does at once,
// whether the operator sets it or the opening fill does.
#include "app/procedures.h"
#include "settings/settings.h"

namespace tabrino {

namespace {

bool ticked(const Window& w, const char* box) { return w[box].checked(); }

// The extra-screen boxes are offered only with a screen besides the
// operator's; a count of 0 (no multi-monitor support) is one screen too.
bool hasExtraScreen(const Program& p) { return p.cantidadmonitores >= 2; }

void showPossessionCount(Program& p, bool onOperator, bool onMirror) {
    Window& f = p.form1();
    f["posesion"].setVisible(onOperator);
    f["Label9"].setVisible(onOperator);
    // Touching the mirror creates it, hidden, like any window.
    Window& m = p.win("clontabrino");
    for (const char* n : {"posesion", "Label9"})
        if (Element* e = m.find(n)) e->setVisible(onMirror);
}

// With two monitors there is one extra screen: the mirror and the
// possession window cannot both have it.
bool screenConflict(Program& p, const Window& w) {
    if (p.cantidadmonitores != 2 || !ticked(w, "Check3") || !ticked(w, "Check2")) return false;
    p.ask("solo tiene una pantalla adicional, no puede activar ambas funciones", "Error", Buttons::Ok, Icon::Error);
    return true;
}

// Puts a public window on its screen the first time, then shows it there.
void showOnScreen(Program& p, Window& pub, double leftWithThree, double leftWithTwo) {
    if (pub.left() == 0) {
        if (p.cantidadmonitores >= 3) {
            pub.setState(WindowState::Normal);
            pub.setLeft(static_cast<float>(leftWithThree));
        } else if (p.cantidadmonitores == 2) {
            pub.setLeft(static_cast<float>(leftWithTwo));
        }
    }
    maximizeWindow(p, pub);
    pub.show();
}

}  // namespace

void possessionOn(Program& p, Window& w) {
    p.conposesion = flag::SI;
    w["Check1"].setEnabled(true);
    w["Check4"].setEnabled(true);
    w["Check2"].setEnabled(hasExtraScreen(p));
    showPossessionCount(p, true, p.clonactivo == flag::SI);
}

void possessionOff(Program& p, Window& w) {
    p.conposesion = flag::NO;
    showPossessionCount(p, false, false);
    for (const char* n : {"Check1", "Check2", "Check4"}) w[n].setEnabled(false);
    // Each clearing runs its own effect: the warnings go off, the big
    // possession window closes.
    for (const char* n : {"Check4", "Check1", "Check2"}) w[n].setChecked(false);
    p.avisocinco = flag::no;
}

void mirrorBox(Program& p, Window& w) {
    if (screenConflict(p, w)) {
        w["Check3"].setChecked(false);
        return;
    }
    if (ticked(w, "Check3")) {
        p.pantallaauxiliar = flag::SI;
        p.clonactivo = flag::SI;
        showOnScreen(p, p.win("clontabrino"), p.izquierdapantalla2, p.izquierdapantalla2);
        // The public sees the board as it stands now, not the design's
        // texts until the next change or tick (none comes while stopped).
        refrescaclon(p);
    } else {
        p.pantallaauxiliar = flag::NO;
        p.clonactivo = flag::NO;
        p.unload("clontabrino");
    }
}

void possessionWindowBox(Program& p, Window& w) {
    if (screenConflict(p, w)) {
        w["Check2"].setChecked(false);
        return;
    }
    p.tenenciaauxiliar = ticked(w, "Check2") ? flag::si : flag::no;
    if (p.tenenciaauxiliar != flag::si) {
        p.unload("tenencia");
        return;
    }
    showOnScreen(p, p.win("tenencia"), p.izquierdapantalla3, p.izquierdapantalla2);
}

void feedBox(Program& p, Window& w) {
    Element& addresses = w["Label32"];
    if (!p.feed) return;
    if (ticked(w, "Check6")) {
        std::string why;
        if (!p.feed->running() && !p.feed->start(why)) {
            // Cleared before the message so the box never claims a feed that is not there.
            w["Check6"].setChecked(false);
            p.ask(why, "Transmision", Buttons::Ok, Icon::Error);
            return;
        }
        std::string line;
        for (const std::string& a : p.feed->addresses()) line += (line.empty() ? "" : "  ") + a;
        addresses.setText(line);
        addresses.setVisible(true);
    } else {
        p.feed->stop();
        addresses.setVisible(false);
    }
}

void wireSettingsControls(Program& p) {
    auto on = [&p](const char* element, std::function<void(Window&)> effect) {
        p.on("configuracion", element, Event::Click, [&p, effect] { effect(p.win("configuracion")); });
    };
    on("Option1", [&p](Window&) { p.conalargue = flag::SI; });
    on("Option2", [&p](Window& w) {
        p.conalargue = flag::NO;
        w["Option4"].setChecked(true);  // no shoot-out without overtime
    });
    on("Option3", [&p](Window& w) {
        p.conpenales = flag::SI;
        w["Option1"].setChecked(true);  // a shoot-out comes after overtime
    });
    on("Option4", [&p](Window&) { p.conpenales = flag::NO; });
    for (const ClockColour& c : clockColours()) {
        std::string stored = c.stored;
        on(c.option.c_str(), [&p, stored](Window&) { p.colorreloj = stored; });
    }
    on("Option12", [&p](Window& w) { possessionOn(p, w); });
    on("Option13", [&p](Window& w) { possessionOff(p, w); });
    on("Check1", [&p](Window& w) { p.avisocinco = ticked(w, "Check1") ? flag::si : flag::no; });
    on("Check4", [&p](Window& w) { p.avisocero = ticked(w, "Check4") ? flag::si : flag::no; });
    on("Check5", [&p](Window& w) { p.sonarbip = ticked(w, "Check5") ? flag::SI : flag::NO; });
    on("Check3", [&p](Window& w) { mirrorBox(p, w); });
    on("Check2", [&p](Window& w) { possessionWindowBox(p, w); });
    on("Check6", [&p](Window& w) { feedBox(p, w); });
}

}  // namespace tabrino
