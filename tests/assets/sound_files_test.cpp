// Checks the generated cue sounds as the program will find them in its
// folder: clean 16-bit PCM, the right length, headroom, and each cue in its
// own frequency band so that a recording can tell them apart.

#include "asset_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace assets_test;

namespace {

struct Wav {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Walks the chunks instead of assuming a 44-byte header, so a file with extra
// chunks is read correctly and a truncated one is rejected.
std::optional<Wav> parseWav(const std::string& b, std::string& why) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        why = "not RIFF/WAVE";
        return std::nullopt;
    }
    if (le(b, 4, 4) + 8 != b.size()) {
        why = "RIFF size does not match the file size";
        return std::nullopt;
    }
    Wav w;
    bool haveFmt = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            why = "chunk '" + id + "' runs past the end";
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            w.format = static_cast<int>(le(b, body, 2));
            w.channels = static_cast<int>(le(b, body + 2, 2));
            w.rate = static_cast<int>(le(b, body + 4, 4));
            w.bits = static_cast<int>(le(b, body + 14, 2));
            const auto byteRate = le(b, body + 8, 4);
            const auto align = le(b, body + 12, 2);
            if (align != static_cast<std::uint32_t>(w.channels * w.bits / 8) ||
                byteRate != static_cast<std::uint32_t>(w.rate) * align) {
                why = "inconsistent byte rate or block align";
                return std::nullopt;
            }
            haveFmt = true;
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                w.samples.push_back(static_cast<std::int16_t>(le(b, body + i, 2)));
            }
            haveData = true;
        }
        at = body + size + (size & 1u);
    }
    if (!haveFmt || !haveData) {
        why = "missing fmt or data chunk";
        return std::nullopt;
    }
    return w;
}

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double ang = -2.0 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> wl(std::cos(ang), std::sin(ang));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0);
            for (std::size_t k = 0; k < len / 2; ++k, w *= wl) {
                const auto u = a[i + k];
                const auto v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

constexpr std::size_t kFrame = 4096;

// Welch power spectrum: Hann-windowed frames, half overlapping, averaged.
// Averaging over the whole file weighs each frequency by how long it sounds,
// which is what tells a sweep or a two-tone cue from a steady one.
std::vector<double> powerSpectrum(const std::vector<std::int16_t>& s) {
    std::vector<double> power(kFrame / 2, 0.0);
    std::vector<std::complex<double>> buf(kFrame);
    int frames = 0;
    for (std::size_t start = 0; start + kFrame <= s.size(); start += kFrame / 2, ++frames) {
        for (std::size_t i = 0; i < kFrame; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / kFrame);
            buf[i] = hann * s[start + i] / 32768.0;
        }
        fft(buf);
        for (std::size_t k = 0; k < power.size(); ++k) power[k] += std::norm(buf[k]);
    }
    for (double& p : power) p /= std::max(frames, 1);
    return power;
}

double binHz(std::size_t k, int rate) { return static_cast<double>(k) * rate / kFrame; }

struct Cue {
    const char* file;
    double minSeconds, maxSeconds;
    double lowHz, highHz;  // where the strongest spectral peak must lie
};

// The bands are what a recording test uses to tell which cue is sounding.
const Cue kCues[] = {
    {"timbre.wav", 1.0, 1.4, 200.0, 320.0}, {"final.wav", 2.2, 2.8, 520.0, 730.0},
    {"bip.wav", 0.10, 0.20, 950.0, 1050.0}, {"aviso.wav", 0.5, 0.7, 1300.0, 1700.0},
    {"clin.wav", 0.6, 1.0, 2000.0, 2200.0},
};

double bandPeak(const std::vector<double>& power, int rate, double lo, double hi) {
    double best = 0.0;
    for (std::size_t k = 1; k < power.size(); ++k) {
        const double hz = binHz(k, rate);
        if (hz >= lo && hz <= hi) best = std::max(best, power[k]);
    }
    return best;
}

// Names the cue in failure messages instead of dumping its bytes.
void PrintTo(const Cue& cue, std::ostream* os) { *os << cue.file; }

class SoundFile : public ::testing::TestWithParam<Cue> {};

TEST_P(SoundFile, IsCleanPcmOfTheRightLengthInItsOwnBand) {
    const Cue cue = GetParam();
    const fs::path path = binDir() / cue.file;
    ASSERT_TRUE(fs::exists(path)) << path;

    std::string why;
    const auto wav = parseWav(readFile(path), why);
    ASSERT_TRUE(wav.has_value()) << path << ": " << why;
    EXPECT_EQ(wav->format, 1) << "not PCM";
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bits, 16);
    ASSERT_EQ(wav->rate, 44100);

    const double seconds = static_cast<double>(wav->samples.size()) / wav->rate;
    EXPECT_GE(seconds, cue.minSeconds);
    EXPECT_LE(seconds, cue.maxSeconds);

    int peak = 0;
    for (auto v : wav->samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(peakDb, -4.5) << "too quiet for a hall";
    EXPECT_LT(peakDb, -2.0) << "no headroom";

    // The fades must bring both ends close to silence, or the cue clicks.
    ASSERT_FALSE(wav->samples.empty());
    EXPECT_LT(std::abs(wav->samples.front()), 330);
    EXPECT_LT(std::abs(wav->samples.back()), 330);

    const auto power = powerSpectrum(wav->samples);
    std::size_t top = 1;
    for (std::size_t k = 1; k < power.size(); ++k) {
        if (binHz(k, wav->rate) >= 100.0 && power[k] > power[top]) top = k;
    }
    const double dominant = binHz(top, wav->rate);
    EXPECT_GE(dominant, cue.lowHz) << cue.file << " dominant " << dominant << " Hz";
    EXPECT_LE(dominant, cue.highHz) << cue.file << " dominant " << dominant << " Hz";

    // Identification needs more than the top bin: every other cue's band must
    // stay well below this cue's own band.
    const double own = bandPeak(power, wav->rate, cue.lowHz, cue.highHz);
    for (const Cue& other : kCues) {
        if (std::string(other.file) == cue.file) continue;
        const double there = bandPeak(power, wav->rate, other.lowHz, other.highHz);
        EXPECT_GT(10.0 * std::log10(own / std::max(there, 1e-30)), 15.0)
            << cue.file << " leaks into the band of " << other.file;
    }
}

INSTANTIATE_TEST_SUITE_P(Cues, SoundFile, ::testing::ValuesIn(kCues),
                         [](const auto& info) { return stem(info.param.file); });

TEST(SoundBands, DoNotOverlap) {
    for (const Cue& a : kCues) {
        for (const Cue& b : kCues) {
            if (&a == &b) continue;
            EXPECT_TRUE(a.highHz < b.lowHz || b.highHz < a.lowHz) << a.file << " / " << b.file;
        }
    }
}

}  // namespace
