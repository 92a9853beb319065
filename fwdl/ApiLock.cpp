#include "ApiLock.h"

ApiLock::ApiLock() {
    InitializeCriticalSection(&m_Lock);
}

ApiLock::~ApiLock() {
    DeleteCriticalSection(&m_Lock);
}
