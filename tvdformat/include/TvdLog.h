#pragma once
// Where the firmware-file reader reports what it refused. Lines go nowhere
// until a host routes them into its own log, as the download library does;
// the builder and the describer of tvdbuild leave them unrouted.
#include <cstdarg>

#if defined(__GNUC__)
#define TVD_PRINTF(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define TVD_PRINTF(formatIndex, firstArgument)
#endif

namespace TvdLog {

enum class Level { Error, Warning };

// The format and its arguments as given, so the host formats (or skips) them.
using Sink = void (*)(Level level, const char* format, va_list args);

// Null stops the routing. Returns true, so a host can set it in an initializer.
bool SetSink(Sink sink);
void Report(Level level, const char* format, ...) TVD_PRINTF(2, 3);

}  // namespace TvdLog
