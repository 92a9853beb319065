#pragma once
// Kernel objects: handles, events and waiting.
#include "win_base.h"

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_ABANDONED 0x00000080L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)

BOOL CloseHandle(HANDLE object);
HANDLE CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState,
                    LPCSTR name);
// Only named mutexes, and only what a single-holder test needs: whether the
// name is already held (GetLastError gives ERROR_ALREADY_EXISTS) across the
// processes of the machine, until every handle is closed. Not waitable.
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);
BOOL SetEvent(HANDLE event);
BOOL ResetEvent(HANDLE event);
// Waits on an event or a thread; the time limit runs on the layer's clock.
DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds);
