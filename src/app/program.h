#pragma once
// The program object: owns the windows, the program-wide variables, the
// timers and the services, and dispatches every event to its handler.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/variables.h"
#include "form/window.h"
#include "platform/one_second_timer.h"
#include "platform/services.h"

namespace tabrino {

// The five cues, numbered like their players MMControl1..MMControl5.
enum class Cue { Timbre = 1, Clin = 2, Final = 3, Aviso = 4, Bip = 5 };
const char* cueFile(Cue c);

// Told when windows come and go (the Qt shell builds a view for each).
class ProgramListener {
public:
    virtual ~ProgramListener() = default;
    virtual void windowCreated(Window& w) = 0;
    virtual void windowDestroyed(Window& w) = 0;
    virtual void programExited() {}
    // An element's property really changed (by a handler or not).
    virtual void elementChanged(Element&, Property) {}
    // The outermost handler or tick named `action` has returned, or is about
    // to wait for the operator's answer: what it changed so far is settled.
    virtual void settled(const std::string& /*action*/) {}
};

class Program : public Variables, public WindowHost {
public:
    using Handler = std::function<void()>;

    explicit Program(Services services);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Services svc;
    // The browser feed, when the shell offers one.
    FeedPublisher* feed = nullptr;

    // Runs the operator window's load and shows it.
    void start();
    bool exited() const { return exited_; }
    // Ends the program at once, closing every window (Form_Unload).
    void exit();

    // Windows. win() creates a window (running its load) if it is absent:
    // touching a window creates it. unload() destroys it (running its
    // unload); the object is freed once the running handler has returned.
    Window& win(const std::string& name);
    Window* existing(const std::string& name) const;
    void unload(const std::string& name);
    Window& form1() { return win("Form1"); }
    std::vector<Window*> windows() const;
    static const std::vector<std::string>& windowNames();

    // Handlers, by element name and event; and window events.
    void on(const std::string& window, const std::string& element, Event ev, Handler h);
    void onWindow(const std::string& window, WindowEvent ev, Handler h);
    void onTimer(const std::string& timer, Handler h);
    // The same as on(), by the handler's own name: "gollocal_Click" is the
    // Click of `gollocal`, "tiempolocal_DblClick" its double click.
    void handle(const std::string& window, const std::string& handlerName, Handler h);

    // Pointer input routed by hit-testing (twips of the window's client
    // area): the front-most shown element gets it, a disabled one swallows it.
    void clickAt(Window& w, float x, float y);
    void dblClickAt(Window& w, float x, float y);
    // The second press of a double click whose first click has already been
    // given to clickAt (a toolkit reports that click before it knows another
    // follows): an element with a DblClick handler gets it, one taking a
    // double click as one click gets nothing, any other a second click.
    void secondClickAt(Window& w, float x, float y);
    // The element takes a whole double click as its one click (the clock
    // digits: a nervous double click must not start and stop the clock).
    void takeDoubleClickAsOneClick(const std::string& window, const std::string& element);
    // Runs the handler of an element directly (keyboard access keys).
    void press(Element& e);
    // The desktop's screens changed: the monitors are read again and the
    // windows follow them, as one event of the program.
    void screensChanged();

    // Focus, moved by the operator or by a handler.
    Element* focus() const { return focus_; }
    void setFocus(Element* e) { focus_ = e; }
    // The element loses the focus (its LostFocus runs).
    void leave(Element& e);

    // Timers.
    OneSecondTimer timer1, timer2, timer3;
    OneSecondTimer* timer(const std::string& name);
    // Runs every tick that has fallen due, in time order (Timer1, Timer2,
    // Timer3 among ticks due together), unless a handler is running: a tick
    // never runs inside another handler and is taken once it has returned.
    void runDueTimers();
    // Runs a timer's handler once, now, if it is enabled.
    void tickNow(OneSecondTimer& t);
    bool busy() const { return depth_ > 0; }

    // Sound: "play", then back to position 0.
    void play(Cue c);

    // Message and input boxes, through the dialog service.
    Answer ask(const std::string& text, const std::string& title, Buttons b, Icon i);
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& def = "");

    void addListener(ProgramListener* l) { listeners_.push_back(l); }
    // A listener that lives and dies with the program.
    void own(std::unique_ptr<ProgramListener> l) {
        listeners_.push_back(l.get());
        owned_.push_back(std::move(l));
    }
    void removeListener(ProgramListener* l);

    // A handler that throws, or a handler or stacking list naming what no
    // design has, is a bug. Strict mode (tests) stops at it: setStrict(true)
    // throws for every such name met while wiring, and later ones throw at
    // once. Otherwise each is written to the standard error output and the
    // match goes on.
    void setStrict(bool s);
    // A window built outside the catalogue (a test's own design), so that
    // handlers registered on it are checked against it too.
    void knowDesign(const WindowDesign& d);

    // WindowHost
    void fire(Element& e, Event ev) override;
    void fireWindow(Window& w, WindowEvent ev) override;
    void written(Element& e, Property p, bool changed) override;
    bool mayShow(Window& w) override { return !showGuard_ || showGuard_(w); }
    // Decides whether a window may be shown now (the display area keeps the
    // public windows off the operator's screen).
    void setShowGuard(std::function<bool(Window&)> guard) { showGuard_ = std::move(guard); }

    // While quiet, element events run no handler (a saved board is put
    // back without replaying what produced it).
    void setQuiet(bool q) { quiet_ = q; }

private:
    enum class SecondClick { Click, DblClick, Nothing };
    SecondClick secondClickFor(const Element& e) const;
    // Where a handler runs from, for the error report.
    struct Origin {
        const std::string& window;
        const std::string& element;  // empty for window events and timers
        const char* event;
    };
    void dispatch(const Handler& h, const Origin& from);
    void checkName(const std::string& window, const std::string& element);
    void nameFault(std::string what);
    void collectGarbage();
    void settle();

    std::map<std::string, std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> graveyard_;
    std::map<std::tuple<std::string, std::string, int>, Handler> handlers_;
    std::map<std::pair<std::string, int>, Handler> windowHandlers_;
    std::map<std::string, Handler> timerHandlers_;
    std::set<std::pair<std::string, std::string>> oneClickOnDouble_;
    std::vector<ProgramListener*> listeners_;
    std::function<bool(Window&)> showGuard_;
    std::vector<std::unique_ptr<ProgramListener>> owned_;
    Element* focus_ = nullptr;
    int depth_ = 0;
    bool runningTimers_ = false;
    bool exited_ = false;
    bool strict_ = false;
    bool inTimer1Tick_ = false;
    bool wired_ = false;
    std::vector<std::string> nameFaults_;  // met while wiring, before strict mode is known
    std::map<std::string, const WindowDesign*> extraDesigns_;
    bool quiet_ = false;
    std::string action_;  // the outermost handler under way, as Window.Element.Event
};

// Every area adds its handlers here (app/wiring.cpp calls them all).
void wireAll(Program& p);

}  // namespace tabrino
