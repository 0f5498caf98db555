#include <string>

#include "app/procedures.h"
#include "app/series_table.h"

namespace tabrino {

void Form_Load(Program& p) {
    p.reintentosmonitor = 0;
    ubicaventanas(p);
    Window& f = p.form1();
    maximizeWindow(p, f);

    if (p.svc.process.anotherCopyRunning()) {
        p.ask("Ya está ejecutando el Tabrino de Hockey", "Atención!", Buttons::Ok, Icon::Error);
        p.exit();
        return;
    }

    p.contadorfin = 0;

    // Each player is opened once; a file that cannot be opened silences only
    // its own cue, and the operator hears of it once, by name.
    std::string missing;
    int opened = 0;
    for (int n = 1; n <= 5; ++n) {
        const char* file = cueFile(static_cast<Cue>(n));
        if (p.svc.sounds.open(n, file))
            ++opened;
        else
            missing += std::string(missing.empty() ? "" : ", ") + file;
    }

    p.sonarbip = flag::SI;
    p.estadoinicio = flag::noiniciado;
    p.castigadoslocal = 0;
    p.castigadosvisita = 0;
    p.conalargue = flag::NO;
    p.conpenales = flag::NO;
    p.conposesion = flag::NO;
    p.clonactivo = flag::NO;
    p.pantallaauxiliar = flag::NO;
    p.ceroavisado = flag::no;
    p.enultimos10 = flag::no;
    p.avisocinco = flag::no;
    p.avisocero = flag::no;
    p.contadortimer2 = 0;
    p.colorreloj = "65280";

    for (std::size_t i = 0; i < kSeriesTable.size(); ++i) {
        p.tablaseries[i] = kSeriesTable[i].name;
        p.tablaseries[series::duration(i)] = kSeriesTable[i].duration;
    }

    if (!p.svc.sounds.hasOutput())
        p.ask("No se encontró ninguna salida de sonido. El partido sigue sin sonidos.", "Sonidos", Buttons::Ok,
              Icon::Information);
    else if (opened == 0)
        // Not "the others still work": there are none.
        p.ask("No se pudo abrir ningún sonido (" + missing + "). El partido sigue sin sonidos.", "Sonidos", Buttons::Ok,
              Icon::Information);
    else if (!missing.empty())
        p.ask(
            "No se pudo abrir el sonido " + missing + ". El partido sigue sin ese aviso; los demás sonidos funcionan.",
            "Sonidos", Buttons::Ok, Icon::Information);
}

void Form_Unload(Program& p) { p.exit(); }

}  // namespace tabrino
