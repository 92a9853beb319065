#pragma once
// Stand-in for the Windows API surface the project uses, implemented on POSIX.
#include "win_base.h"
#include "win_device.h"
#include "win_handle.h"
#include "win_module.h"
#include "win_profile.h"
#include "win_registry.h"
#include "win_security.h"
#include "win_sync.h"
#include "win_thread.h"
#include "win_time.h"
