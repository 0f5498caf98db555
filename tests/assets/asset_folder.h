// Where the checks find the program's assets, and the list of pictures the
// windows ask for.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace assets_test {

// The build folder compiled in as TABRINO_BIN_DIR, unless the environment
// variable of the same name points the checks at an installed copy.
inline std::filesystem::path binDir() {
    if (const char* env = std::getenv("TABRINO_BIN_DIR"); env != nullptr && *env != '\0') return env;
    return TABRINO_BIN_DIR;
}

inline std::filesystem::path picturesSource() { return TABRINO_PICTURES_SRC; }

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
    const char* file;
    double width, height;  // proportion of the box the picture is stretched to
};

inline constexpr Picture kPictures[] = {
    {"red_card.svg", 248, 351},
    {"blue_card.svg", 248, 351},
    {"home_player.svg", 1695, 2295},
    {"away_player.svg", 1695, 2295},
    {"alarm_clock.svg", 1, 1},
    {"gear.svg", 1, 1},
    {"cross.svg", 480, 360},
    {"horn.svg", 1275, 855},
    {"reset.svg", 1, 1},
    {"power.svg", 1, 1},
    {"match_icon.svg", 1, 1},
    {"tick.svg", 1, 1},
    {"minus.svg", 1, 1},
    {"score_bar.svg", 18840, 4440},
    {"reset_orange.svg", 1, 1},
    {"report.svg", 1, 1},
};

// Names the picture in failure messages instead of dumping its bytes.
inline void PrintTo(const Picture& pic, std::ostream* os) { *os << pic.file; }

// Test names: "red_card" for "red_card.svg".
inline std::string stem(const char* file) {
    const std::string n = file;
    return n.substr(0, n.find('.'));
}

}  // namespace assets_test
