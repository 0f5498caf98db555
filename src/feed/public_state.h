#pragma once
// The public side of the match as JSON, for the browser feed. It listens to
// the change notices of the windows the public sees and only marks itself
// stale; the JSON is built when the server asks for it, once per batch of
// changes, so a tick with many writes costs one flag here.
#include <cstdint>
#include <functional>
#include <string>

#include "app/program.h"

namespace tabrino {

class PublicState : public ProgramListener, public WindowListener {
public:
    explicit PublicState(Program& p);
    ~PublicState() override;
    PublicState(const PublicState&) = delete;
    PublicState& operator=(const PublicState&) = delete;

    // Called once when the state goes stale after a json() call, so the
    // server can schedule one push for everything a handler changed.
    void setOnStale(std::function<void()> f) { onStale_ = std::move(f); }

    // The whole public state; `version` counts the batches of changes.
    std::string json();
    std::uint64_t version() const { return version_; }
    bool stale() const { return stale_; }

    // ProgramListener
    void windowCreated(Window& w) override;
    void windowDestroyed(Window& w) override;
    // WindowListener
    void elementChanged(Element& e, Property p) override;
    void windowChanged(Window& w) override;

private:
    void markStale();
    static bool watched(const std::string& window);

    Program& p_;
    std::function<void()> onStale_;
    std::string cache_;
    std::uint64_t version_ = 0;
    bool stale_ = true;
};

// A text as a JSON string literal (quotes included). Control characters and
// the HTML-significant < > & are escaped; bytes that are not valid UTF-8
// become U+FFFD so the browser's parser never rejects the whole state.
std::string jsonString(const std::string& s);

}  // namespace tabrino
