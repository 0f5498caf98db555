// tabrino-feed-bench: how fast the browser feed is, on this machine.
//
//   tabrino-feed-bench [ROUNDS]     (default 40 clicks and 40 ticks per case)
//
// With 1 and with 50 pages of the board open in one real headless Chromium:
// the time from an operator click on `gollocal` (and from a game-clock tick)
// to the new text in every page's DOM, as each page reports it through a
// DevTools binding. The page's report travels back over DevTools, so the
// figures include one extra hop the public never waits for: they are an
// upper bound.
//
// And the cost the feed adds to a tick on the user-interface thread: the
// tick handler plus building and sending the state, against the same tick
// with the feed off (the fair baseline: what the program does without it).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/program.h"
#include "headless_browser.h"
#include "platform/fake/fakes.h"
#include "qt/feed_server.h"
#include "script/drive.h"

using namespace tabrino;
using test::HeadlessBrowser;
using test::spinUntil;

namespace {

constexpr quint16 kPort = 18060;

struct Figures {
    std::vector<double> v;
    void add(double x) { v.push_back(x); }
    double median() {
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
    double p99() {
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v[v.size() * 99 / 100];
    }
    double worst() { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
};

struct Bench {
    FakeServices fake;
    Program p{fake.services()};
    std::unique_ptr<qt::FeedServer> feed;
    Bench() {
        p.start();
        feed = std::make_unique<qt::FeedServer>(p, kPort, QHostAddress::LocalHost);
        std::string why;
        if (!feed->start(why)) std::fprintf(stderr, "feed: %s\n", why.c_str());
    }
    void tick() {
        fake.clock.now += 1000;
        p.runDueTimers();
    }
};

// Every page reports its own text of one element each time it changes.
const char* kObserver = R"JS(
(() => {
  for (const id of ['golesl', 'reloj']) {
    const e = document.getElementById(id);
    new MutationObserver(() => tabrinoSeen(id + '=' + e.textContent)).observe(e, {childList: true, characterData: true, subtree: true});
  }
  return true;
})()
)JS";

void browserFigures(Bench& b, HeadlessBrowser& browser, int pages, int rounds) {
    std::vector<QString> sessions;
    for (int i = 0; i < pages; ++i) {
        const QString s = browser.open(QStringLiteral("http://127.0.0.1:%1/").arg(kPort), 1280, 720);
        if (s.isEmpty()) {
            std::printf("could not open page %d: %s\n", i + 1, qPrintable(browser.error()));
            return;
        }
        browser.addSeenBinding(s);
        sessions.push_back(s);
    }
    for (const QString& s : sessions) {
        if (!browser.waitFor(s, QStringLiteral("Number(document.body.dataset.version) > 0"), 30000)) {
            std::printf("a page never received the state\n");
            return;
        }
        browser.eval(s, QString::fromLatin1(kObserver));
    }
    spinUntil([&] { return b.feed->pages() == pages; }, 10000);

    QElapsedTimer clock;
    std::string expected;
    int seen = 0;
    Figures click, tick;
    Figures* current = nullptr;
    qint64 t0 = 0;
    browser.onSeen = [&](const QString&, const QString& payload) {
        if (payload.toStdString() == expected && current) {
            current->add((clock.nsecsElapsed() - t0) / 1e6);
            ++seen;
        }
    };
    clock.start();
    auto measure = [&](Figures& f, const std::string& want, const std::function<void()>& act) {
        expected = want;
        seen = 0;
        current = &f;
        t0 = clock.nsecsElapsed();
        act();
        if (!spinUntil([&] { return seen >= pages; }, 5000))
            std::printf("  (%d of %d pages saw %s)\n", seen, pages, want.c_str());
        current = nullptr;
        spinUntil([] { return false; }, 30);  // let the pages settle between rounds
    };
    for (int i = 0; i < rounds; ++i)
        measure(click, "golesl=" + std::to_string(i + 1), [&] { clickCentre(b.p, b.p.form1(), "gollocal"); });
    b.p.form1()["a"].setText("50");
    clickCentre(b.p, b.p.form1(), "a");  // the clock runs
    spinUntil([] { return false; }, 100);
    for (int i = 0; i < rounds; ++i) {
        const int left = 50 * 60 - (i + 1);
        char want[32];
        std::snprintf(want, sizeof want, "reloj=%02d:%02d", left / 60, left % 60);
        measure(tick, want, [&] { b.tick(); });
    }
    clickCentre(b.p, b.p.form1(), "a");  // stopped
    std::printf("%2d page%s  click to page: median %6.2f ms, worst %6.2f ms (%zu arrivals)\n", pages,
                pages == 1 ? " " : "s", click.median(), click.worst(), click.v.size());
    std::printf("          tick to page:  median %6.2f ms, worst %6.2f ms (%zu arrivals)\n", tick.median(),
                tick.worst(), tick.v.size());
}

// The tick alone (feed off), and tick plus the push with the feed on.
double threadCpuUs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

// Wall time, and the thread's own CPU time (what the work costs, without
// the moments the shared machine gave the core to someone else).
void tickCost(Bench* b, int rounds, Figures& out, Figures& cpu) {
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        const double c0 = threadCpuUs();
        t.start();
        b->tick();
        if (b->feed->running()) b->feed->pushNow();
        out.add(t.nsecsElapsed() / 1e3);
        cpu.add(threadCpuUs() - c0);
        QCoreApplication::processEvents();  // the sockets write between ticks, as in the program
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 40;
    if (HeadlessBrowser::executable().isEmpty()) {
        std::fprintf(stderr, "chromium is not installed\n");
        return 1;
    }
    std::printf("feed: %d clicks and %d ticks per case, board page 1280x720, one headless Chromium\n", rounds, rounds);

    // The tick's cost first, feed off: the baseline.
    {
        Bench b;
        b.feed->stop();
        b.p.form1()["a"].setText("50");
        clickCentre(b.p, b.p.form1(), "a");
        Figures off, offCpu;
        tickCost(&b, 400, off, offCpu);
        std::printf("tick on the UI thread, feed off:          median %7.1f us, 99th %7.1f us, worst %7.1f us\n",
                    off.median(), off.p99(), off.worst());
        std::printf("                            its CPU time: median %7.1f us, 99th %7.1f us, worst %7.1f us\n",
                    offCpu.median(), offCpu.p99(), offCpu.worst());
    }
    for (int pages : {1, 50}) {
        Bench b;
        HeadlessBrowser browser;
        if (!browser.start()) {
            std::printf("chromium: %s\n", qPrintable(browser.error()));
            return 1;
        }
        browserFigures(b, browser, pages, rounds);
        b.p.form1()["a"].setText("50");
        clickCentre(b.p, b.p.form1(), "a");
        Figures on, onCpu;
        tickCost(&b, 400, on, onCpu);
        std::printf("tick + push to %2d page%s on the UI thread: median %7.1f us, 99th %7.1f us, worst %7.1f us\n",
                    pages, pages == 1 ? " " : "s", on.median(), on.p99(), on.worst());
        std::printf("                            its CPU time: median %7.1f us, 99th %7.1f us, worst %7.1f us\n",
                    onCpu.median(), onCpu.p99(), onCpu.worst());
    }
    return 0;
}
