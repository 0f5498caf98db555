#pragma once
// Shared pieces of the GUI tests: a program on fake services shown by the
// real Qt shell, test pictures, and waiting on the event loop.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/program.h"
#include "platform/fake/fakes.h"
#include "qt/shell.h"
#include "qt/window_view.h"
#include "script/drive.h"

namespace tabrino::qt::test {

// Runs the event loop until `done` holds or the limit passes.
inline bool waitUntil(const std::function<bool()>& done, int limitMs = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// Lets pending paints and window changes through.
inline void settle() { QTest::qWait(20); }

// A program folder with solid-colour pictures; "cross" is left missing.
struct PictureFolder {
    QTemporaryDir dir;
    static constexpr QRgb kGear = 0xFF10C080, kRedCard = 0xFFE00010, kHorn = 0xFF2040F0;
    PictureFolder() {
        QDir(dir.path()).mkpath(QStringLiteral("pictures"));
        write("gear", kGear);
        write("red_card", kRedCard);
        write("horn", kHorn);
        write("match_icon", kHorn);
    }
    void write(const char* id, QRgb colour) {
        QFile f(dir.filePath(QStringLiteral("pictures/%1.svg").arg(id)));
        if (!f.open(QIODevice::WriteOnly)) return;
        f.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                               "<rect width='10' height='10' fill='#%1'/></svg>")
                    .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .toUtf8());
    }
    QString path() const { return dir.path(); }
};

// Starts the program under a real shell on the screens Qt has; the core
// sees the same screens as the shell.
inline std::unique_ptr<Shell> startShown(FakeServices& fake, Program& p, const QString& folder) {
    fake.monitors.monitors.clear();
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        fake.monitors.monitors.push_back(
            {{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}, s == QGuiApplication::primaryScreen()});
    }
    p.setStrict(true);
    auto shell = std::make_unique<Shell>(p, folder);
    p.start();
    settle();
    return shell;
}

// The operator window on screen, with fake services behind it.
struct ShownProgram {
    PictureFolder folder;
    FakeServices fake;
    Program p{fake.services()};
    std::unique_ptr<Shell> shell = startShown(fake, p, folder.path());

    ~ShownProgram() { shell.reset(); }
    WindowView& form1View() { return *shell->view("Form1"); }
    Window& f() { return p.form1(); }
    QPoint centreOf(const std::string& element) { return form1View().boxOf(element).center(); }
};

}  // namespace tabrino::qt::test
