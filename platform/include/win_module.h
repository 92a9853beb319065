#pragma once
// Modules, their loading and entry point, and debugger output. Off Windows a
// module handle is any address inside the module (a null handle names the
// program itself); loaded libraries are shared objects.
#include "win_base.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004

typedef LONG_PTR(WINAPI* FARPROC)();

HMODULE LoadLibraryA(LPCSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);
// With GET_MODULE_HANDLE_EX_FLAG_PIN the module stays loaded until the process ends.
BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module);
// Thread notifications are never sent off Windows.
BOOL DisableThreadLibraryCalls(HMODULE module);

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
// Writes to standard error, where a debugger would show it.
void OutputDebugStringA(LPCSTR text);
