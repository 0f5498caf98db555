// Checks the hand-drawn pictures as the program will find them in its
// folder: copied unchanged from the sources, well-formed SVG with a viewBox
// in the proportion of the box they are stretched to, and nothing that Qt's
// SVG Tiny renderer would silently drop.

#include "asset_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace assets_test;

namespace {

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

class PictureFile : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureFile, IsWellFormedSvgInItsProportion) {
    const Picture pic = GetParam();
    const fs::path source = picturesSource() / pic.file;
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
    for (const char* unsupported : {"<style", "<filter", "<mask", "<clipPath", "<pattern", "<foreignObject", "<image",
                                    "style=\"", "filter=\"", "mask=\""}) {
        EXPECT_EQ(text.find(unsupported), std::string::npos) << pic.file << " uses " << unsupported;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureFile, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return stem(info.param.file); });

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
