#pragma once
// A PulseAudio server of the test's own: its own runtime folder, a null sink
// as the default output, and a recorder on that sink's monitor. Nothing of
// another user's or developer's sound server is touched.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace tabrino::sound_test {

class PulseSession {
public:
    static constexpr int kRate = 44100;

    PulseSession();
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    // Starts the server and points this process's clients at it. False, with
    // the reason, when no server can be started here.
    bool start();
    const QString& failure() const { return failure_; }

    // Records the sink's monitor, mono 16-bit at kRate, from now until the
    // session ends. True once the samples flow (the first ones take about two
    // seconds to come: the null sink renders in large blocks until a
    // recorder asks for less).
    bool startRecording();
    // Ends the server and starts a new one whose output is `sink`, as when
    // the desktop's sound server restarts mid-match or a speaker comes back
    // under a new name; the recording starts again from nothing.
    bool restart(const QString& sink);
    // Samples recorded so far: where a sound played now begins, give or
    // take the server's latency.
    std::size_t recordedSamples() const;
    // Everything recorded so far, full scale 1.
    std::vector<float> recording() const;

private:
    bool launch();
    bool run(const QString& program, const QStringList& args, QString* out = nullptr);

    QTemporaryDir dir_;
    QString runtime_;
    QString sink_ = QStringLiteral("tabrino_test");
    bool started_ = false;
    QString failure_;
    std::unique_ptr<QProcess> recorder_;
    QByteArray recorded_;
};

}  // namespace tabrino::sound_test
