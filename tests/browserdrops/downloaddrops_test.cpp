// Pictures a drop names only by their web address (a large picture dragged from Chromium on
// X11, a mail client's link), fetched from a real HTTP server on 127.0.0.1 by the real
// downloader and saved by the drop queue.

#include "desktop/fake/fakedownloader.h"
#include "desktop/linux/qtdownloader.h"
#include "tests/browserdrops/recordeddrop.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropqueue.h"
#include "toolbar/ui/dropreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

using namespace toolbar;

using namespace std::chrono_literals;

namespace {

// Answers each path with a scripted response; "stall" sends the head and part of the body,
// then nothing more. Records every request's head.
class HttpServer
{
public:
    struct Response
    {
        std::string head; // status line and headers, without the blank line
        std::string body;
        bool stall = false;
        bool sized = true; // false: the body ends when the connection does
    };

    HttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { answer(socket); });
        });
    }
    std::string address(const std::string &path) const { return origin() + path; }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(m_server.serverPort()); }

    std::map<std::string, Response> routes;
    std::vector<std::string> requests;

private:
    void answer(QTcpSocket *socket)
    {
        const std::string head = socket->readAll().toStdString();
        requests.push_back(head);
        const std::string path = head.substr(4, head.find(' ', 4) - 4);
        const auto found = routes.find(path);
        const Response response = found == routes.end() ? Response{"HTTP/1.1 404 Not Found", "gone"} : found->second;
        std::string reply = response.head + "\r\nConnection: close\r\n";
        if (response.sized && !response.stall)
            reply += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
        reply += "\r\n" + (response.stall ? response.body.substr(0, response.body.size() / 2) : response.body);
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
        if (!response.stall)
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
};

std::string picture(std::size_t size)
{
    std::string bytes = readFile(fixture("originals/puppy.png"));
    while (bytes.size() < size)
        bytes += static_cast<char>(bytes.size() * 7919 % 251);
    return bytes;
}

class DownloadDrops : public ToolbarFixture
{
protected:
    DownloadDrops()
    {
        setSpots({"spot"});
        folder = globals.DropSpots[0].FolderPath;
        queue.limits.stallTimeout = 500ms;
    }

    // A drop as Chromium offers a large picture: its bytes lost, its address and page left.
    std::vector<RecordedFormat> chromiumDrop(const std::string &path, const std::string &bytes = {}) const
    {
        return {{"text/uri-list", server.address(path)},
                {"text/plain", server.address(path)},
                {"application/octet-stream", bytes},
                {"chromium/x-renderer-taint", server.origin()}};
    }

    void drop(const std::vector<RecordedFormat> &formats)
    {
        queue.add(0, folder, readDrop(*mimeDataOf(formats), folder, nullptr));
    }

    void waitUntilDone()
    {
        QElapsedTimer timer;
        timer.start();
        while (queue.busy() && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    HttpServer server;
    QtDownloader downloader;
    DropQueue queue{app, &downloader};
    std::string folder;
};

TEST_F(DownloadDrops, PicturesArriveAsTheServerHasThem)
{
    const std::string large = picture(3 * 1024 * 1024);
    const std::string jpeg = readFile(fixture("originals/kitten.jpg"));
    server.routes["/big.png"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/png", large};
    server.routes["/moved"] = {"HTTP/1.1 302 Found\r\nLocation: /photos/kitten.jpg", ""};
    server.routes["/photos/kitten.jpg"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/jpeg", jpeg};
    // The server names the file; the bytes say it is a JPEG, whatever the name says.
    server.routes["/get?id=7"] = {
        "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Disposition: attachment; "
        "filename=\"holiday.png\"",
        jpeg};
    for (const char *path : {"/big.png", "/moved", "/get?id=7"}) {
        drop(chromiumDrop(path));
        waitUntilDone();
    }
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.png", "Flower-002.jpg", "Flower-003.jpg"}));
    EXPECT_EQ(readFile(folder + "/Flower-001.png"), large);
    EXPECT_EQ(readFile(folder + "/Flower-002.jpg"), jpeg);
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "Flower-003.jpg");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_NE(std::find(toolbar.captions.begin(), toolbar.captions.end(), "Downloading 100%"), toolbar.captions.end());
    // The page as Referer and a browser's User-Agent, as picture hosts expect.
    EXPECT_NE(server.requests[0].find("Referer: " + server.origin() + "/\r\n"), std::string::npos);
    EXPECT_NE(server.requests[0].find(std::string("User-Agent: ") + DownloadUserAgent), std::string::npos);
}

TEST_F(DownloadDrops, AFailedDownloadSaysWhyAndLeavesNothing)
{
    queue.limits.maxBytes = 100000;
    const std::string large = picture(200000);
    server.routes["/gallery.html"] = {"HTTP/1.1 200 OK\r\nContent-Type: text/html", "<html>a gallery</html>"};
    server.routes["/slow.png"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: 9000", picture(9000),
                                  true};
    server.routes["/huge.png"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/png", large};
    server.routes["/unsized.png"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/png", large, false, false};
    const struct
    {
        const char *path;
        const char *reason;
    } cases[] = {
        {"/missing.png", "HTTP 404 Not Found"},
        {"/gallery.html", "Not a picture"},
        {"/slow.png", "Timed out"},
        {"/huge.png", "Too large"},
        {"/unsized.png", "Too large"},
    };
    for (const auto &c : cases) {
        desktop.messages.clear();
        drop(chromiumDrop(c.path));
        waitUntilDone();
        EXPECT_EQ(desktop.messages, std::vector<std::string>{std::string(DownloadFailedMessage) + "\r" +
                                                             server.address(c.path) + "\r" + c.reason})
            << c.path;
        EXPECT_TRUE(std::filesystem::is_directory(folder) && folderNames(folder).empty()) << c.path;
    }
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "000");
}

TEST_F(DownloadDrops, TheBrowsersOwnDataComesBeforeOrAfterTheDownload)
{
    const std::string original = readFile(fixture("originals/puppy.png"));
    server.routes["/puppy.png"] = {"HTTP/1.1 200 OK\r\nContent-Type: image/png", original};
    // The bytes are there: no request at all.
    drop(chromiumDrop("/puppy.png", original));
    waitUntilDone();
    EXPECT_TRUE(server.requests.empty());

    // The download fails: the browser's re-encoded picture is saved, and the caption says so.
    auto reencoded = chromiumDrop("/gone.png");
    reencoded.push_back({"image/png", readFile(fixture("firefox-x11-png-query/11.bin"))});
    drop(reencoded);
    waitUntilDone();
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.png", "Flower-002.png"}));
    EXPECT_EQ(readFile(folder + "/Flower-002.png"), reencoded.back().bytes);
    EXPECT_EQ(toolbar.captions.back(), SavedBrowserCopyCaption);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DownloadDrops, LaterDropsWaitForTheDownloadBeforeThem)
{
    FakeDownloader fake;
    DropQueue waiting(app, &fake);
    const std::string jpeg = readFile(fixture("originals/kitten.jpg"));
    waiting.add(0, folder, readDrop(*mimeDataOf(chromiumDrop("/a")), folder, nullptr));
    waiting.add(0, folder, readDrop(*mimeDataOf(chromiumDrop("/b.png", jpeg)), folder, nullptr));
    EXPECT_EQ(fake.requests.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(folder) && folderNames(folder).empty()); // the second drop waits its turn
    fake.finishNext(jpeg, {true, "", "image/jpeg", "", server.address("/a")});
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.jpg", "Flower-002.jpg"}));
    EXPECT_FALSE(waiting.busy());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
