// The penalty shoot-out: the operator board `penales` records each shot,
// and every write goes to the public board `clonpenales` too, shown or not,
// so it is in step whenever it appears.
#include <cstdint>

#include "app/procedures.h"
#include "app/text.h"
#include "shootout/shots.h"

namespace tabrino {

namespace {

// A mark's state is its colour: white open, green goal, red miss.
void paint(Element& mark, Rgb c) {
    mark.setColor(c);
    mark.setBorder(c);
}

std::int16_t& goalsOf(Program& p, Side s) { return s == Side::Local ? p.golespenallocal : p.golespenalvisita; }

Window& board(Program& p) { return p.win("penales"); }
Window& publicBoard(Program& p) { return p.win("clonpenales"); }

void showCount(Program& p, Side s) {
    const std::string text = numberText(goalsOf(p, s));
    board(p)[countField(s)].setText(text);
    publicBoard(p)[countField(s)].setText(text);
}

void paintOnBothBoards(Program& p, const PenaltyShot& s, Rgb c) {
    paint(board(p)[s.mark], c);
    paint(publicBoard(p)[s.mark], c);
}

bool isGoal(Program& p, const PenaltyShot& s) { return board(p)[s.mark].color() == colors::green; }

// Level after the away side's fifth shot: a further series may follow.
void pruebaEmpate(Program& p) {
    Window& b = board(p);
    Element& reset = b["resetpenal"];
    if (b["tabrinogollocal"].text() == b["tabrinogolvisita"].text() && !reset.visible()) reset.setVisible(true);
}

bool closesTheSeries(const PenaltyShot& s) { return s.side == Side::Visita && s.number == 5; }

void golPenal(Program& p, const PenaltyShot& s) {
    if (!isGoal(p, s)) {
        ++goalsOf(p, s.side);
        paintOnBothBoards(p, s, colors::green);
        showCount(p, s.side);
    }
    if (closesTheSeries(s)) pruebaEmpate(p);
}

void erradoPenal(Program& p, const PenaltyShot& s) {
    if (isGoal(p, s)) --goalsOf(p, s.side);
    paintOnBothBoards(p, s, colors::red);
    showCount(p, s.side);
    if (closesTheSeries(s)) pruebaEmpate(p);
}

void blancoPenal(Program& p, const PenaltyShot& s) {
    if (isGoal(p, s)) --goalsOf(p, s.side);
    paintOnBothBoards(p, s, colors::white);
    showCount(p, s.side);
}

void clearMarks(Window& w) {
    for (const PenaltyShot& s : kShots) paint(w[s.mark], colors::white);
}

// The counts live and die with the operator board.
void penales_Load(Program& p) {
    p.golespenallocal = 0;
    p.golespenalvisita = 0;
}

// However the operator board goes (its close picture or the window
// system), the public board is cleared and hidden with it, so the next
// shoot-out starts from nothing on both.
void penales_Unload(Program& p) {
    Window& pub = publicBoard(p);
    clearMarks(pub);
    pub["tabrinogollocal"].setText("0");
    pub["tabrinogolvisita"].setText("0");
    pub.hide();
}

void leyendapenal_Click(Program& p) {
    Window& b = board(p);  // created afresh if it is not open
    Window& pub = publicBoard(p);
    Window& f = p.form1();
    for (Window* w : {&b, &pub}) {
        (*w)["equipopenall"].setText(f["equipolocal"].text());
        (*w)["equipopenalv"].setText(f["equipovisita"].text());
    }
    b.show();
    if (p.pantallaauxiliar == "SI") pub.show();
}

void resetpenal_Click(Program& p) {
    clearMarks(board(p));
    clearMarks(publicBoard(p));
}

void finmiuto_Click(Program& p) { p.unload("penales"); }

}  // namespace

void wirePenales(Program& p) {
    p.handle("Form1", "leyendapenal_Click", [&p] { leyendapenal_Click(p); });
    p.onWindow("penales", WindowEvent::Load, [&p] { penales_Load(p); });
    p.onWindow("penales", WindowEvent::Unload, [&p] { penales_Unload(p); });
    for (const PenaltyShot& s : kShots) {
        p.on("penales", s.goal.name, Event::Click, [&p, &s] { golPenal(p, s); });
        p.on("penales", s.miss.name, Event::Click, [&p, &s] { erradoPenal(p, s); });
        p.on("penales", s.blank.name, Event::Click, [&p, &s] { blancoPenal(p, s); });
    }
    p.handle("penales", "resetpenal_Click", [&p] { resetpenal_Click(p); });
    p.handle("penales", "Image22_Click", [&p] { p.play(Cue::Final); });
    p.handle("penales", "finmiuto_Click", [&p] { finmiuto_Click(p); });
}

}  // namespace tabrino
