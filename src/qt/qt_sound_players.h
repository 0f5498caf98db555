#pragma once
// The five sound players over QSoundEffect: each opened once on its file,
// decoded in advance, so a play sounds at once without waiting.
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "platform/services.h"

class QSoundEffect;

namespace tabrino::qt {

class QtSoundPlayers : public SoundPlayers {
public:
    explicit QtSoundPlayers(QString folder);
    ~QtSoundPlayers() override;

    bool open(int player, const std::string& file) override;
    void play(int player) override;
    void rewind(int player) override;
    bool hasOutput() override;

    // True when the file starts like a PCM WAV file the players can decode.
    static bool looksPlayable(const QString& path);

private:
    QSoundEffect* player(int n) const;
    // A player asked to load the file; null when the file is not a WAV file.
    std::unique_ptr<QSoundEffect> request(const std::string& file) const;

    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, 6> players_;  // 1..5
    // Loads asked for ahead of each player's open: the file and its player.
    std::array<std::pair<std::string, std::unique_ptr<QSoundEffect>>, 6> loading_;
    bool requested_ = false;
};

}  // namespace tabrino::qt
