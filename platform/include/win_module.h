#pragma once
// Modules and debugger output. Off Windows a module handle is any address
// inside the module (a null handle names the program itself).
#include "win_base.h"

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
// Writes to standard error, where a debugger would show it.
void OutputDebugStringA(LPCSTR text);
