// Checks the generated cue sounds and the hand-drawn pictures as the program
// will find them in its folder.
//
// The folder is the build folder compiled in as TABRINO_BIN_DIR; the
// environment variable of the same name overrides it, so the test can also be
// pointed at an installed copy.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path binDir() {
    if (const char* env = std::getenv("TABRINO_BIN_DIR"); env != nullptr && *env != '\0') return env;
    return TABRINO_BIN_DIR;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------- sounds

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
    {"timbre.wav", 1.0, 1.4, 200.0, 320.0},
    {"final.wav", 2.2, 2.8, 450.0, 850.0},
    {"bip.wav", 0.10, 0.20, 950.0, 1050.0},
    {"aviso.wav", 0.5, 0.7, 1300.0, 1700.0},
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
                         [](const auto& info) {
                             std::string n = info.param.file;
                             return n.substr(0, n.find('.'));
                         });

TEST(SoundBands, DoNotOverlap) {
    for (const Cue& a : kCues) {
        for (const Cue& b : kCues) {
            if (&a == &b) continue;
            EXPECT_TRUE(a.highHz < b.lowHz || b.highHz < a.lowHz) << a.file << " / " << b.file;
        }
    }
}

// -------------------------------------------------------------- pictures

struct Picture {
    const char* file;
    double width, height;  // proportion the layout stretches it to
};

const Picture kPictures[] = {
    {"red_card.svg", 248, 351},      {"blue_card.svg", 248, 351},
    {"home_player.svg", 1695, 2295}, {"away_player.svg", 1695, 2295},
    {"alarm_clock.svg", 1, 1},       {"gear.svg", 1, 1},
    {"cross.svg", 480, 360},         {"horn.svg", 1275, 855},
    {"reset.svg", 1, 1},             {"power.svg", 1, 1},
    {"match_icon.svg", 1, 1},        {"tick.svg", 1, 1},
    {"minus.svg", 1, 1},             {"score_bar.svg", 18840, 4440},
    {"reset_orange.svg", 1, 1},
};

// Minimal well-formedness check: balanced, properly nested tags with quoted
// attributes.  Returns the root element's start tag, or an error.
bool checkXml(const std::string& x, std::string& rootTag, std::string& why) {
    std::vector<std::string> open;
    std::size_t i = 0;
    bool sawRoot = false;
    while ((i = x.find('<', i)) != std::string::npos) {
        if (x.compare(i, 4, "<!--") == 0) {
            const auto end = x.find("-->", i + 4);
            if (end == std::string::npos) return why = "unterminated comment", false;
            i = end + 3;
            continue;
        }
        if (x.compare(i, 2, "<?") == 0 || x.compare(i, 2, "<!") == 0) {
            const auto end = x.find('>', i);
            if (end == std::string::npos) return why = "unterminated declaration", false;
            i = end + 1;
            continue;
        }
        // Find the closing '>' outside quoted attribute values.
        std::size_t j = i + 1;
        char quote = 0;
        for (; j < x.size(); ++j) {
            if (quote != 0) {
                if (x[j] == quote) quote = 0;
            } else if (x[j] == '"' || x[j] == '\'') {
                quote = x[j];
            } else if (x[j] == '<') {
                return why = "'<' inside a tag at offset " + std::to_string(j), false;
            } else if (x[j] == '>') {
                break;
            }
        }
        if (j >= x.size()) return why = "unterminated tag", false;
        const std::string tag = x.substr(i, j - i + 1);
        const bool closing = tag[1] == '/';
        const bool selfClosing = tag[tag.size() - 2] == '/';
        const std::size_t nameStart = closing ? 2 : 1;
        const std::size_t nameEnd = tag.find_first_of(" \t\r\n/>", nameStart);
        const std::string name = tag.substr(nameStart, nameEnd - nameStart);
        if (name.empty()) return why = "tag without a name", false;
        if (closing) {
            if (open.empty() || open.back() != name) return why = "mismatched </" + name + ">", false;
            open.pop_back();
        } else {
            if (open.empty()) {
                if (sawRoot) return why = "more than one root element", false;
                sawRoot = true;
                rootTag = tag;
            }
            if (!selfClosing) open.push_back(name);
        }
        i = j + 1;
    }
    if (!sawRoot) return why = "no element", false;
    if (!open.empty()) return why = "<" + open.back() + "> is never closed", false;
    return true;
}

std::optional<std::string> attribute(const std::string& tag, const std::string& name) {
    const auto at = tag.find(" " + name + "=\"");
    if (at == std::string::npos) return std::nullopt;
    const auto start = at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

QGuiApplication& guiApp() {
    // Fonts for the SVG text need a GUI application; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "assets_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

QStringList qtWarnings;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg && type != QtInfoMsg) qtWarnings << msg;
}

class PictureFile : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureFile, IsWellFormedSvgThatQtDrawsInItsProportion) {
    const Picture pic = GetParam();
    const fs::path source = fs::path(TABRINO_PICTURES_SRC) / pic.file;
    const fs::path copied = binDir() / "pictures" / pic.file;
    ASSERT_TRUE(fs::exists(source)) << source;
    const std::string text = readFile(source);
    EXPECT_EQ(readFile(copied), text) << copied << " is missing or stale";

    std::string root;
    std::string why;
    ASSERT_TRUE(checkXml(text, root, why)) << pic.file << ": " << why;
    ASSERT_EQ(root.rfind("<svg", 0), 0u) << "root is " << root;
    EXPECT_NE(root.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);

    const auto viewBox = attribute(root, "viewBox");
    ASSERT_TRUE(viewBox.has_value()) << pic.file << " has no viewBox";
    std::istringstream vb(*viewBox);
    double x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(vb >> x >> y >> w >> h) << "viewBox \"" << *viewBox << "\"";
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    EXPECT_NEAR((w / h) / (pic.width / pic.height), 1.0, 0.02) << "viewBox " << w << " x " << h;

    // Qt's renderer silently drops what SVG Tiny lacks; forbid it outright.
    for (const char* unsupported : {"<style", "<filter", "<mask", "<foreignObject", "style=\""}) {
        EXPECT_EQ(text.find(unsupported), std::string::npos) << pic.file << " uses " << unsupported;
    }

    guiApp();
    qtWarnings.clear();
    const auto previous = qInstallMessageHandler(collectWarnings);
    QSvgRenderer renderer(QByteArray::fromStdString(text));
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_TRUE(qtWarnings.isEmpty()) << qtWarnings.join("; ").toStdString();

    int painted = 0;
    for (int py = 0; py < image.height(); ++py) {
        for (int px = 0; px < image.width(); ++px) painted += qAlpha(image.pixel(px, py)) > 0 ? 1 : 0;
    }
    EXPECT_GT(painted, 64 * 64 / 20) << pic.file << " draws almost nothing";
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureFile, ::testing::ValuesIn(kPictures),
                         [](const auto& info) {
                             std::string n = info.param.file;
                             return n.substr(0, n.find('.'));
                         });

TEST(XmlCheck, RejectsBrokenDocuments) {
    struct Case {
        const char* xml;
        bool ok;
    } const cases[] = {
        {"<svg a=\"1\"><g><rect/></g></svg>", true},
        {"<?xml version=\"1.0\"?><!-- c --><svg><path d=\"M0 0\"/></svg>", true},
        {"<svg><g></svg>", false},
        {"<svg><g></g>", false},
        {"<svg></svg><svg></svg>", false},
        {"<svg><rect </svg>", false},
        {"<svg><!-- open </svg>", false},
        {"<svg a=\">\"></svg>", true},
    };
    for (const auto& c : cases) {
        std::string root;
        std::string why;
        EXPECT_EQ(checkXml(c.xml, root, why), c.ok) << c.xml << " " << why;
    }
}

}  // namespace
