#include "ScopedEnv.h"

#include <process.h>
#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;

double realMs(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

TEST(TimeScaleTest, ScaledClockDrivesSleepTicksAndWaits) {
    ScopedEnv scale("TVC_SIM_TIME_SCALE", "100");
    Clock::time_point start = Clock::now();
    DWORD ticks = GetTickCount();
    Sleep(2000);
    DWORD elapsed = GetTickCount() - ticks;
    EXPECT_GE(elapsed, 2000u);
    EXPECT_LT(realMs(start), 1000.0) << "2000 ms at scale 100 take about 20 ms";

    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    start = Clock::now();
    EXPECT_EQ(WaitForSingleObject(event, 3000), WAIT_TIMEOUT);
    EXPECT_LT(realMs(start), 1000.0);
    CloseHandle(event);
}

TEST(TimeScaleTest, ClockNeverRunsBackwardsWhenTheScaleChanges) {
    DWORD before = 0;
    {
        ScopedEnv scale("TVC_SIM_TIME_SCALE", "1000");
        Sleep(5000);
        before = GetTickCount();
    }
    EXPECT_GE(GetTickCount(), before);
    ScopedEnv bad("TVC_SIM_TIME_SCALE", "nonsense");
    DWORD ticks = GetTickCount();
    Sleep(30);
    EXPECT_GE(GetTickCount() - ticks, 30u) << "a bad scale counts as 1";
}

unsigned __stdcall recordThread(void* argument) {
    *static_cast<DWORD*>(argument) = GetCurrentThreadId();
    return 0;
}

TEST(ThreadTest, SuspendedThreadRunsAfterResumeAndSignalsItsEnd) {
    DWORD ranOn = 0;
    unsigned id = 0;
    HANDLE thread = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, recordThread, &ranOn, CREATE_SUSPENDED, &id));
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(WaitForSingleObject(thread, 50), WAIT_TIMEOUT) << "held until resumed";
    EXPECT_EQ(ranOn, 0u);
    EXPECT_EQ(ResumeThread(thread), 1u);
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(ranOn, DWORD(id));
    EXPECT_NE(ranOn, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "a thread's end stays signalled";
    EXPECT_TRUE(CloseHandle(thread));
    EXPECT_EQ(ResumeThread(thread), DWORD(-1));
}

TEST(ThreadTest, EventsAndCriticalSections) {
    HANDLE automatic = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), WAIT_TIMEOUT) << "automatic reset";
    HANDLE manual = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetEvent(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    ResetEvent(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
    CloseHandle(automatic);
    CloseHandle(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_FAILED);

    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);
    LeaveCriticalSection(&section);
    LeaveCriticalSection(&section);
    DeleteCriticalSection(&section);
}

}  // namespace
