#include "app/program.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "app/procedures.h"
#include "app/window_catalog.h"

namespace tabrino {

const char* cueFile(Cue c) {
    switch (c) {
        case Cue::Timbre: return "timbre.wav";
        case Cue::Clin: return "clin.wav";
        case Cue::Final: return "final.wav";
        case Cue::Aviso: return "aviso.wav";
        case Cue::Bip: return "bip.wav";
    }
    return "";
}

namespace {

const char* eventName(Event ev) {
    switch (ev) {
        case Event::Click: return "Click";
        case Event::DblClick: return "DblClick";
        case Event::Change: return "Change";
        case Event::LostFocus: return "LostFocus";
    }
    return "?";
}

const char* eventName(WindowEvent ev) {
    switch (ev) {
        case WindowEvent::Load: return "Load";
        case WindowEvent::Resize: return "Resize";
        case WindowEvent::Unload: return "Unload";
    }
    return "?";
}

const std::string kNoElement;

}  // namespace

Program::Program(Services services)
    : svc(services),
      timer1("Timer1", services.clock, /*keepsPhase=*/true),
      timer2("Timer2", services.clock),
      timer3("Timer3", services.clock) {
    for (const std::string& name : windowNames())
        for (std::string& fault : designFaults(*designFor(name))) nameFaults_.push_back(std::move(fault));
    wireAll(*this);
    wired_ = true;
    if (!strict_)
        for (const std::string& fault : nameFaults_) std::cerr << "tabrino: " << fault << '\n';
}

void Program::setStrict(bool s) {
    strict_ = s;
    if (!s || nameFaults_.empty()) return;
    std::string all;
    for (const std::string& fault : nameFaults_) all += (all.empty() ? "" : "; ") + fault;
    nameFaults_.clear();
    throw std::logic_error(all);
}

void Program::knowDesign(const WindowDesign& d) { extraDesigns_[d.name] = &d; }

void Program::nameFault(std::string what) {
    if (!wired_) {
        nameFaults_.push_back(std::move(what));
        return;
    }
    if (strict_) throw std::logic_error(what);
    std::cerr << "tabrino: " << what << '\n';
}

void Program::checkName(const std::string& window, const std::string& element) {
    auto extra = extraDesigns_.find(window);
    const WindowDesign* d = extra != extraDesigns_.end() ? extra->second : designFor(window);
    if (!d) return nameFault("a handler is registered on " + window + ", which is no window");
    if (element.empty()) return;
    for (const ElementDesign& e : d->elements)
        if (e.name == element) return;
    nameFault("a handler is registered on " + window + "." + element + ", which " + window + " does not have");
}

Program::~Program() = default;

const std::vector<std::string>& Program::windowNames() { return catalogWindowNames(); }

void Program::start() {
    form1();  // its load runs Form_Load
    if (exited_) return;
    form1().show();
}

void Program::exit() {
    if (exited_) return;
    exited_ = true;
    timer1.setEnabled(false);
    timer2.setEnabled(false);
    timer3.setEnabled(false);
    for (auto& [name, w] : windows_) w->hide();
    auto ls = listeners_;
    for (ProgramListener* l : ls) l->programExited();
    svc.process.quit();
}

Window& Program::win(const std::string& name) {
    auto it = windows_.find(name);
    if (it != windows_.end()) return *it->second;
    const WindowDesign* d = designFor(name);
    if (!d) throw std::out_of_range("no window " + name);
    auto w = std::make_unique<Window>(*d, this);
    Window& ref = *w;
    windows_[name] = std::move(w);
    auto ls = listeners_;
    for (ProgramListener* l : ls) l->windowCreated(ref);
    fireWindow(ref, WindowEvent::Load);
    return ref;
}

Window* Program::existing(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.get();
}

void Program::unload(const std::string& name) {
    if (name == "Form1") {
        // Closing the operator window ends the program and every window.
        if (Window* f = existing(name)) fireWindow(*f, WindowEvent::Unload);
        exit();
        return;
    }
    auto it = windows_.find(name);
    if (it == windows_.end()) return;
    Window& w = *it->second;
    fireWindow(w, WindowEvent::Unload);
    it = windows_.find(name);  // the unload handler may have unloaded it already
    if (it == windows_.end()) return;
    if (name == "minuto") timer3.setEnabled(false);  // the countdown dies with its window
    if (focus_ && &focus_->window() == &w) focus_ = nullptr;
    w.hide();
    auto ls = listeners_;
    for (ProgramListener* l : ls) l->windowDestroyed(w);
    graveyard_.push_back(std::move(it->second));
    windows_.erase(it);
    if (depth_ == 0) collectGarbage();
}

std::vector<Window*> Program::windows() const {
    std::vector<Window*> out;
    for (const auto& [n, w] : windows_) out.push_back(w.get());
    return out;
}

void Program::on(const std::string& window, const std::string& element, Event ev, Handler h) {
    checkName(window, element);
    handlers_[{window, element, static_cast<int>(ev)}] = std::move(h);
}

void Program::handle(const std::string& window, const std::string& handlerName, Handler h) {
    const auto cut = handlerName.rfind('_');
    const std::string event = cut == std::string::npos ? "" : handlerName.substr(cut + 1);
    for (Event ev : {Event::Click, Event::DblClick, Event::Change, Event::LostFocus})
        if (event == eventName(ev)) return on(window, handlerName.substr(0, cut), ev, std::move(h));
    nameFault("a handler named " + handlerName + " on " + window + " names no event");
}

void Program::onWindow(const std::string& window, WindowEvent ev, Handler h) {
    checkName(window, kNoElement);
    windowHandlers_[{window, static_cast<int>(ev)}] = std::move(h);
}

void Program::onTimer(const std::string& timer, Handler h) {
    if (!this->timer(timer)) nameFault("a handler is registered on " + timer + ", which is no timer");
    timerHandlers_[timer] = std::move(h);
}

void Program::clickAt(Window& w, float x, float y) {
    if (exited_ || !w.shown()) return;
    Element* e = w.hitTest(x, y);
    if (!e || !e->effectivelyEnabled()) return;
    switch (e->kind()) {
        case Kind::CheckBox: e->setChecked(!e->checked()); break;
        case Kind::OptionButton: e->setChecked(true); break;
        case Kind::ComboBox:
        case Kind::TextBox:
        case Kind::Frame: break;
        default: fire(*e, Event::Click); break;
    }
}

void Program::takeDoubleClickAsOneClick(const std::string& window, const std::string& element) {
    checkName(window, element);
    oneClickOnDouble_.insert({window, element});
}

Program::SecondClick Program::secondClickFor(const Element& e) const {
    if (e.kind() != Kind::Label && e.kind() != Kind::Picture) return SecondClick::Click;
    const std::string& window = e.window().name();
    if (handlers_.count({window, e.name(), static_cast<int>(Event::DblClick)})) return SecondClick::DblClick;
    if (oneClickOnDouble_.count({window, e.name()})) return SecondClick::Nothing;
    // Without a double-click action a quick second click is a click like the
    // first: the operator counting fouls fast must not lose every other one.
    return SecondClick::Click;
}

void Program::dblClickAt(Window& w, float x, float y) {
    if (exited_ || !w.shown()) return;
    // The first click may close the window and free it: its name is kept
    // here, the window itself is only compared, never read, afterwards.
    const std::string name = w.name();
    Element* e = w.hitTest(x, y);
    if (!e || !e->effectivelyEnabled()) return;
    const bool dblClick = secondClickFor(*e) == SecondClick::DblClick;
    clickAt(w, x, y);
    if (exited_ || existing(name) != &w) return;
    // The double click belongs to the element that took its first click.
    if (dblClick)
        fire(*e, Event::DblClick);
    else
        secondClickAt(w, x, y);
}

void Program::secondClickAt(Window& w, float x, float y) {
    if (exited_ || !w.shown()) return;
    Element* e = w.hitTest(x, y);
    if (!e || !e->effectivelyEnabled()) return;
    switch (secondClickFor(*e)) {
        case SecondClick::DblClick: fire(*e, Event::DblClick); break;
        case SecondClick::Click: clickAt(w, x, y); break;
        case SecondClick::Nothing: break;
    }
}

void Program::press(Element& e) {
    if (exited_ || !e.window().shown() || !e.effectivelyVisible() || !e.effectivelyEnabled()) return;
    fire(e, Event::Click);
}

void Program::leave(Element& e) {
    if (focus_ == &e) focus_ = nullptr;
    fire(e, Event::LostFocus);
}

OneSecondTimer* Program::timer(const std::string& name) {
    if (name == "Timer1") return &timer1;
    if (name == "Timer2") return &timer2;
    if (name == "Timer3") return &timer3;
    return nullptr;
}

void Program::runDueTimers() {
    if (depth_ > 0 || runningTimers_ || exited_) return;
    runningTimers_ = true;
    OneSecondTimer* order[] = {&timer1, &timer2, &timer3};
    for (;;) {
        const std::int64_t now = svc.clock.nowMs();
        OneSecondTimer* next = nullptr;
        for (OneSecondTimer* t : order) {
            if (!t->isDue(now)) continue;
            if (!next || *t->nextDueMs() < *next->nextDueMs()) next = t;
        }
        if (!next || exited_) break;
        next->takeTick();
        tickNow(*next);
    }
    runningTimers_ = false;
}

void Program::tickNow(OneSecondTimer& t) {
    if (!t.enabled() || exited_) return;
    auto it = timerHandlers_.find(t.name());
    if (it == timerHandlers_.end()) return;
    bool game = &t == &timer1;
    if (game) inTimer1Tick_ = true;
    Handler h = it->second;
    try {
        dispatch(h, {t.name(), kNoElement, "Timer"});
    } catch (...) {
        inTimer1Tick_ = false;
        throw;
    }
    if (game) inTimer1Tick_ = false;
}

void Program::play(Cue c) {
    int n = static_cast<int>(c);
    svc.sounds.play(n);
    svc.sounds.rewind(n);
}

Answer Program::ask(const std::string& text, const std::string& title, Buttons b, Icon i) {
    settle();
    return svc.dialogs.message(text, title, b, i);
}

std::string Program::inputBox(const std::string& prompt, const std::string& title, const std::string& def) {
    settle();
    return svc.dialogs.input(prompt, title, def);
}

void Program::removeListener(ProgramListener* l) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void Program::settle() {
    auto ls = listeners_;
    for (ProgramListener* l : ls) l->settled(action_);
}

void Program::fire(Element& e, Event ev) {
    if (exited_ || quiet_) return;
    auto it = handlers_.find({e.window().name(), e.name(), static_cast<int>(ev)});
    if (it == handlers_.end()) return;
    Handler h = it->second;  // the handler may re-register or unload its window
    dispatch(h, {e.window().name(), e.name(), eventName(ev)});
}

void Program::fireWindow(Window& w, WindowEvent ev) {
    auto it = windowHandlers_.find({w.name(), static_cast<int>(ev)});
    if (it == windowHandlers_.end()) return;
    Handler h = it->second;
    dispatch(h, {w.name(), kNoElement, eventName(ev)});
}

void Program::written(Element& e, Property p, bool changed) {
    if (changed && !listeners_.empty()) {
        for (ProgramListener* l : listeners_) l->elementChanged(e, p);
    }
    // Anything but the tick writing the game clock starts a fresh second.
    if (p == Property::Text && !inTimer1Tick_ && (e.name() == "a" || e.name() == "b") && e.window().name() == "Form1")
        timer1.dropPhase();
}

void Program::dispatch(const Handler& h, const Origin& from) {
    struct Depth {
        int& d;
        explicit Depth(int& x) : d(x) { ++d; }
        ~Depth() { --d; }
    };
    // The outermost handler names the action the record keeps.
    if (depth_ == 0) action_ = from.window + (from.element.empty() ? "" : "." + from.element) + "." + from.event;
    {
        Depth guard(depth_);
        // A window the handler unloads waits in the graveyard until the
        // outermost handler returns, so `from` still names it here.
        auto where = [&] { return from.window + (from.element.empty() ? "" : "." + from.element) + " " + from.event; };
        try {
            h();
        } catch (const std::exception& ex) {
            if (strict_) throw;
            std::cerr << "tabrino: error in " << where() << ": " << ex.what() << '\n';
        } catch (...) {
            if (strict_) throw;
            std::cerr << "tabrino: error in " << where() << '\n';
        }
    }
    if (depth_ == 0) {
        if (!exited_) settle();
        collectGarbage();
        runDueTimers();
    }
}

void Program::collectGarbage() { graveyard_.clear(); }

void Program::screensChanged() {
    if (exited_) return;
    static const std::string desktop = "desktop";
    dispatch([this] { cambiapantallas(*this); }, {desktop, kNoElement, "screens changed"});
}

}  // namespace tabrino
