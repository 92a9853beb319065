#pragma once
// Time. Sleep and GetTickCount run on the layer's one clock, which
// TVC_SIM_TIME_SCALE speeds up; GetLocalTime is the wall clock.
#include "win_base.h"

typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *LPSYSTEMTIME;

void Sleep(DWORD milliseconds);
DWORD GetTickCount();
void GetLocalTime(LPSYSTEMTIME time);
