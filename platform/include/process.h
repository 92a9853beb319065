#pragma once
// The C runtime's thread start, as Windows declares it.
#include "win_base.h"

typedef unsigned(__stdcall* _beginthreadex_proc_type)(void*);

// Returns the thread handle, or 0 with errno set.
uintptr_t _beginthreadex(void* security, unsigned stackSize, _beginthreadex_proc_type start,
                         void* argument, unsigned initFlag, unsigned* threadId);
