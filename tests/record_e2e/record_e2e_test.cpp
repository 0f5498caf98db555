// The real program on an X server with two 1280 x 720 screens (Xorg's dummy
// driver, split in two monitors): a match with the clock running, goals, a
// suspension and the mirror on is killed with SIGKILL; the next start asks
// through its real dialog, Return answers "Sí", and the board comes back.
// What the program holds is read from its own record; where its windows
// are, from the X server.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "app/window_catalog.h"
#include "form/window.h"
#include "record/journal.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace tabrino;

namespace {

std::string output(const std::string& command) {
    std::string out;
    if (FILE* f = ::popen(command.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, f)) out += buf;
        ::pclose(f);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

bool have(const char* tool) { return !output(std::string("command -v ") + tool + " 2>/dev/null").empty(); }

pid_t spawn(const std::vector<std::string>& argv, const std::string& log) {
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        FILE* f = std::freopen(log.c_str(), "a", stdout);
        (void)f;
        ::dup2(::fileno(stdout), 2);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        std::_Exit(127);
    }
    return pid;
}

template <class F>
bool waitFor(F condition, std::chrono::milliseconds limit = 15s) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

// Pixel centre of an element at design scale (a 1280 x 720 screen is the
// design canvas itself), relative to its window.
std::pair<int, int> centre(const std::string& window, const std::string& element) {
    Window w(*designFor(window), nullptr);
    Rect r = w[element].absoluteGeometry();
    return {static_cast<int>((r.left + r.width / 2) / 15), static_cast<int>((r.top + r.height / 2) / 15)};
}

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xorg", "xrandr", "xdotool"})
            if (!have(tool)) GTEST_SKIP() << tool << " is not installed (scripts/deps.sh installs it)";
        for (int n = 60; n <= 69 && display_.empty(); ++n)
            if (!fs::exists("/tmp/.X" + std::to_string(n) + "-lock")) display_ = ":" + std::to_string(n);
        if (display_.empty()) GTEST_SKIP() << "no free X display among :60 to :69";
        dir_ = fs::temp_directory_path() / ("tabrino-e2e-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "run");
        fs::permissions(dir_ / "run", fs::perms::owner_all);
        std::ofstream(dir_ / "dummy.conf") << R"(Section "Device"
  Identifier "d0"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "m0"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "s0"
  Device "d0"
  Monitor "m0"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2560 720
  EndSubSection
EndSection
)";
        xorg_ = spawn({"Xorg", display_, "-config", (dir_ / "dummy.conf").string(), "-noreset", "-nolisten", "tcp",
                       "-logfile", (dir_ / "xorg.log").string()},
                      (dir_ / "xorg.out").string());
        ::setenv("DISPLAY", display_.c_str(), 1);
        if (!waitFor([] { return output("xrandr --listmonitors 2>/dev/null").find("Monitors") == 0; }, 10s))
            GTEST_SKIP() << "the dummy X server did not start on " << display_ << " (see " << dir_ << "/xorg.log)";
        const std::string out = output("xrandr --listmonitors | sed -n 2p | awk '{print $NF}'");
        std::system(("xrandr --setmonitor L 1280/338x720/190+0+0 " + out + " >/dev/null 2>&1").c_str());
        std::system("xrandr --setmonitor R 1280/338x720/190+1280+0 none >/dev/null 2>&1");
        ASSERT_NE(output("xrandr --listmonitors").find("+1280+0"), std::string::npos) << "two monitors";
        ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (dir_ / "run").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::setenv("PULSE_SERVER", "unix:/nonexistent", 1);  // no sound: one message to close
    }

    void TearDown() override {
        if (program_ > 0) stopProgram(SIGKILL);
        if (xorg_ > 0) {
            ::kill(xorg_, SIGTERM);
            ::waitpid(xorg_, nullptr, 0);
        }
        if (!HasFailure() && !dir_.empty()) fs::remove_all(dir_);
    }

    void startProgram() {
        program_ = spawn({TABRINO_PROGRAM}, (dir_ / "tabrino.out").string());
        ASSERT_TRUE(waitFor([&] {
            dismiss("Sonidos");
            return !window("Tabrino de Hockey$").empty() || !window("Recuperar partido").empty();
        })) << "the program's first window";
    }

    void stopProgram(int sig) {
        ::kill(program_, sig);
        ::waitpid(program_, nullptr, 0);
        program_ = -1;
    }

    std::string window(const std::string& name) {
        return output("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null | head -1");
    }

    void dismiss(const std::string& name) {
        std::string id = window(name);
        if (!id.empty()) std::system(("xdotool windowfocus --sync " + id + " key Return").c_str());
    }

    std::pair<int, int> origin(const std::string& id) {
        int x = 0, y = 0;
        std::string g = output("xdotool getwindowgeometry " + id + " | sed -n 2p");
        std::sscanf(g.c_str(), " Position: %d,%d", &x, &y);
        return {x, y};
    }

    void click(const std::string& windowTitle, const std::string& window, const std::string& element) {
        std::string id;
        ASSERT_TRUE(waitFor([&] { return !(id = this->window(windowTitle)).empty(); })) << windowTitle;
        auto [wx, wy] = origin(id);
        auto [x, y] = centre(window, element);
        // Two clicks on one spot would make a double click.
        if (window + "." + element == last_) std::this_thread::sleep_for(700ms);
        last_ = window + "." + element;
        // No --sync: it waits for a move that never comes on the same spot.
        std::system(("xdotool mousemove " + std::to_string(wx + x) + " " + std::to_string(wy + y) +
                     " sleep 0.05 click 1 sleep 0.15")
                        .c_str());
    }

    record::State recorded() {
        record::Journal j = record::readFile((dir_ / "data/tabrino/partido.registro").string());
        EXPECT_EQ(j.fault, record::Fault::None);
        return record::replay(j.entries);
    }

    std::string display_, last_;
    fs::path dir_;
    pid_t xorg_ = -1, program_ = -1;
};

}  // namespace

TEST_F(RealProgram, KilledMidMatchComesBackThroughItsDialog) {
    startProgram();
    const char* board = "Tabrino de Hockey$";
    // The mirror on, from the settings window.
    click(board, "Form1", "config");
    click("Configuracion de Constantes", "configuracion", "Check3");
    click("Configuracion de Constantes", "configuracion", "Command1");
    ASSERT_TRUE(waitFor([&] { return !window("Tabrino de Hockey - Pantalla").empty(); })) << "the mirror";
    // Three minutes, the clock on, two goals to one, a blue card.
    for (int i = 0; i < 3; ++i) click(board, "Form1", "Command1");
    click(board, "Form1", "a");
    click(board, "Form1", "gollocal");
    click(board, "Form1", "gollocal");
    click(board, "Form1", "golvisita");
    click(board, "Form1", "a");
    click(board, "Form1", "Image5");
    click(board, "Form1", "a");
    std::this_thread::sleep_for(3500ms);

    record::State before = recorded();
    ASSERT_EQ(before["var.castigadoslocal"], "1");
    ASSERT_EQ(before["timer.Timer1"], "on");
    ASSERT_EQ(before["Form1.gollocal.text"], "2");
    ASSERT_EQ(before["clontabrino.state"], "shown");
    stopProgram(SIGKILL);
    before = recorded();  // what the record held at the kill
    const int suspensionAtKill = std::stoi(before["Form1.c.text"]) * 60 + std::stoi(before["Form1.d.text"]);

    startProgram();
    std::string question;
    ASSERT_TRUE(waitFor([&] { return !(question = window("Recuperar partido")).empty(); })) << "the offer";
    std::system(("xdotool windowfocus --sync " + question + " key Return").c_str());
    ASSERT_TRUE(waitFor([&] { return window("Recuperar partido").empty(); }));
    ASSERT_TRUE(waitFor([&] { return !window("Tabrino de Hockey - Pantalla").empty(); })) << "the mirror back";

    record::State after;
    ASSERT_TRUE(waitFor([&] {
        after = recorded();
        return after["partido"] == "en curso" && after["clontabrino.state"] == "shown";
    }));
    for (const char* key :
         {"Form1.gollocal.text", "Form1.golvisita.text", "Form1.periodo.text", "Form1.a.text", "Form1.b.text",
          "Form1.numazuleslocal.text", "Form1.amonlocal.visible", "clontabrino.gollocal.text", "clontabrino.c.text",
          "var.estadoinicio", "var.castigolocal1", "var.clonactivo"})
        EXPECT_EQ(after[key], before[key]) << key;
    EXPECT_EQ(after["timer.Timer1"], "off");
    const int suspension = std::stoi(after["Form1.c.text"]) * 60 + std::stoi(after["Form1.d.text"]);
    EXPECT_LE(std::abs(suspension - suspensionAtKill), 1);
    // The mirror on its own screen, the board on the operator's.
    EXPECT_EQ(origin(window("Tabrino de Hockey - Pantalla")).first, 1280);
    EXPECT_EQ(origin(window("Tabrino de Hockey$")).first, 0);
    // The record is stamped with the real date.
    record::Journal j = record::readFile((dir_ / "data/tabrino/partido.registro").string());
    ASSERT_FALSE(j.entries.empty());
    EXPECT_GT(j.entries.back().wallMs, 1700000000000);
    // One click runs the clock on.
    click(board, "Form1", "a");
    EXPECT_TRUE(waitFor([&] { return recorded()["timer.Timer1"] == "on"; }, 5s));
}
