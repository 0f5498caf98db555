#pragma once
// Keeps the match record of a running program: after every operator action
// or tick that changed something, one journal entry with what it changed
// (see journal.h). At start-up it offers back a match the last run left on
// the board.
#include <string>
#include <unordered_set>

#include "app/program.h"
#include "record/journal.h"

namespace tabrino::record {

class Recorder : public ProgramListener {
public:
    // Attach once the program has started (a refused copy never gets here).
    Recorder(Program& p, RecordStorage& storage);
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Reads the last run's record: offers its match back, or keeps a bad
    // record aside with one message; then starts this run's record.
    void begin();

    // The action whose completion leaves a fresh board again.
    static constexpr const char* kMatchReset = "Form1.Image3.Click";

    void windowCreated(Window& w) override;
    void windowDestroyed(Window& w) override;
    void programExited() override;
    void elementChanged(Element& e, Property p) override;
    void settled(const std::string& action) override;

private:
    void write(const Entry& e);
    void startRecord(bool recovered);
    Entry snapshot(const std::string& kind);
    void warnOnce();
    std::string stamp() const;

    Program& p_;
    RecordStorage& storage_;
    State shadow_;  // the state as last written
    std::unordered_set<Element*> dirty_;
    bool active_ = false;
    bool inSettle_ = false;
    bool warned_ = false;
    std::string recordBytes_;  // only while starting
};

}  // namespace tabrino::record
