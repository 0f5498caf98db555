// The feed server against raw sockets: what each path serves, that nothing
// a client sends changes the match, and that broken, huge, slow and
// numerous connections are refused while the game clock keeps ticking.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QWebSocket>

#include "feed_fixture.h"
#include "settings/settings.h"

namespace tabrino::test {
namespace {

TEST(FeedServer, ServesTheBoardTheOverlayAndTheStateAndNothingElse) {
    LiveProgram lp(18010);
    ASSERT_TRUE(lp.startFeed());
    struct Case {
        QByteArray request, status, type;
    } cases[] = {
        {"GET / HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK", "text/html"},
        {"GET /overlay HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK", "text/html"},
        {"GET /estado.json HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK", "application/json"},
        {"GET /etc/passwd HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 404 Not Found", ""},
        {"GET /../../etc/passwd HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 404 Not Found", ""},
        {"GET /%2e%2e/CMakeCache.txt HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 404 Not Found", ""},
        {"GET /pictures/horn.svg HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 404 Not Found", ""},
    };
    for (const Case& c : cases) {
        const Exchange ex = exchange(lp.feed->port(), c.request);
        EXPECT_EQ(statusLine(ex.reply), c.status) << c.request.constData();
        if (!c.type.isEmpty()) {
            EXPECT_TRUE(ex.reply.contains("Content-Type: " + c.type)) << c.request.constData();
        }
        EXPECT_FALSE(ex.reply.contains("root:")) << c.request.constData();
    }
}

TEST(FeedServer, TheStateFollowsAScriptedMatch) {
    LiveProgram lp(18012);
    ASSERT_TRUE(lp.startFeed());
    lp.fake.dialogs.reply("CLUB PATIN VOLTREGA");
    lp.click("equipolocal", true);
    lp.fake.dialogs.reply("DEPORTIVO LICEO");
    lp.click("equipovisita", true);
    lp.startClock("10");
    lp.click("gollocal");
    lp.click("gollocal");
    lp.click("golvisita");
    for (int i = 0; i < 3; ++i) lp.click("faltalocal");
    lp.click("a");  // stopped for the cards
    lp.click("Image5");
    lp.click("Image7");
    const Exchange ex = exchange(lp.feed->port(), "GET /estado.json HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n");
    QJsonParseError err{};
    const QJsonObject s = QJsonDocument::fromJson(body(ex.reply), &err).object();
    ASSERT_EQ(err.error, QJsonParseError::NoError) << body(ex.reply).constData();
    const QJsonObject local = s["local"].toObject(), visita = s["visita"].toObject();
    EXPECT_EQ(local["nombre"].toString(), "CLUB PATIN VOLTREGA");
    EXPECT_EQ(visita["nombre"].toString(), "DEPORTIVO LICEO");
    EXPECT_EQ(local["goles"].toString(), "2");
    EXPECT_EQ(visita["goles"].toString(), "1");
    EXPECT_EQ(local["faltas"].toString(), "3");
    EXPECT_TRUE(local["azules_visible"].toBool());
    EXPECT_TRUE(visita["rojas_visible"].toBool());
    EXPECT_TRUE(local["castigos"].toArray()[0].toObject()["activo"].toBool());
    EXPECT_FALSE(local["castigos"].toArray()[1].toObject()["activo"].toBool());
    EXPECT_EQ(visita["castigos"].toArray()[0].toObject()["minutos"].toString(), "04");
    EXPECT_EQ(s["periodo"].toString(), lp.p.form1()["periodo"].text().c_str());
    EXPECT_EQ(s["reloj"].toObject()["minutos"].toString(), lp.p.form1()["a"].text().c_str());
    EXPECT_TRUE(s["minuto"].isNull());
}

TEST(FeedServer, APortInUseIsSaidInSpanishAndTheMatchGoesOn) {
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 18014));
    LiveProgram lp(18014);
    std::string why;
    EXPECT_FALSE(lp.feed->start(why));
    EXPECT_NE(why.find("18014"), std::string::npos) << why;
    EXPECT_NE(why.find("ya está en uso"), std::string::npos) << why;
    EXPECT_FALSE(lp.feed->running());
    lp.click("gollocal");
    EXPECT_EQ(lp.p.form1()["gollocal"].text(), "1");
    squatter.close();
    EXPECT_TRUE(lp.feed->start(why)) << "once the port is free the feed starts: " << why;
}

TEST(FeedServer, TheSettingsBoxStartsAndStopsTheFeedAndShowsTheAddress) {
    LiveProgram lp(18016);
    openSettings(lp.p);
    Window& w = lp.p.win("configuracion");
    EXPECT_TRUE(w["Check6"].enabled());
    EXPECT_FALSE(w["Check6"].checked()) << "off by default";
    EXPECT_FALSE(lp.feed->running());
    clickCentre(lp.p, w, "Check6");
    EXPECT_TRUE(lp.feed->running());
    EXPECT_TRUE(w["Label32"].visible());
    EXPECT_NE(w["Label32"].text().find(":18016/"), std::string::npos) << w["Label32"].text();
    clickCentre(lp.p, w, "Check6");
    EXPECT_FALSE(lp.feed->running());
    EXPECT_FALSE(w["Label32"].visible());
    EXPECT_NE(exchange(18016, "GET / HTTP/1.1\r\n\r\n", 500).reply.left(4), "HTTP") << "nothing listens once off";
}

TEST(FeedServer, TheSettingsBoxClearsItselfWhenThePortIsTaken) {
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 18019));  // the WebSocket port of 18018
    LiveProgram lp(18018);
    openSettings(lp.p);
    Window& w = lp.p.win("configuracion");
    lp.fake.dialogs.answer(Answer::Ok);
    clickCentre(lp.p, w, "Check6");
    EXPECT_FALSE(w["Check6"].checked());
    EXPECT_FALSE(lp.feed->running());
    EXPECT_EQ(lp.fake.dialogs.messages, 1);
    EXPECT_NE(lp.fake.dialogs.lastText.find("18019"), std::string::npos) << lp.fake.dialogs.lastText;
    EXPECT_NE(exchange(18018, "GET / HTTP/1.1\r\n\r\n", 500).reply.left(4), "HTTP") << "no half-started feed";
}

// Everything a hostile or broken client might do, all at once, while the
// game clock runs: none of it changes the match, each connection ends, and
// every second still reaches the operator window before the next is due.
TEST(FeedServer, BrokenHugeSlowAndNumerousClientsNeitherChangeNorHoldUpTheMatch) {
    LiveProgram lp(18020);
    lp.feed->setHttpLifetimeMs(1500);
    ASSERT_TRUE(lp.startFeed());
    TickLog ticks(lp.clock);
    lp.p.form1().addListener(&ticks);
    lp.startClock("10");
    const quint16 port = lp.feed->port();

    struct Attack {
        const char* what;
        QByteArray bytes;
        QByteArray allowedStatus;  // empty: the server must just close
    };
    const QByteArray hugeHeader = "GET / HTTP/1.1\r\nHost: a\r\nX-Big: " + QByteArray(200 * 1024, 'x') + "\r\n\r\n";
    const QByteArray hugeBody =
        "POST /estado.json HTTP/1.1\r\nHost: a\r\nContent-Length: 100000000\r\n\r\n" + QByteArray(100 * 1024, 'y');
    const Attack attacks[] = {
        {"garbage request line", "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03 not http\r\n\r\n", ""},
        {"no method", " / HTTP/1.1\r\n\r\n", ""},
        {"binary line", QByteArray("GET /\0\x01\x02 HTTP/1.1\r\n\r\n", 22), ""},
        {"huge header", hugeHeader, ""},
        {"huge body", hugeBody, ""},
        {"a write", "POST /estado.json HTTP/1.1\r\nHost: a\r\nContent-Length: 2\r\nConnection: close\r\n\r\n{}",
         "HTTP/1.1 405"},
        {"delete", "DELETE / HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n", "HTTP/1.1 405"},
        {"never finishes", "GET / HT", ""},
        {"headers never end", "GET / HTTP/1.1\r\nHost: a\r\n", ""},
        {"idle keep-alive", "GET /estado.json HTTP/1.1\r\nHost: a\r\n\r\n", "HTTP/1.1 200"},
    };
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (const Attack& a : attacks) {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QHostAddress::LocalHost, port);
        s->write(a.bytes);
        sockets.push_back(std::move(s));
    }
    // A crowd of idle connections beyond the bound.
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < qt::FeedServer::kMaxHttpConnections + 40; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    // A page that talks back: a command and an oversized frame.
    QWebSocket chatty;
    chatty.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port + 1)));
    spinUntil([&] { return chatty.state() == QAbstractSocket::ConnectedState; }, 2000);
    chatty.sendTextMessage(QStringLiteral("{\"gollocal\":\"99\"}"));
    chatty.sendTextMessage(QString(8000, QLatin1Char('z')));

    spinUntil([&] { return false; }, 500);
    EXPECT_LE(lp.feed->findChildren<QTcpSocket*>().size(), qt::FeedServer::kMaxHttpConnections + 2)
        << "the connection bound holds";

    std::vector<QByteArray> replies(sockets.size());
    const bool allClosed = spinUntil(
        [&] {
            bool all = true;
            for (std::size_t i = 0; i < sockets.size(); ++i) {
                replies[i] += sockets[i]->readAll();
                if (sockets[i]->state() != QAbstractSocket::UnconnectedState) all = false;
            }
            return all;
        },
        4000);
    EXPECT_TRUE(allClosed) << "every bad or slow connection is closed by the server";
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        const QByteArray status = statusLine(replies[i]);
        if (attacks[i].allowedStatus.isEmpty())
            EXPECT_TRUE(status.isEmpty() || status.startsWith("HTTP/1.1 4"))
                << attacks[i].what << ": " << status.constData();
        else
            EXPECT_TRUE(status.startsWith(attacks[i].allowedStatus)) << attacks[i].what << ": " << status.constData();
    }
    EXPECT_NE(chatty.state(), QAbstractSocket::ConnectedState) << "an oversized frame closes the page";

    // Let the clock run a little more with the crowd still knocking.
    spinUntil([&] { return ticks.at.size() >= 4; }, 6000);
    lp.p.form1().removeListener(&ticks);
    ASSERT_GE(ticks.at.size(), 4u) << "the game clock stopped ticking";
    for (std::size_t i = 1; i < ticks.at.size(); ++i)
        EXPECT_LT(ticks.at[i] - ticks.at[i - 1], 1900) << "a second was held up past the next one";
    EXPECT_EQ(lp.p.form1()["gollocal"].text(), "0");
    EXPECT_EQ(lp.p.form1()["golvisita"].text(), "0");
    EXPECT_TRUE(lp.feed->running());
    // And the server still answers a good request.
    EXPECT_EQ(statusLine(exchange(port, "GET /estado.json HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n").reply),
              "HTTP/1.1 200 OK");
}

}  // namespace
}  // namespace tabrino::test
