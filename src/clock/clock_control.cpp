// Starting, stopping and correcting the game clock.
#include "app/procedures.h"
#include "app/text.h"

namespace tabrino {

namespace {

void paintClock(Window& f, Rgb c) {
    f["a"].setColor(c);
    f["Label6"].setColor(c);
    f["b"].setColor(c);
}

void stopTimerOnly(Program& p) {
    if (p.timer1.enabled()) p.timer1.setEnabled(false);
}

// "+" on a two-digit field: one more, wrapping 60 to "00".
std::string plusOne(const std::string& t) {
    // A duration of up to 99 minutes may be set in the settings; "+" on
    // "99" wraps too, instead of growing a third digit.
    std::string r = twoDigits(numericValue(t) + 1);
    return numericValue(r) == 60 || r.size() > 2 ? "00" : r;
}

}  // namespace

void iniciapara(Program& p) {
    Window& f = p.form1();
    if (numericValue(f["b"].text()) + numericValue(f["a"].text()) > 0) {
        if (p.estadoinicio == "noiniciado") {
            for (const char* n : {"Command1", "Command2", "Command3", "Command4", "Image3", "apagar"})
                f[n].setVisible(false);
        }
        if (p.timer1.enabled()) {
            p.timer1.setEnabled(false);
            paintClock(f, colors::white);
            if (p.castigadoslocal < 2) {
                f["Image5"].setEnabled(true);
                f["Image6"].setEnabled(true);
            }
            if (p.castigadosvisita < 2) {
                f["Image4"].setEnabled(true);
                f["Image7"].setEnabled(true);
            }
        } else {
            p.timer1.setEnabled(true);
            paintClock(f, p.enultimos10 != "si" ? colorFromValueText(p.colorreloj) : colors::red);
            activafalta(p, false);
        }
        p.estadoinicio = "iniciado";
        if (p.segundosinicio.empty() && p.minutosinicio.empty() && f["periodo"].text() == "1") {
            p.minutosinicio = f["a"].text();
            p.segundosinicio = f["b"].text();
        }
        f["tramos"].setVisible(false);
    }
    if ((f["Image8"].visible() || f["Image9"].visible()) && !p.timer1.enabled()) p.play(Cue::Timbre);
}

void ultimos10(Program& p) {
    paintClock(p.form1(), colors::red);
    p.enultimos10 = "si";
}

void finultimos10(Program& p) {
    paintClock(p.form1(), colors::white);
    p.enultimos10 = "no";
}

namespace {

void Command1_Click(Program& p) {
    stopTimerOnly(p);
    Element& a = p.form1()["a"];
    a.setText(plusOne(a.text()));
    refrescaclon(p);
}

void Command2_Click(Program& p) {
    stopTimerOnly(p);
    Element& a = p.form1()["a"];
    if (a.text() != "00") a.setText(twoDigits(numericValue(a.text()) - 1));
    refrescaclon(p);
}

void Command3_Click(Program& p) {
    stopTimerOnly(p);
    Window& f = p.form1();
    Element& a = f["a"];
    Element& b = f["b"];
    b.setText(twoDigits(numericValue(b.text()) + 1));
    if (numericValue(b.text()) == 60) {
        b.setText("00");
        a.setText(numericValue(a.text()) != 59 ? plusOne(a.text()) : "00");
    }
    refrescaclon(p);
}

void Command4_Click(Program& p) {
    stopTimerOnly(p);
    Element& b = p.form1()["b"];
    if (b.text() != "00") b.setText(twoDigits(numericValue(b.text()) - 1));
    refrescaclon(p);
}

const char* const kSuspensionFields[] = {"c",  "d",      "c2",     "d2",     "e",         "f",
                                         "e2", "f2",     "Label1", "Label1b", "Label8",   "Label8b",
                                         "amonlocal", "amonlocal2", "amonvisita", "amonvisita2"};

void Image2_Click(Program& p) {
    Window& f = p.form1();
    p.timer1.setEnabled(false);
    f["a"].setText("00");
    f["b"].setText("00");
    finultimos10(p);
    for (const char* n : {"Command1", "Command2", "Command3", "Command4", "Image3", "apagar", "config"})
        f[n].setVisible(true);
    f["posesion"].setText("45");
    f["posesion"].setColor(colors::yellow);
    p.win("tenencia")["segunditos"].setText("45");
    p.ceroavisado = "no";
    p.minutosinicio.clear();
    p.segundosinicio.clear();
    if (p.castigadoslocal + p.castigadosvisita > 0 &&
        p.ask("Desea borrar los amonestados?", "Confirmar", Buttons::YesNo, Icon::None) == Answer::Yes) {
        for (const char* n : kSuspensionFields) f[n].setVisible(false);
        p.castigolocal1 = p.castigolocal2 = p.castigovisita1 = p.castigovisita2 = "noactivo";
        p.enultimos10 = "no";
        p.castigadoslocal = 0;
        p.castigadosvisita = 0;
    }
    activafalta(p, false);
    f["Image8"].setVisible(false);
    f["Image9"].setVisible(false);
    p.estadoinicio = "noiniciado";
    p.minutopedido.clear();
    f["tiempolocal"].setColor(colors::yellow);
    f["tiempovisita"].setColor(colors::yellow);
    f["tramos"].setText("Serie que jugara?");
    f["tramos"].setVisible(true);
    refrescaclon(p);
}

}  // namespace

void wireClockControl(Program& p) {
    auto startStop = [&p] {
        iniciapara(p);
        refrescaclon(p);
    };
    p.handle("Form1", "a_Click", startStop);
    p.handle("Form1", "b_Click", startStop);
    p.handle("Form1", "Label6_Click", startStop);
    p.handle("Form1", "Command1_Click", [&p] { Command1_Click(p); });
    p.handle("Form1", "Command2_Click", [&p] { Command2_Click(p); });
    p.handle("Form1", "Command3_Click", [&p] { Command3_Click(p); });
    p.handle("Form1", "Command4_Click", [&p] { Command4_Click(p); });
    p.handle("Form1", "Image2_Click", [&p] { Image2_Click(p); });
}

}  // namespace tabrino
