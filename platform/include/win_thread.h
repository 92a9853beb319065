#pragma once
// Threads (their creation, _beginthreadex, is in <process.h>).
#include "win_base.h"

#define CREATE_SUSPENDED 0x00000004

DWORD GetCurrentThreadId();
DWORD ResumeThread(HANDLE thread);
