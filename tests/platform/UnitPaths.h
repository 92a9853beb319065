#pragma once
#include <setupapi.h>
#include <windows.h>

#include <string>
#include <vector>

// The driver's names, as a caller of the platform layer sees them.
extern const GUID kAudioClass;
extern const char* const kControlPath;

// Device paths of the unit interfaces, enumerated until the first failure;
// lastError receives that failure's code.
std::vector<std::string> enumerateUnitPaths(DWORD& lastError);
HANDLE openPath(const std::string& path, bool overlapped);
