#include "common/clswaitabletimer.h"
#include "desktop/windows/win32messagewait.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// A message-only window that counts what it is sent and, the first time, looks for the
// wait's named timer.
struct Receiver
{
    int handled = 0;
    bool timerFoundByName = false;
    std::string programName;
};

Receiver *g_receiver = nullptr;

// The wait's timer, opened by its name as another program of the same name would.
HANDLE openNamedTimer(const std::string &programName)
{
    // The name was made when the wait began, at most a second ago.
    const SYSTEMTIME now = [] {
        SYSTEMTIME t;
        GetLocalTime(&t);
        return t;
    }();
    for (int back = 0; back <= 1; ++back) {
        const int total = now.wMinute * 60 + now.wSecond - back + 3600;
        const std::string name = clsWaitableTimer::TimerName(programName, (total / 60) % 60, total % 60);
        if (HANDLE timer = OpenWaitableTimerA(SYNCHRONIZE | TIMER_MODIFY_STATE, FALSE, name.c_str()))
            return timer;
    }
    return nullptr;
}

bool namedTimerExists(const std::string &programName)
{
    const HANDLE timer = openNamedTimer(programName);
    if (timer)
        CloseHandle(timer);
    return timer != nullptr;
}

LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP && g_receiver) {
        if (g_receiver->handled++ == 0)
            g_receiver->timerFoundByName = namedTimerExists(g_receiver->programName);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class MessageWait : public ::testing::Test
{
protected:
    MessageWait()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = receive;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "StowletWaitReceiver";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "StowletWaitReceiver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        receiver.programName = platform.programName();
        g_receiver = &receiver;
    }
    ~MessageWait() override
    {
        g_receiver = nullptr;
        DestroyWindow(window);
    }

    static double cpuSeconds()
    {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        auto seconds = [](const FILETIME &t) {
            return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
        };
        return seconds(kernel) + seconds(user);
    }

    Win32MessageWait platform;
    Receiver receiver;
    HWND window = nullptr;
};

TEST_F(MessageWait, HundredMillisecondsWithAPostedMessageHandledOnTheWay)
{
    ASSERT_NE(window, nullptr);
    clsWaitableTimer timer(platform);
    const std::int32_t milliSeconds = 100;
    PostMessageA(window, WM_APP, 0, 0);
    const auto start = Clock::now();
    timer.Wait(milliSeconds);
    const auto elapsed = Clock::now() - start;

    EXPECT_EQ(receiver.handled, 1);
    EXPECT_TRUE(receiver.timerFoundByName) << "the timer is made under the program's name and the time";
    EXPECT_GE(elapsed, std::chrono::milliseconds(100));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
    EXPECT_EQ(milliSeconds, 100);
    EXPECT_EQ(timer.TimerHandle(), 0u);
}

TEST_F(MessageWait, MessagesArrivingDuringTheWaitAreHandledAndTheWaitGoesOn)
{
    std::thread sender([this] {
        for (int i = 0; i < 3; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            PostMessageA(window, WM_APP, 0, 0);
        }
    });
    clsWaitableTimer timer(platform);
    const auto start = Clock::now();
    timer.Wait(300);
    const auto elapsed = Clock::now() - start;
    sender.join();
    EXPECT_EQ(receiver.handled, 3);
    EXPECT_GE(elapsed, std::chrono::milliseconds(300));
}

TEST_F(MessageWait, AnotherProgramsShorterWaitOnTheSharedTimerDoesNotEndOursEarly)
{
    std::thread other([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        if (const HANDLE timer = openNamedTimer(receiver.programName)) {
            LARGE_INTEGER soon;
            soon.QuadPart = -20 * 10000;
            SetWaitableTimer(timer, &soon, 0, nullptr, nullptr, FALSE);
            CloseHandle(timer);
        }
    });
    clsWaitableTimer timer(platform);
    const auto start = Clock::now();
    timer.Wait(400);
    const auto elapsed = Clock::now() - start;
    other.join();
    EXPECT_GE(elapsed, std::chrono::milliseconds(400));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1500));
}

TEST_F(MessageWait, ASecondWithoutInputCostsNoProcessorTime)
{
    clsWaitableTimer timer(platform);
    const double before = cpuSeconds();
    const auto start = Clock::now();
    timer.Wait(1000);
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1000));
    EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
    EXPECT_LT(cpuSeconds() - before, 0.2);
}

TEST_F(MessageWait, ProgramNameIsTheExecutablesNameWithoutExtension)
{
    EXPECT_EQ(platform.programName(), "windows_tests");
}

} // namespace
