#include "TvdLog.h"

#include <mutex>

namespace {

// A download's worker thread reads files while the caller's thread may
// configure the log for the first time.
std::mutex theSinkLock;
TvdLog::Sink theSink = nullptr;

TvdLog::Sink CurrentSink() {
    std::lock_guard<std::mutex> guard(theSinkLock);
    return theSink;
}

}  // namespace

bool TvdLog::SetSink(Sink sink) {
    std::lock_guard<std::mutex> guard(theSinkLock);
    theSink = sink;
    return true;
}

void TvdLog::Report(Level level, const char* format, ...) {
    Sink sink = CurrentSink();
    if (sink == nullptr)
        return;
    va_list args;
    va_start(args, format);
    sink(level, format, args);
    va_end(args);
}
