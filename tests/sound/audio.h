#pragma once
// Finding the program's cues in a mono recording. Each cue owns a frequency
// band of its own (see the sound generator), so a cue is heard where its band
// carries a good share of the strongest band's level for a few frames.
#include <QString>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"

namespace tabrino::sound_test {

using Samples = std::vector<float>;

// The samples of a 16-bit PCM mono WAV file; empty when it is not one.
Samples readMonoWav(const QString& path, int expectedRate);

// The cues heard in samples [from, to) of a recording at `rate`.
std::set<Cue> cuesHeard(const Samples& s, int rate, std::size_t from, std::size_t to);
inline std::set<Cue> cuesHeard(const Samples& s, int rate) { return cuesHeard(s, rate, 0, s.size()); }

std::string describe(const std::set<Cue>& cues);

}  // namespace tabrino::sound_test
