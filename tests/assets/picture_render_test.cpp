// Draws every picture with Qt's own SVG renderer, the one the program uses,
// so that anything it warns about or leaves blank is caught here.

#include "asset_folder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QtGlobal>

namespace fs = std::filesystem;
using namespace assets_test;

namespace {

void ensureGuiApp() {
    // Fonts for the SVG text need a GUI application; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "assets_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

QStringList qtWarnings;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg && type != QtInfoMsg) qtWarnings << msg;
}

class PictureRender : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureRender, QtDrawsItWithoutComplaint) {
    const Picture pic = GetParam();
    const std::string text = readFile(picturesSource() / pic.file);
    ASSERT_FALSE(text.empty()) << pic.file;

    ensureGuiApp();
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

INSTANTIATE_TEST_SUITE_P(Pictures, PictureRender, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return stem(info.param.file); });

}  // namespace
