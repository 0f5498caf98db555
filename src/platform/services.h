#pragma once
// What the program needs from the machine it runs on. Each service has a
// Qt implementation (src/qt) and a fake for tests (src/platform/fake).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/types.h"

namespace tabrino {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Error, Question, Information };
enum class Answer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Waits for the operator's answer. An empty title means the default one.
    virtual Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
    // Returns the typed text, or an empty text when cancelled.
    virtual std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
};

// The five sound players, numbered 1..5 like MMControl1..MMControl5.
class SoundPlayers {
public:
    virtual ~SoundPlayers() = default;
    // Opens player n on a file of the program's folder; false when it cannot.
    virtual bool open(int player, const std::string& file) = 0;
    // Sounds the whole file from its start, without waiting for its end.
    virtual void play(int player) = 0;
    virtual void rewind(int player) = 0;
    // False when the machine has nowhere to send sound at all.
    virtual bool hasOutput() { return true; }
};

// A rectangle in virtual-desktop pixels, right and bottom exclusive.
struct PixelRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct MonitorInfo {
    PixelRect monitor;
    PixelRect work;
    std::uint32_t flags = 0;  // bit 0: primary monitor
};

// The monitor functions, in the shape the placement code expects of them.
class MonitorApi {
public:
    virtual ~MonitorApi() = default;
    static constexpr int SM_XVIRTUALSCREEN = 76;
    static constexpr int SM_YVIRTUALSCREEN = 77;
    static constexpr int SM_CXVIRTUALSCREEN = 78;
    static constexpr int SM_CYVIRTUALSCREEN = 79;
    static constexpr int SM_CMONITORS = 80;
    virtual std::int32_t systemMetric(int index) = 0;
    // Handle of the monitor holding the rectangle, 0 when none does;
    // nullopt when the function itself is not available.
    virtual std::optional<std::uint32_t> monitorFromRect(const PixelRect& r, std::uint32_t flags) = 0;
    virtual bool monitorInfo(std::uint32_t handle, MonitorInfo& info) = 0;
    // Primary screen size in twips and twips per pixel (fallback sizes).
    virtual std::int32_t screenWidthTwips() = 0;
    virtual std::int32_t screenHeightTwips() = 0;
    virtual std::int32_t twipsPerPixelX() { return 15; }
    virtual std::int32_t twipsPerPixelY() { return 15; }
};

class Process {
public:
    virtual ~Process() = default;
    // True when another copy of the program already runs. Takes the lock otherwise.
    virtual bool anotherCopyRunning() = 0;
    virtual void quit() = 0;
    // The colour behind selected text.
    virtual Rgb highlightColor() = 0;
    // Shows the program's About window (name, version, licence, credits)
    // beside the others, without waiting for it to close.
    virtual void showAbout() = 0;
};

// Milliseconds of a monotonic clock.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t nowMs() const = 0;
    // Milliseconds since 1970 (UTC), for stamping the match record.
    virtual std::int64_t wallClockMs() const { return 0; }
};

// Where the match record is kept between runs. Writes may be finished off
// the caller's thread, in the order asked, one at a time.
class RecordStorage {
public:
    enum class Read { None, Ok, Failed };
    virtual ~RecordStorage() = default;
    // The record as last written (None when there is none).
    virtual Read read(std::string& bytes) = 0;
    // Replaces the record with these bytes, whole or not at all.
    virtual void reset(const std::string& bytes) = 0;
    // Adds to the end of the record.
    virtual void append(const std::string& bytes) = 0;
    // Waits until every write asked for has reached the disk.
    virtual void flush() = 0;
    // Moves the record aside under a name carrying `label` and `stamp`;
    // returns that name, empty when it could not be moved.
    virtual std::string keepAside(const std::string& label, const std::string& stamp) = 0;
    // The first write failure not yet taken, empty when none.
    virtual std::string takeFailure() = 0;
    // Where the record lives, for messages.
    virtual std::string place() const = 0;
};

// The live scoreboard feed for browsers, off until the operator or the
// command line switches it on. The program runs without one (tests, runner).
class FeedPublisher {
public:
    virtual ~FeedPublisher() = default;
    // Starts serving; false with the reason in Spanish when it cannot.
    virtual bool start(std::string& why) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
    // What to type in a browser on another screen, one address each.
    virtual std::vector<std::string> addresses() const = 0;
};

struct Services {
    Dialogs& dialogs;
    SoundPlayers& sounds;
    MonitorApi& monitors;
    Process& process;
    MonotonicClock& clock;
};

}  // namespace tabrino
