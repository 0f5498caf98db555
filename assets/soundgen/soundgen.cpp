// Writes the scoreboard's five cue sounds as 16-bit PCM mono WAV at 44100 Hz.
//
//   usage: tabrino-soundgen OUTPUT_DIR
//
// Each cue owns its own frequency band, so that a recording of the hall can
// tell the cues apart by where the strongest spectral peak lies:
//
//   file         cue                 length   dominant band  content
//   timbre.wav   horn / buzzer       1.20 s   200-320 Hz     247 Hz buzz, rolled-off harmonics
//   final.wav    end-of-period siren 2.50 s   520-730 Hz     sine swept 540->710->540 Hz
//   bip.wav      last-seconds beep   0.15 s   950-1050 Hz    1000 Hz sine
//   aviso.wav    warning             0.60 s   1300-1700 Hz   1400 Hz beep, then 1600 Hz beep
//   clin.wav     chime               0.80 s   2000-2200 Hz   2093 Hz bell with inharmonic partials
//
// The horn's upper harmonics necessarily fall into the other bands, but they
// are rolled off so that its fundamental stays far above them.  The siren
// sweeps only in the gap between the horn's second (494 Hz) and third
// (741 Hz) harmonics, which are the strongest it has.  Everything is
// normalised to a peak of -3 dBFS and faded in and out so that no cue clicks.
// The output is deterministic: the same program always writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// -3 dBFS: loud, with headroom for players that add their own gain stage.
const double kPeak = std::pow(10.0, -3.0 / 20.0);

using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0); }

double timeOf(std::size_t i) { return static_cast<double>(i) / kRate; }

// Raised-cosine ramps at both ends; linear ramps still leave an audible tick.
void fade(Samples& s, double inSeconds, double outSeconds) {
    const auto n = s.size();
    const auto in = std::min(n, static_cast<std::size_t>(inSeconds * kRate));
    const auto out = std::min(n, static_cast<std::size_t>(outSeconds * kRate));
    for (std::size_t i = 0; i < in; ++i) {
        s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
    }
}

void normalise(Samples& s) {
    double peak = 0.0;
    for (double v : s) peak = std::max(peak, std::abs(v));
    if (peak > 0.0) {
        for (double& v : s) v *= kPeak / peak;
    }
}

// Sine burst of constant pitch; the building block of the beeps.
Samples tone(double hz, double seconds, double thirdHarmonic = 0.0) {
    Samples s = silence(seconds);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double ph = kTwoPi * hz * timeOf(i);
        s[i] = std::sin(ph) + thirdHarmonic * std::sin(3.0 * ph);
    }
    return s;
}

void append(Samples& to, const Samples& from) { to.insert(to.end(), from.begin(), from.end()); }

// Arena horn: two slightly detuned buzz oscillators beat against each other
// the way a real electromechanical horn rattles.  Odd harmonics are stronger
// (square-like), even ones much weaker; both roll off faster than 1/n so the
// 247 Hz fundamental dominates the spectrum by a wide margin.  The second
// harmonic lands at the bottom of the siren's band, hence its low weight.
Samples timbre() {
    Samples s = silence(1.2);
    const double f1 = 247.0;
    const double f2 = 249.5;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double v = 0.0;
        for (int n = 1; n * f2 < 9000.0; ++n) {
            const double weight = (n % 2 == 1 ? 1.0 : 0.25) / std::pow(n, 1.35);
            v += weight * (std::sin(kTwoPi * n * f1 * t) + 0.8 * std::sin(kTwoPi * n * f2 * t + 0.7 * n));
        }
        s[i] = v;
    }
    fade(s, 0.015, 0.040);
    normalise(s);
    return s;
}

// Bell chime: partials in the ratios of a struck bar, the higher ones dying
// away sooner, so what lingers is the 2093 Hz (C7) fundamental.
Samples clin() {
    struct Partial {
        double ratio;
        double amplitude;
        double decayPerSecond;
    };
    const Partial partials[] = {
        {1.000, 1.00, 3.5},
        {2.756, 0.45, 9.0},
        {5.404, 0.22, 16.0},
        {8.933, 0.10, 26.0},
    };
    const double f0 = 2093.0;
    Samples s = silence(0.8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        double v = 0.0;
        for (const auto& p : partials) {
            v += p.amplitude * std::exp(-p.decayPerSecond * t) * std::sin(kTwoPi * f0 * p.ratio * t);
        }
        s[i] = v;
    }
    fade(s, 0.002, 0.030);
    normalise(s);
    return s;
}

// Siren: pitch glides up from 540 to 710 Hz and back down.  The phase is the
// running integral of the pitch, otherwise the sweep would jump and crackle.
Samples final_() {
    const double total = 2.5;
    const double lo = 540.0;
    const double hi = 710.0;
    Samples s = silence(total);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = timeOf(i) / total;  // 0..1 over the whole siren
        // Smooth rise over the first 45 %, smooth fall over the rest.
        const double shape = x < 0.45 ? std::sin(0.5 * std::numbers::pi * x / 0.45)
                                      : std::cos(0.5 * std::numbers::pi * (x - 0.45) / 0.55);
        const double hz = lo + (hi - lo) * shape;
        phase += kTwoPi * hz / kRate;
        s[i] = std::sin(phase) + 0.08 * std::sin(2.0 * phase);
    }
    fade(s, 0.010, 0.060);
    normalise(s);
    return s;
}

// Warning: a 1400 Hz beep and then a 1600 Hz beep, each with its own fades so
// the gap between them is clean.
Samples aviso() {
    Samples first = tone(1400.0, 0.25, 0.15);
    Samples second = tone(1600.0, 0.25, 0.15);
    fade(first, 0.005, 0.008);
    fade(second, 0.005, 0.008);
    Samples s = first;
    append(s, silence(0.10));
    append(s, second);
    normalise(s);
    return s;
}

Samples bip() {
    Samples s = tone(1000.0, 0.15);
    fade(s, 0.005, 0.005);
    normalise(s);
    return s;
}

void putLE(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) {
        out.put(static_cast<char>((value >> (8 * b)) & 0xFFu));
    }
}

bool writeWav(const std::filesystem::path& path, const Samples& s) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    out.write("RIFF", 4);
    putLE(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLE(out, 16, 4);         // fmt chunk size
    putLE(out, 1, 2);          // PCM
    putLE(out, 1, 2);          // mono
    putLE(out, kRate, 4);      // sample rate
    putLE(out, kRate * 2, 4);  // byte rate
    putLE(out, 2, 2);          // block align
    putLE(out, 16, 2);         // bits per sample
    out.write("data", 4);
    putLE(out, dataBytes, 4);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLE(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFFu, 2);
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "tabrino-soundgen") << " OUTPUT_DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "cannot create " << dir << ": " << ec.message() << '\n';
        return 1;
    }
    const std::pair<const char*, std::function<Samples()>> cues[] = {
        {"timbre.wav", timbre}, {"clin.wav", clin}, {"final.wav", final_}, {"aviso.wav", aviso}, {"bip.wav", bip},
    };
    for (const auto& [name, make] : cues) {
        if (!writeWav(dir / name, make())) {
            std::cerr << "cannot write " << (dir / name) << '\n';
            return 1;
        }
    }
    return 0;
}
