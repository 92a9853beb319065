#include "LogCapture.h"
#include "TThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Runs until released, or until stopped when it watches the stop event.
class HeldThread : public TThread {
public:
    explicit HeldThread(bool watchStop) : watchStop_(watchStop) {}
    ~HeldThread() override { CloseHandle(release_); }
    void Release() { SetEvent(release_); }
    DWORD WorkerId() const { return workerId_; }

protected:
    void ThreadRoutine() override {
        workerId_ = GetCurrentThreadId();
        WaitForSingleObject(watchStop_ ? StopEvent() : release_, INFINITE);
    }

private:
    bool watchStop_;
    HANDLE release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<DWORD> workerId_{0};
};

bool EndsWithin(const TThread& thread, std::chrono::seconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (thread.IsRunning() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return !thread.IsRunning();
}

std::string StartedLine(DWORD id) {
    char text[80];
    std::snprintf(text, sizeof text, "INFO: Start: thread with thread ID 0x%X started.\n",
                  unsigned(id));
    return text;
}

TEST(TThread, SecondStartWhileRunningIsRefused) {
    LogCapture capture;
    HeldThread thread(false);
    ASSERT_EQ(0u, thread.Start());
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_EQ(1u, thread.Start());
    thread.Release();
    ASSERT_TRUE(EndsWithin(thread, std::chrono::seconds(10)));
    EXPECT_EQ("INFO: Start: starting new thread ...\n" + StartedLine(thread.WorkerId()) +
                  "ERROR: Start: thread is already running\n",
              capture.Text());
    EXPECT_EQ(0u, thread.Start());
    ASSERT_TRUE(EndsWithin(thread, std::chrono::seconds(10)));
}

TEST(TThread, StopSignalsTheRoutineAndWaitsForItsEnd) {
    LogCapture capture;
    HeldThread thread(true);
    thread.Stop();
    ASSERT_EQ(0u, thread.Start());
    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(
        "ERROR: Stop: no running thread to stop.\n"
        "INFO: Start: starting new thread ...\n" +
            StartedLine(thread.WorkerId()) +
            "INFO: Stop: stopping thread...\n"
            "INFO: Stop: thread stopped.\n",
        capture.Text());
}

}  // namespace
