#include "win_time.h"

#include "SimClock.h"

#include <sys/time.h>
#include <time.h>

void Sleep(DWORD milliseconds) {
    SimClock::sleepMs(milliseconds);
}

DWORD GetTickCount() {
    return DWORD(SimClock::nowMs());
}

void GetLocalTime(LPSYSTEMTIME time) {
    struct timeval now;
    gettimeofday(&now, nullptr);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    time->wYear = WORD(local.tm_year + 1900);
    time->wMonth = WORD(local.tm_mon + 1);
    time->wDayOfWeek = WORD(local.tm_wday);
    time->wDay = WORD(local.tm_mday);
    time->wHour = WORD(local.tm_hour);
    time->wMinute = WORD(local.tm_min);
    time->wSecond = WORD(local.tm_sec);
    time->wMilliseconds = WORD(now.tv_usec / 1000);
}
