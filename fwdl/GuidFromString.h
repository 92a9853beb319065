#pragma once
// The interface GUID text of an enumeration ("{8-4-4-4-12}" with braces).
#include <windows.h>

// 0 on success, 1 when the text is null or cannot be parsed.
DWORD GuidFromString(const char* text, GUID* guid);
