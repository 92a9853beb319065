#include "TvdLog.h"

#include <atomic>

namespace {
// A download's worker thread reads files while the caller's thread may
// configure the log for the first time.
std::atomic<TvdLog::Sink> theSink{nullptr};
}  // namespace

bool TvdLog::SetSink(Sink sink) {
    theSink = sink;
    return true;
}

void TvdLog::Report(Level level, const char* format, ...) {
    Sink sink = theSink;
    if (sink == nullptr)
        return;
    va_list args;
    va_start(args, format);
    sink(level, format, args);
    va_end(args);
}
