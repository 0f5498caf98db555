#include "audio.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace tabrino::sound_test {

namespace {

constexpr std::size_t kFrame = 2048;  // about 46 ms at 44100 Hz
constexpr std::size_t kHop = kFrame / 2;
// Below this amplitude (full scale 1) a band is silence or bleed.
constexpr double kFloor = 0.02;
// A band this far below the frame's strongest one is a harmonic of it.
constexpr double kShareOfStrongest = 0.3;
// Frames a cue must hold to count: the shortest cue (the beep) spans five.
constexpr int kFramesNeeded = 2;

struct Band {
    Cue cue;
    std::vector<double> probesHz;
};

std::vector<double> sweep(double from, double to, double step) {
    std::vector<double> v;
    for (double f = from; f <= to + 1e-9; f += step) v.push_back(f);
    return v;
}

const std::vector<Band>& bands() {
    static const std::vector<Band> b = {
        {Cue::Timbre, {247.0}}, {Cue::Final, sweep(540.0, 710.0, 20.0)},
        {Cue::Bip, {1000.0}},   {Cue::Aviso, {1400.0, 1600.0}},
        {Cue::Clin, {2093.0}},
    };
    return b;
}

const std::vector<double>& hann() {
    static const std::vector<double> w = [] {
        std::vector<double> v(kFrame);
        for (std::size_t i = 0; i < kFrame; ++i)
            v[i] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / (kFrame - 1));
        return v;
    }();
    return w;
}

// Amplitude of the component at `hz` in one windowed frame.
double amplitudeAt(const float* x, double hz, int rate) {
    const auto& w = hann();
    double re = 0.0, im = 0.0, sumW = 0.0;
    const double step = 2.0 * std::numbers::pi * hz / rate;
    for (std::size_t i = 0; i < kFrame; ++i) {
        const double v = w[i] * x[i];
        re += v * std::cos(step * static_cast<double>(i));
        im -= v * std::sin(step * static_cast<double>(i));
        sumW += w[i];
    }
    return 2.0 * std::hypot(re, im) / sumW;
}

}  // namespace

Samples readMonoWav(const QString& path, int expectedRate) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE") return {};
    bool pcmMono16 = false;
    for (qsizetype at = 12; at + 8 <= all.size();) {
        const QByteArray id = all.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(all.constData() + at + 4);
        const char* body = all.constData() + at + 8;
        if (id == "fmt " && size >= 16 && at + 8 + 16 <= all.size()) {
            pcmMono16 = qFromLittleEndian<quint16>(body) == 1 && qFromLittleEndian<quint16>(body + 2) == 1 &&
                        qFromLittleEndian<quint32>(body + 4) == quint32(expectedRate) &&
                        qFromLittleEndian<quint16>(body + 14) == 16;
        } else if (id == "data" && pcmMono16) {
            const qsizetype bytes = std::min<qsizetype>(size, all.size() - at - 8);
            Samples out;
            for (qsizetype i = 0; i + 1 < bytes; i += 2) out.push_back(qFromLittleEndian<qint16>(body + i) / 32768.0f);
            return out;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return {};
}

std::set<Cue> cuesHeard(const Samples& s, int rate, std::size_t from, std::size_t to) {
    to = std::min(to, s.size());
    std::map<Cue, int> frames;
    for (std::size_t at = from; at + kFrame <= to; at += kHop) {
        std::map<Cue, double> level;
        double strongest = 0.0;
        for (const Band& b : bands()) {
            double l = 0.0;
            for (double hz : b.probesHz) l = std::max(l, amplitudeAt(s.data() + at, hz, rate));
            level[b.cue] = l;
            strongest = std::max(strongest, l);
        }
        for (const auto& [cue, l] : level)
            if (l >= kFloor && l >= kShareOfStrongest * strongest) ++frames[cue];
    }
    std::set<Cue> heard;
    for (const auto& [cue, n] : frames)
        if (n >= kFramesNeeded) heard.insert(cue);
    return heard;
}

std::string describe(const std::set<Cue>& cues) {
    std::string out;
    for (Cue c : cues) out += std::string(out.empty() ? "" : " ") + cueFile(c);
    return out.empty() ? "(silence)" : out;
}

}  // namespace tabrino::sound_test
