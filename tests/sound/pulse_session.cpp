#include "pulse_session.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace tabrino::sound_test {

PulseSession::PulseSession() : runtime_(dir_.filePath(QStringLiteral("run"))) {}

PulseSession::~PulseSession() {
    if (recorder_) {
        recorder_->kill();
        recorder_->waitForFinished(2000);
    }
    // Ends the server this session started, found by its own runtime folder.
    if (started_) run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
}

bool PulseSession::run(const QString& program, const QStringList& args, QString* out) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    if (out) *out = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool PulseSession::start() {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        failure_ = QStringLiteral("pulseaudio, pactl or parec is not installed");
        return false;
    }
    if (!dir_.isValid() || !QDir().mkpath(runtime_) || !QDir().mkpath(dir_.filePath(QStringLiteral("state")))) {
        failure_ = QStringLiteral("no temporary folder for the sound server");
        return false;
    }
    const QString socket = runtime_ + QStringLiteral("/native");
    // Children (pulseaudio, pactl, parec) and this process's own sound
    // clients (the players under test) all use this server.
    qputenv("PULSE_RUNTIME_PATH", runtime_.toLocal8Bit());
    qputenv("PULSE_STATE_PATH", dir_.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_COOKIE", dir_.filePath(QStringLiteral("cookie")).toLocal8Bit());

    return launch();
}

bool PulseSession::launch() {
    const QString socket = runtime_ + QStringLiteral("/native");
    QString log;
    const bool daemon =
        run(QStringLiteral("pulseaudio"),
            {QStringLiteral("-D"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--system=false"),
             QStringLiteral("-n"), QStringLiteral("--disable-shm=yes"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket},
            &log);
    if (!daemon) {
        failure_ = QStringLiteral("pulseaudio did not start: ") + log.trimmed();
        return false;
    }
    started_ = true;
    QElapsedTimer wait;
    wait.start();
    while (!run(QStringLiteral("pactl"), {QStringLiteral("info")})) {
        if (wait.elapsed() > 5000) {
            failure_ = QStringLiteral("pulseaudio started but does not answer");
            return false;
        }
        QThread::msleep(50);
    }
    if (!run(QStringLiteral("pactl"),
             {QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=") + sink_,
              QStringLiteral("rate=%1").arg(kRate)},
             &log) ||
        !run(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), sink_}, &log)) {
        failure_ = QStringLiteral("no null sink: ") + log.trimmed();
        return false;
    }
    return true;
}

bool PulseSession::restart(const QString& sink) {
    if (!started_) return false;
    sink_ = sink;
    if (recorder_) {
        recorder_->kill();
        recorder_->waitForFinished(2000);
        recorder_.reset();
    }
    run(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    started_ = false;
    QElapsedTimer wait;
    wait.start();
    while (run(QStringLiteral("pactl"), {QStringLiteral("info")})) {
        if (wait.elapsed() > 5000) {
            failure_ = QStringLiteral("pulseaudio does not end");
            return false;
        }
        QThread::msleep(50);
    }
    return launch() && startRecording();
}

bool PulseSession::startRecording() {
    recorded_.clear();
    recorder_ = std::make_unique<QProcess>();
    QObject::connect(recorder_.get(), &QProcess::readyReadStandardOutput,
                     [this] { recorded_ += recorder_->readAllStandardOutput(); });
    recorder_->start(QStringLiteral("parec"),
                     {QStringLiteral("-d"), sink_ + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                      QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--latency-msec=20")});
    if (!recorder_->waitForStarted(5000)) return false;
    QElapsedTimer wait;
    wait.start();
    while (recorded_.isEmpty()) {
        if (wait.elapsed() > 8000) return false;
        QTest::qWait(10);
    }
    // From here on the samples come as they are played.
    QTest::qWait(200);
    return true;
}

std::size_t PulseSession::recordedSamples() const { return static_cast<std::size_t>(recorded_.size() / 2); }

std::vector<float> PulseSession::recording() const {
    std::vector<float> out;
    out.reserve(static_cast<std::size_t>(recorded_.size() / 2));
    for (qsizetype i = 0; i + 1 < recorded_.size(); i += 2)
        out.push_back(qFromLittleEndian<qint16>(recorded_.constData() + i) / 32768.0f);
    return out;
}

}  // namespace tabrino::sound_test
