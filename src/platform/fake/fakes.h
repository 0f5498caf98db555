#pragma once
// Fake services for tests and the scenario runner: queued answers, recorded
// plays, a clock moved by hand and a scripted monitor layout.
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/services.h"

namespace tabrino {

// A question that the test had no answer queued for.
struct Unanswered : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FakeDialogs : public Dialogs {
public:
    struct Reply {
        bool isInput = false;
        Answer answer = Answer::Ok;  // for message boxes
        bool cancel = false;         // for input boxes
        std::string text;
    };
    std::deque<Reply> queue;
    int messages = 0, inputs = 0;
    std::string lastText, lastTitle, lastPrompt, lastInputTitle;
    Buttons lastButtons = Buttons::Ok;
    Icon lastIcon = Icon::None;

    void answer(Answer a) { queue.push_back({false, a, false, {}}); }
    void reply(std::string text) { queue.push_back({true, Answer::Ok, false, std::move(text)}); }
    void cancel() { queue.push_back({true, Answer::Ok, true, {}}); }

    Answer message(const std::string& text, const std::string& title, Buttons b, Icon i) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& def) override;
};

class FakeSounds : public SoundPlayers {
public:
    std::map<int, std::string> files;  // opened players
    std::map<std::string, int> plays;  // by file name
    std::vector<std::string> failing;  // files that cannot be opened
    std::vector<std::string> log;      // every play, in order
    bool noOutput = false;             // no audio device on the machine
    bool open(int player, const std::string& file) override;
    bool hasOutput() override { return !noOutput; }
    void play(int player) override;
    void rewind(int) override {}
    int played(const std::string& file) const {
        auto it = plays.find(file);
        return it == plays.end() ? 0 : it->second;
    }
};

class FakeMonitors : public MonitorApi {
public:
    struct Monitor {
        PixelRect rect;
        bool primary = false;
    };
    std::vector<Monitor> monitors{{{0, 0, 1280, 720}, true}};
    bool noMultiMonitor = false;     // "monitors none": count 0
    bool noMonitorFromRect = false;  // the function is missing
    int fallbackWidthPx = 1280, fallbackHeightPx = 720;

    static std::uint32_t handleOf(std::size_t index) { return 0x10001u + static_cast<std::uint32_t>(index); }

    std::int32_t systemMetric(int index) override;
    std::optional<std::uint32_t> monitorFromRect(const PixelRect& r, std::uint32_t flags) override;
    bool monitorInfo(std::uint32_t handle, MonitorInfo& info) override;
    std::int32_t screenWidthTwips() override;
    std::int32_t screenHeightTwips() override;
};

class FakeProcess : public Process {
public:
    bool otherCopy = false;
    bool quitCalled = false;
    int aboutShown = 0;
    bool anotherCopyRunning() override { return otherCopy; }
    void quit() override { quitCalled = true; }
    Rgb highlightColor() override { return 0x0078D7; }
    void showAbout() override { ++aboutShown; }
};

class FakeClock : public MonotonicClock {
public:
    std::int64_t now = 0;
    std::int64_t wall0 = 1710007200000;  // 2024-03-09 18:00 UTC, when a fake run begins
    std::int64_t nowMs() const override { return now; }
    std::int64_t wallClockMs() const override { return wall0 + now; }
};

// The record kept in memory: it outlives a program, as a file outlives a run.
class FakeStorage : public RecordStorage {
public:
    bool exists = false;
    std::string bytes;
    std::map<std::string, std::string> keptAside;  // by name
    bool unreadable = false;                       // the record cannot be opened
    bool unwritable = false;                       // every write fails
    int writes = 0;
    Read read(std::string& out) override;
    void reset(const std::string& b) override;
    void append(const std::string& b) override;
    void flush() override {}
    std::string keepAside(const std::string& label, const std::string& stamp) override;
    std::string takeFailure() override;
    std::string place() const override { return "/datos/tabrino"; }

private:
    bool failed_ = false, failureTaken_ = false;
};

// All fakes together, for a Program under test.
struct FakeServices {
    FakeDialogs dialogs;
    FakeSounds sounds;
    FakeMonitors monitors;
    FakeProcess process;
    FakeClock clock;
    FakeStorage storage;  // not a service of the program: the recorder's
    Services services() { return Services{dialogs, sounds, monitors, process, clock}; }
};

}  // namespace tabrino
