#include "qt/qt_sound_players.h"

#include <QEventLoop>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include "app/program.h"

namespace tabrino::qt {

namespace {
// How long opening waits for a file to be decoded before trusting it.
constexpr int kOpenWaitMs = 3000;
}  // namespace

QtSoundPlayers::QtSoundPlayers(QString folder) : folder_(std::move(folder)) {}

QtSoundPlayers::~QtSoundPlayers() = default;

bool QtSoundPlayers::looksPlayable(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(64 * 1024);
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
            return format && size > 0;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

QSoundEffect* QtSoundPlayers::player(int n) const {
    if (n < 1 || n > 5) return nullptr;
    return players_[static_cast<std::size_t>(n)].get();
}

std::unique_ptr<QSoundEffect> QtSoundPlayers::request(const std::string& file) const {
    const QString path = folder_ + QLatin1Char('/') + QString::fromStdString(file);
    if (!looksPlayable(path)) return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
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
    return true;
}

void QtSoundPlayers::play(int n) {
    // QSoundEffect starts from the beginning on every play, cutting short a
    // sound of the same player still running; other players go on mixing.
    if (QSoundEffect* e = player(n)) e->play();
}

bool QtSoundPlayers::hasOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtSoundPlayers::rewind(int) {
    // Nothing to do: the next play starts from the beginning anyway, and
    // stopping here would silence the sound just started.
}

}  // namespace tabrino::qt
