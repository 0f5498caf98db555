#pragma once
// The five sound players over QSoundEffect: each opened once on its file,
// decoded in advance, so a play sounds at once without waiting.
#include <QString>
#include <array>
#include <memory>

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

    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, 6> players_;  // 1..5
};

}  // namespace tabrino::qt
