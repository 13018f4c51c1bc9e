// Measures how long the toolbar stops handling events while a browser saves a picture
// into it directly (XDS): the real toolbar window and the real X11 direct save, and the
// test drag source (xdssource) in another X client, which answers at once and then writes
// the picture slowly, as a browser downloading it does. Prints the longest stretch
// without event handling from the drop until the picture is saved: target at most 50 ms.
// Usage: xdsbench [rounds] (default 3). Needs an X display (scripts/bench.sh starts Xvfb).

#include "desktop/fake/fakedesktop.h"
#include "desktop/platform.h"
#include "toolbar/ui/dialoghost.h"
#include "toolbar/ui/frmdrop.h"
#include "toolbar/ui/spotsquare.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace toolbar;

namespace fs = std::filesystem;

namespace {

constexpr double TargetMs = 50.0;
constexpr int PictureBytes = 64 * 1024; // written 1 KB every 20 ms: about 1.3 s
constexpr int AnswerDelayMs = 500;      // the browser fetching the picture before it writes

class NoDialogs final : public DialogHost
{
public:
    QWidget *nameDetails(int) override { return nullptr; }
    void openConfigureDropSpots() override {}
    void openOptions() override {}
    void openHelp() override {}
    void openAbout() override {}
};

// Ticks as often as the event loop lets it; the longest gap between ticks is the longest
// stretch in which no event was handled.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, static_cast<double>(m_clock.nsecsElapsed()) / 1e6);
            m_clock.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

bool numberedFileIn(const fs::path &folder)
{
    for (const auto &entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind("Flower-", 0) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("xdsbench: needs an X display (platform %s)\n", qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path work = fs::temp_directory_path() / "stowlet-xdsbench";
    fs::remove_all(work);
    fs::create_directories(work / "spot");
    const fs::path picture = work / "picture.jpg";
    std::ofstream(picture, std::ios::binary) << std::string("\xFF\xD8\xFF\xE0") + std::string(PictureBytes - 4, 'x');

    FakeDesktop desktop;
    Globals globals;
    globals.options = Options::defaults();
    globals.DropSpots.push_back(DropSpot{});
    globals.DropSpots[0].FolderPath = (work / "spot").string();
    globals.DropSpots[0].Color = "255";
    globals.DropSpots[0].BaseName = "Flower";
    globals.DropSpots[0].SequenceNumber = "000";
    // The platform puts its direct save in place; the rest of the desktop is the fake.
    const std::unique_ptr<Platform> platform = createPlatform("xdsbench");
    NoDialogs dialogs;
    AppContext context{globals, desktop.services(), nullptr, nullptr};
    frmDrop toolbar(context, dialogs);
    context.toolbar = &toolbar;
    toolbar.show();
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    app.exec();
    auto *square = toolbar.findChild<SpotSquare *>(QStringLiteral("picSpot"));
    const QPoint at = square->mapToGlobal(square->rect().center());

    // The same measure with nothing dropped: what the machine's own load accounts for.
    StallMeter meter;
    QElapsedTimer idle;
    meter.start();
    idle.start();
    while (idle.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("idle toolbar, 2 s: longest stretch without event handling %.1f ms\n", meter.stop());

    std::printf("XDS drop of a %d KB picture written over about %.1f s, %d rounds\n", PictureBytes / 1024,
                (AnswerDelayMs + PictureBytes / 1024 * 20) / 1000.0, rounds);
    std::printf("%6s %12s %24s\n", "round", "saved after", "longest stall (ms)");
    double worst = 0;
    for (int round = 1; round <= rounds; ++round) {
        fs::remove_all(work / "spot");
        fs::create_directories(work / "spot");
        QProcess source;
        QElapsedTimer clock;
        meter.start();
        clock.start();
        source.start(QStringLiteral(XDS_SOURCE),
                     {"--target", QString::number(toolbar.winId()), "--at",
                      QStringLiteral("%1,%2").arg(at.x()).arg(at.y()), "--fixture",
                      QStringLiteral(FIXTURES "/firefox-x11-jpeg"), "--xds-name", "kitten.jpg", "--xds-file",
                      QString::fromStdString(picture.string()), "--write-delay-ms", QString::number(AnswerDelayMs)});
        while (!numberedFileIn(work / "spot") && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const double longest = meter.stop();
        const bool saved = numberedFileIn(work / "spot");
        source.waitForFinished(5000);
        worst = std::max(worst, longest);
        std::printf("%6d %10.0f ms %24.1f%s\n", round, static_cast<double>(clock.elapsed()), longest,
                    saved ? "" : "  (nothing saved)");
    }
    std::printf("longest stretch without event handling during the drop: %.1f ms (target at most %.0f ms): %s\n", worst,
                TargetMs, worst <= TargetMs ? "met" : "NOT met");
    fs::remove_all(work);
    return 0;
}
