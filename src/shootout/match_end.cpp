// The end-of-match screen: the result is written at once into `finpartido`
// and its public twin `clonfinpartido`, and `Timer2` shows them on its
// seventh tick. A level match decided by penalties shows the operator
// window's "PENALES" link instead.
#include "app/procedures.h"
#include "app/text.h"

namespace tabrino {

namespace {

constexpr std::int16_t kTicksBeforeShowing = 6;

// Only the fields of this result are left visible: a window that showed an
// earlier result (the public one is only ever hidden) must not keep it.
void writeResult(Window& w, const std::string* winner) {
    if (winner) w["ganador2"].setText(*winner);
    w["ganador1"].setVisible(winner != nullptr);
    w["ganador2"].setVisible(winner != nullptr);
    w["empate"].setVisible(winner == nullptr);
}

void Timer2_Timer(Program& p) {
    if (p.contadortimer2 < kTicksBeforeShowing) {
        ++p.contadortimer2;
        return;
    }
    p.timer2.setEnabled(false);
    p.contadortimer2 = 0;
    p.win("finpartido").show();
    if (p.pantallaauxiliar == flag::SI) p.win("clonfinpartido").show();
}

// However the operator's screen is closed, the public one goes with it, its
// result fields hidden too, so nothing of this match is left on it.
void finpartido_Unload(Program& p) {
    if (Window* clon = p.existing("clonfinpartido")) {
        clon->hide();
        for (const char* field : {"ganador1", "ganador2", "empate"}) (*clon)[field].setVisible(false);
    }
}

}  // namespace

void llenaFinPartido(Program& p) {
    Window& f = p.form1();
    const std::string& local = f["gollocal"].text();
    const std::string& visita = f["golvisita"].text();
    const bool drawn = local == visita;
    if (drawn && p.conpenales == flag::SI) {
        f["leyendapenal"].setVisible(true);
        return;
    }
    const std::string* winner = nullptr;
    if (!drawn) winner = &f[numericValue(visita) > numericValue(local) ? "equipovisita" : "equipolocal"].text();

    Window& fin = p.win("finpartido");
    Window& clon = p.win("clonfinpartido");
    writeResult(fin, winner);
    writeResult(clon, winner);
    maximizeWindow(p, fin);
    maximizeWindow(p, clon);
    p.timer2.setEnabled(true);
}

void wireFinPartido(Program& p) {
    p.onTimer("Timer2", [&p] { Timer2_Timer(p); });
    p.handle("finpartido", "finmiuto_Click", [&p] { p.unload("finpartido"); });
    p.onWindow("finpartido", WindowEvent::Unload, [&p] { finpartido_Unload(p); });
}

}  // namespace tabrino
