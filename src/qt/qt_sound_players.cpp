#include "qt/qt_sound_players.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/program.h"

namespace tabrino::qt {

namespace {
// How long opening waits for a file to be decoded before trusting it.
constexpr int kOpenWaitMs = 3000;
// How long a look at a file may take before the file is given up on.
constexpr int kLookLimitMs = 1000;
}  // namespace

QtSoundPlayers::QtSoundPlayers(QString folder)
    : folder_(std::move(folder)), devices_(std::make_unique<QMediaDevices>()), context_(std::make_unique<QObject>()) {
    QObject::connect(devices_.get(), &QMediaDevices::audioOutputsChanged, context_.get(), [this] { outputsChanged(); });
}

void QtSoundPlayers::outputsChanged() {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        if (!toldLost_ && onOutputLost_) onOutputLost_();
        toldLost_ = true;
        return;
    }
    toldLost_ = false;
    // Decoded again in the background: the match does not wait for it.
    for (std::size_t n = 1; n <= 5; ++n)
        if (!paths_[n].isEmpty()) players_[n] = load(paths_[n]);
}

std::unique_ptr<QSoundEffect> QtSoundPlayers::load(const QString& path) const {
    auto effect = std::make_unique<QSoundEffect>();
    effect->setAudioDevice(QMediaDevices::defaultAudioOutput());
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

QtSoundPlayers::~QtSoundPlayers() = default;

bool QtSoundPlayers::looksPlayable(const QString& path) {
    // Not blocking on open: a FIFO (or a device) in the file's place would
    // wait there for a writer; only a plain file is taken.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    QByteArray head;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        head.resize(64 * 1024);
        const ssize_t got = ::read(fd, head.data(), static_cast<size_t>(head.size()));
        head.resize(got > 0 ? got : 0);
    }
    ::close(fd);
    const qint64 fileSize = st.st_size;
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;
    // Walk the chunks: a PCM (or float) "fmt " and some "data" are needed.
    bool format = false;
    for (qsizetype at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + at + 4);
        if (id == "fmt " && at + 8 + 16 <= head.size()) {
            const quint16 tag = qFromLittleEndian<quint16>(head.constData() + at + 8);
            const quint16 channels = qFromLittleEndian<quint16>(head.constData() + at + 10);
            const quint32 rate = qFromLittleEndian<quint32>(head.constData() + at + 12);
            format = (tag == 1 || tag == 3 || tag == 0xFFFE) && channels > 0 && rate > 0;
        } else if (id == "data") {
            // Sound that the header promises but the file does not hold
            // keeps the decoder waiting for it: such a file is refused.
            return format && size > 0 && qint64(at) + 8 + qint64(size) <= fileSize;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

bool QtSoundPlayers::looksPlayableWithin(const QString& path, int limitMs) {
    // A hung network folder can block even the look at the file: the look
    // runs aside and is given up on after the limit (its thread is left to
    // end whenever the folder answers).
    auto result = std::make_shared<std::promise<bool>>();
    std::future<bool> answer = result->get_future();
    std::thread([path, result] { result->set_value(looksPlayable(path)); }).detach();
    if (answer.wait_for(std::chrono::milliseconds(limitMs)) != std::future_status::ready) return false;
    return answer.get();
}

QSoundEffect* QtSoundPlayers::player(int n) const {
    if (n < 1 || n > 5) return nullptr;
    return players_[static_cast<std::size_t>(n)].get();
}

std::unique_ptr<QSoundEffect> QtSoundPlayers::request(const std::string& file) const {
    const QString path = folder_ + QLatin1Char('/') + QString::fromStdString(file);
    if (!looksPlayableWithin(path, kLookLimitMs)) return nullptr;
    return load(path);
}

bool QtSoundPlayers::open(int n, const std::string& file) {
    if (n < 1 || n > 5) return false;
    // Qt decodes every sound in one loader thread, which ends as soon as it
    // has nothing left to load; a load asked for while it is ending waits
    // for the next load to start it again, seconds later or never. So the
    // five cue files are all asked for at once, at the first open, and each
    // open then waits for its own file only.
    if (!requested_) {
        requested_ = true;
        for (int k = 1; k <= 5; ++k) {
            const std::string cue = cueFile(static_cast<Cue>(k));
            loading_[static_cast<std::size_t>(k)] = {cue, request(cue)};
        }
    }
    auto& slot = players_[static_cast<std::size_t>(n)];
    slot.reset();
    paths_[static_cast<std::size_t>(n)].clear();
    auto& [asked, effect] = loading_[static_cast<std::size_t>(n)];
    if (asked != file || !effect) effect = asked == file ? nullptr : request(file);
    asked.clear();
    if (!effect) return false;
    // Wait for the decoding here, at start-up, so a file that cannot be
    // played is known now and not at the first whistle.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto settled = [&] {
        const QSoundEffect::Status s = effect->status();
        return s == QSoundEffect::Ready || s == QSoundEffect::Error;
    };
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (settled()) loop.quit();
    });
    if (!settled()) {
        limit.start(kOpenWaitMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    // Still loading at the limit: trusted, as the header looked right.
    if (effect->status() == QSoundEffect::Error) {
        effect.reset();
        return false;
    }
    slot = std::move(effect);
    paths_[static_cast<std::size_t>(n)] = folder_ + QLatin1Char('/') + QString::fromStdString(file);
    return true;
}

void QtSoundPlayers::play(int n) {
    QSoundEffect* e = player(n);
    if (!e) return;
    // A player bound to an output that has gone would wait for it for ever
    // inside the sound library (and the match with it): the players move to
    // the output there is now, or stay silent while there is none.
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (outputs.isEmpty()) {
        outputsChanged();
        return;
    }
    if (!outputs.contains(e->audioDevice())) {
        outputsChanged();
        e = player(n);
    }
    // QSoundEffect starts from the beginning on every play, cutting short a
    // sound of the same player still running; other players go on mixing.
    // One still decoding sounds as soon as it is ready.
    e->play();
}

bool QtSoundPlayers::hasOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtSoundPlayers::rewind(int) {
    // Nothing to do: the next play starts from the beginning anyway, and
    // stopping here would silence the sound just started.
}

}  // namespace tabrino::qt
