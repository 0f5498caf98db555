#include "qt/qt_sound_players.h"

#include <QEventLoop>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace tabrino::qt {

namespace {
// How long opening waits for a file to be decoded before trusting it.
constexpr int kOpenWaitMs = 3000;
constexpr int kLoaderSettleMs = 30;
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

bool QtSoundPlayers::open(int n, const std::string& file) {
    if (n < 1 || n > 5) return false;
    auto& slot = players_[static_cast<std::size_t>(n)];
    slot.reset();
    const QString path = folder_ + QLatin1Char('/') + QString::fromStdString(file);
    if (!looksPlayable(path)) return false;
    auto effect = std::make_unique<QSoundEffect>();
    // Decoding runs in the background; wait for it here, at start-up, so a
    // file that cannot be played is known now and not at the first whistle.
    // Qt's sample loader runs in a thread that ends after each load; a load
    // asked for while it is ending lies idle for about three seconds. A short
    // pause lets it end first, so five files open in a fraction of a second.
    QThread::msleep(kLoaderSettleMs);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto settled = [&] {
        const QSoundEffect::Status s = effect->status();
        return s == QSoundEffect::Ready || s == QSoundEffect::Error;
    };
    const auto quitWhenSettled = [&] {
        if (settled()) loop.quit();
    };
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, quitWhenSettled);
    effect->setSource(QUrl::fromLocalFile(path));
    if (!settled()) {
        limit.start(kOpenWaitMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (effect->status() == QSoundEffect::Error) return false;
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
