#pragma once
// One scenario file run from a fresh program with fake services.
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "record/recorder.h"

namespace tabrino::script {

struct Outcome {
    bool passed = true;
    int line = 0;
    std::string message;  // what was expected, what was found
};

class Scenario {
public:
    Scenario();
    ~Scenario();
    FakeStorage& storage() { return fake_.storage; }
    const FakeDialogs& dialogs() const { return fake_.dialogs; }
    // Runs every line; stops at the first failure.
    Outcome run(const std::vector<std::string>& lines);
    // The whole state at the end: variables and every window's elements.
    void dump(std::ostream& out) const;

private:
    // Throws Failure for anything that does not hold.
    void command(const std::vector<std::string>& w);
    void check(const std::vector<std::string>& w);
    void checkElement(const std::string& target, const std::string& value);
    void checkWindow(const std::string& window, const std::string& what, const std::string& value);
    void monitors(const std::vector<std::string>& w);

    Program& program();
    void requireWindowName(const std::string& name) const;
    // The element of a live window, or nullptr when the window is absent.
    Element* element(const std::string& target, bool mustExist);
    void pointer(Window& w, float x, float y, bool dbl);
    void advance(int seconds);

    // A new run on the same machine: what it keeps on disk survives.
    void startRun();

    FakeServices fake_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<record::Recorder> recorder_;
    int runs_ = 0;
    std::map<std::string, WindowState> beforeMinimize_;
};

// Runs the files; prints PASS/FAIL lines and the closing count. Returns
// the exit status (0 exactly when every file passed).
int runFiles(const std::vector<std::string>& args, std::ostream& out);

}  // namespace tabrino::script
