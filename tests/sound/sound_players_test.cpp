// The five cues through the real players, heard in what a PulseAudio null
// sink of the test's own received.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdio>

#include "app/program.h"
#include "audio.h"
#include "platform/fake/fakes.h"
#include "pulse_session.h"
#include "qt/qt_sound_players.h"

namespace tabrino::sound_test {
namespace {

constexpr int kRate = PulseSession::kRate;
const QString kSoundDir = QStringLiteral(TABRINO_SOUND_DIR);

std::size_t samplesOf(int ms) { return static_cast<std::size_t>(kRate) * static_cast<std::size_t>(ms) / 1000; }

// The program with its real sound players and fakes for everything else.
struct ProgramWithSound {
    explicit ProgramWithSound(const QString& folder) : players(folder) {}
    FakeServices fake;
    qt::QtSoundPlayers players;
    Program p{Services{fake.dialogs, players, fake.monitors, fake.process, fake.clock}};
};

// One server and one recording for the whole suite: the recorder takes a
// couple of seconds to get going, once.
class SoundPlayers : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session = new PulseSession;
        if (!session->start())
            failure = "no PulseAudio server for the test: " + session->failure().toStdString();
        else if (!session->startRecording())
            failure = "parec does not record the null sink";
    }
    static void TearDownTestSuite() {
        delete session;
        session = nullptr;
    }
    void SetUp() override {
        if (!failure.empty()) GTEST_SKIP() << failure;
        // What an earlier test played has died away before this one listens.
        QElapsedTimer waited;
        waited.start();
        while (!cuesHeard(session->recording(), kRate, session->recordedSamples() - samplesOf(250),
                          session->recordedSamples())
                    .empty()) {
            ASSERT_LT(waited.elapsed(), 5000) << "the sink never fell silent";
            QTest::qWait(100);
        }
    }
    // Plays a cue and notes where in the recording it was asked for.
    void play(Program& p, Cue cue) {
        asked.push_back({cue, session->recordedSamples()});
        p.play(cue);
    }
    // Cues heard around the moment `at`: just before it, and soon after it
    // (with room for the server's latency).
    std::set<Cue> before(std::size_t at) const {
        return cuesHeard(recording, kRate, at > samplesOf(300) ? at - samplesOf(300) : 0, at);
    }
    std::set<Cue> after(std::size_t at) const { return cuesHeard(recording, kRate, at, at + samplesOf(800)); }
    void collect() { recording = session->recording(); }

    static inline PulseSession* session = nullptr;
    static inline std::string failure;
    std::vector<std::pair<Cue, std::size_t>> asked;
    Samples recording;
};

TEST(CueAnalysis, EachFileIsHeardAsItsOwnCueAlone) {
    for (Cue cue : {Cue::Timbre, Cue::Clin, Cue::Final, Cue::Aviso, Cue::Bip}) {
        const Samples s = readMonoWav(kSoundDir + QLatin1Char('/') + QString::fromLatin1(cueFile(cue)), kRate);
        ASSERT_FALSE(s.empty()) << cueFile(cue) << " is not a 16-bit mono WAV at " << kRate << " Hz";
        EXPECT_EQ(cuesHeard(s, kRate), std::set<Cue>{cue}) << cueFile(cue) << ": " << describe(cuesHeard(s, kRate));
    }
    EXPECT_TRUE(cuesHeard(Samples(samplesOf(500), 0.0f), kRate).empty());
}

TEST_F(SoundPlayers, EachCueSoundsFromItsOwnPlayerAtOnce) {
    ProgramWithSound w(kSoundDir);
    w.p.start();
    EXPECT_EQ(w.fake.dialogs.messages, 0) << w.fake.dialogs.lastText;
    // Shortest first, each asked for while the longer earlier ones still sound.
    for (Cue cue : {Cue::Bip, Cue::Aviso, Cue::Clin, Cue::Timbre, Cue::Final}) {
        play(w.p, cue);
        QTest::qWait(250);
    }
    QTest::qWait(600);
    collect();
    for (const auto& [cue, at] : asked) {
        EXPECT_FALSE(before(at).count(cue)) << cueFile(cue) << " sounded before it was played";
        EXPECT_TRUE(after(at).count(cue)) << cueFile(cue) << " not heard; heard " << describe(after(at));
    }
}

TEST_F(SoundPlayers, LastBeepAndSirenOfThePeriodAreBothHeard) {
    ProgramWithSound w(kSoundDir);
    w.p.start();
    Window& f = w.p.form1();
    f["b"].setText("02");
    const Rect r = f["b"].absoluteGeometry();
    w.p.clickAt(f, r.left + r.width / 2, r.top + r.height / 2);
    ASSERT_TRUE(w.p.timer1.enabled());
    w.fake.clock.now += 1000;
    w.p.runDueTimers();  // 00:01, a beep
    QTest::qWait(400);
    const std::size_t lastSecond = session->recordedSamples();
    w.fake.clock.now += 1000;
    w.p.runDueTimers();  // 00:00: the last beep and the siren, in the same second
    ASSERT_EQ(f["b"].text(), "00");
    QTest::qWait(600);
    collect();
    const std::set<Cue> heard = after(lastSecond);
    EXPECT_TRUE(heard.count(Cue::Bip)) << describe(heard);
    EXPECT_TRUE(heard.count(Cue::Final)) << describe(heard);
}

TEST_F(SoundPlayers, AMissingAndABrokenFileSilenceOnlyTheirCues) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* file : {"timbre.wav", "final.wav", "bip.wav"})
        ASSERT_TRUE(
            QFile::copy(kSoundDir + QLatin1Char('/') + QLatin1String(file), folder.filePath(QLatin1String(file))));
    QFile broken(folder.filePath(QStringLiteral("aviso.wav")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24);
    broken.close();  // and no clin.wav at all

    ProgramWithSound w(folder.path());
    w.fake.dialogs.answer(Answer::Ok);
    w.p.start();
    EXPECT_EQ(w.fake.dialogs.messages, 1);
    EXPECT_NE(w.fake.dialogs.lastText.find("clin.wav"), std::string::npos) << w.fake.dialogs.lastText;
    EXPECT_NE(w.fake.dialogs.lastText.find("aviso.wav"), std::string::npos) << w.fake.dialogs.lastText;
    EXPECT_EQ(w.fake.dialogs.lastText.find("timbre.wav"), std::string::npos) << w.fake.dialogs.lastText;

    const std::size_t from = session->recordedSamples();
    for (Cue cue : {Cue::Clin, Cue::Aviso, Cue::Bip, Cue::Timbre}) {
        play(w.p, cue);
        QTest::qWait(300);
    }
    QTest::qWait(600);
    collect();
    const std::set<Cue> heard = cuesHeard(recording, kRate, from, recording.size());
    EXPECT_EQ(heard, (std::set<Cue>{Cue::Bip, Cue::Timbre})) << describe(heard);
}

// Files that must not hold up the start: each is looked at and refused.
struct BadFiles {
    QTemporaryDir folder;
    BadFiles() {
        const QString good = kSoundDir + QStringLiteral("/bip.wav");
        QFile::copy(good, path("good.wav"));
        QFile in(good);
        in.open(QIODevice::ReadOnly);
        const QByteArray wav = in.readAll();
        // A header promising ten times the sound the file holds.
        QByteArray lying = wav;
        const qsizetype data = lying.indexOf("data");
        const quint32 promised = qFromLittleEndian<quint32>(lying.constData() + data + 4) * 10;
        qToLittleEndian(promised, lying.data() + data + 4);
        write("lying.wav", lying);
        write("cut.wav", wav.left(wav.size() / 2));
        ::mkfifo(QFile::encodeName(path("fifo.wav")).constData(), 0600);  // no writer ever comes
        QDir(folder.path()).mkdir(QStringLiteral("folder.wav"));
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

TEST(SoundFileCheck, OnlyAPlainFileHoldingItsWholeSoundIsTaken) {
    BadFiles files;
    const struct {
        const char* name;
        bool taken;
    } cases[] = {{"good.wav", true},  {"lying.wav", false},  {"cut.wav", false},
                 {"fifo.wav", false}, {"folder.wav", false}, {"absent.wav", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(qt::QtSoundPlayers::looksPlayableWithin(files.path(c.name), 1000), c.taken);
    }
}

TEST_F(SoundPlayers, BadFilesAreNamedAtStartAndTheRestSound) {
    BadFiles files;
    QTemporaryDir folder;
    const auto put = [&](const char* from, const char* as) {
        const QString to = folder.filePath(QLatin1String(as));
        if (QString::fromLatin1(from) == QStringLiteral("fifo"))
            ASSERT_EQ(::mkfifo(QFile::encodeName(to).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::copy(QString::fromLatin1(from), to));
    };
    put(files.path("lying.wav").toLocal8Bit().constData(), "timbre.wav");
    put("fifo", "clin.wav");
    for (const char* f : {"final.wav", "aviso.wav", "bip.wav"})
        put((kSoundDir + QLatin1Char('/') + QLatin1String(f)).toLocal8Bit().constData(), f);

    ProgramWithSound w(folder.path());
    w.fake.dialogs.answer(Answer::Ok);
    QElapsedTimer took;
    took.start();
    w.p.start();  // a FIFO once hung here for good
    std::printf("start-up with a lying header and a FIFO: %lld ms\n", static_cast<long long>(took.elapsed()));
    ASSERT_EQ(w.fake.dialogs.messages, 1);
    EXPECT_NE(w.fake.dialogs.lastText.find("timbre.wav, clin.wav."), std::string::npos) << w.fake.dialogs.lastText;
    const std::size_t from = session->recordedSamples();
    play(w.p, Cue::Bip);
    QTest::qWait(700);
    collect();
    EXPECT_EQ(cuesHeard(recording, kRate, from, recording.size()), std::set<Cue>{Cue::Bip});
}

// Last in the suite: it restarts the suite's server.
TEST_F(SoundPlayers, TheHornSoundsAgainAfterTheSoundServerRestarts) {
    ProgramWithSound w(kSoundDir);
    int told = 0;
    w.players.setOnOutputLost([&told] { ++told; });
    w.p.start();
    ASSERT_EQ(w.fake.dialogs.messages, 0) << w.fake.dialogs.lastText;
    // Every player has sounded on the old server, as in a match under way.
    for (Cue cue : {Cue::Bip, Cue::Aviso, Cue::Clin, Cue::Final, Cue::Timbre}) {
        play(w.p, cue);
        QTest::qWait(150);
    }
    QTest::qWait(600);
    ASSERT_TRUE(session->restart(QStringLiteral("tabrino_test_usb"))) << session->failure().toStdString();
    // The players find the new server on their own; the horn, asked for as
    // the operator would, some moments later, is heard.
    QElapsedTimer waited;
    waited.start();
    std::set<Cue> heard;
    while (waited.elapsed() < 15000) {
        const std::size_t at = session->recordedSamples();
        w.p.play(Cue::Timbre);
        QTest::qWait(900);
        heard = cuesHeard(session->recording(), kRate, at, session->recordedSamples());
        if (heard.count(Cue::Timbre)) break;
        QTest::qWait(600);
    }
    std::printf("horn heard again %lld ms after the server restarted\n", static_cast<long long>(waited.elapsed()));
    EXPECT_TRUE(heard.count(Cue::Timbre)) << "after " << waited.elapsed() << " ms: " << describe(heard);
    EXPECT_LE(told, 1) << "the operator is told of the lost sound once at most";
}

}  // namespace
}  // namespace tabrino::sound_test
