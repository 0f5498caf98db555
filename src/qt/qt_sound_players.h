#pragma once
// The five sound players over QSoundEffect: each opened once on its file,
// decoded in advance, so a play sounds at once without waiting.
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/services.h"

class QSoundEffect;
class QMediaDevices;

namespace tabrino::qt {

class QtSoundPlayers : public SoundPlayers {
public:
    explicit QtSoundPlayers(QString folder);
    ~QtSoundPlayers() override;

    bool open(int player, const std::string& file) override;
    void play(int player) override;
    void rewind(int player) override;
    bool hasOutput() override;

    // Told, once until sound comes back, that the machine has lost every
    // sound output in mid-match.
    void setOnOutputLost(std::function<void()> told) { onOutputLost_ = std::move(told); }

    // True when the file is a plain file that starts like a PCM WAV file the
    // players can decode, holding all the sound its header promises.
    static bool looksPlayable(const QString& path);
    // The same, given up on (false) when the look takes longer than the limit.
    static bool looksPlayableWithin(const QString& path, int limitMs);

private:
    QSoundEffect* player(int n) const;
    // The audio outputs changed (a server restarted, a speaker plugged in or
    // pulled out): the players are bound to the old one and start afresh.
    void outputsChanged();
    std::unique_ptr<QSoundEffect> load(const QString& path) const;
    // A player asked to load the file; null when the file is not a playable WAV.
    std::unique_ptr<QSoundEffect> request(const std::string& file) const;

    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, 6> players_;  // 1..5
    std::array<QString, 6> paths_;                          // of the players that opened
    std::unique_ptr<QMediaDevices> devices_;
    std::unique_ptr<QObject> context_;  // ends the connections with this object
    std::function<void()> onOutputLost_;
    bool toldLost_ = false;
    // Loads asked for ahead of each player's open: the file and its player.
    std::array<std::pair<std::string, std::unique_ptr<QSoundEffect>>, 6> loading_;
    bool requested_ = false;
};

}  // namespace tabrino::qt
