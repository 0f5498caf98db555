// Faults of the machine found at start-up: the operator hears of them once,
// in Spanish, and the match runs without what is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/fake/drive.h"
#include "platform/fake/fakes.h"

namespace tabrino {
namespace {

struct Case {
    const char* what;
    std::vector<std::string> failing;
    bool noOutput;
    int messages;
    const char* says;  // part of the one message, if any
};

TEST(StartupFaults, OneMessageAndTheMatchRunsWithoutWhatIsMissing) {
    const Case cases[] = {
        {"every sound", {}, false, 0, ""},
        {"one file missing", {"clin.wav"}, false, 1, "clin.wav"},
        {"two files missing", {"clin.wav", "final.wav"}, false, 1, "clin.wav, final.wav"},
        {"no audio device", {}, true, 1, "ninguna salida de sonido"},
        {"no device and a file missing", {"bip.wav"}, true, 1, "ninguna salida de sonido"},
        {"every file missing",
         {"timbre.wav", "clin.wav", "final.wav", "aviso.wav", "bip.wav"},
         false,
         1,
         "No se pudo abrir ningún sonido (timbre.wav, clin.wav, final.wav, aviso.wav, bip.wav). El partido "
         "sigue sin sonidos."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeServices fake;
        fake.sounds.failing = c.failing;
        fake.sounds.noOutput = c.noOutput;
        if (c.messages) fake.dialogs.answer(Answer::Ok);
        Program p{fake.services()};
        p.setStrict(true);
        p.start();
        EXPECT_EQ(fake.dialogs.messages, c.messages);
        if (c.messages) {
            EXPECT_NE(fake.dialogs.lastText.find(c.says), std::string::npos) << fake.dialogs.lastText;
            EXPECT_EQ(fake.dialogs.lastTitle, "Sonidos");
            if (c.failing.size() == 5) {
                EXPECT_EQ(fake.dialogs.lastText.find("funcionan"), std::string::npos);
            }
        }
        // A minute ending in its last ten seconds: beeps and the siren are
        // asked for, and only the cues that opened sound.
        Window& f = p.form1();
        f["a"].setText("00");
        f["b"].setText("12");
        clickCentre(p, f, "a");
        passSeconds(p, fake.clock, 12);
        EXPECT_EQ(f["b"].text(), "00");
        EXPECT_FALSE(p.timer1.enabled());
        for (const std::string& file : c.failing) EXPECT_EQ(fake.sounds.played(file), 0) << file;
        if (std::find(c.failing.begin(), c.failing.end(), "bip.wav") == c.failing.end()) {
            EXPECT_GT(fake.sounds.played("bip.wav"), 0);
        }
        EXPECT_EQ(fake.dialogs.messages, c.messages) << "told once, at start-up only";
    }
}

}  // namespace
}  // namespace tabrino
