#include "win_sync.h"

#include <mutex>

namespace {
std::recursive_mutex& lockOf(LPCRITICAL_SECTION section) {
    return *static_cast<std::recursive_mutex*>(section->Lock);
}
}  // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
    section->Lock = new std::recursive_mutex();
}

void DeleteCriticalSection(LPCRITICAL_SECTION section) {
    delete &lockOf(section);
    section->Lock = nullptr;
}

void EnterCriticalSection(LPCRITICAL_SECTION section) {
    lockOf(section).lock();
}

void LeaveCriticalSection(LPCRITICAL_SECTION section) {
    lockOf(section).unlock();
}
