#include "Log.h"

#include "LogConfig.h"
#include "TvdLog.h"

#include <cstdarg>

namespace {

void LogFileFormatLine(TvdLog::Level level, const char* format, va_list args) FWDL_PRINTF(2, 0);

void LogFileFormatLine(TvdLog::Level level, const char* format, va_list args) {
    DWORD type = level == TvdLog::Level::Warning ? LogType::Warning : LogType::Error;
    LogConfig& config = TheLogConfig();
    if (config.IsEnabled(type))
        config.LogV(LogConfig::AllDestinations, type, format, args);
}

}  // namespace

// The firmware-file reader reports into this log from the log's first use
// on: before that nothing has configured it, so nothing would be written.
LogConfig& TheLogConfig() {
    static LogConfig config;
    [[maybe_unused]] static const bool routed = TvdLog::SetSink(&LogFileFormatLine);
    return config;
}

void FwdlLog(DWORD type, const char* format, ...) {
    LogConfig& config = TheLogConfig();
    if (!config.IsEnabled(type))
        return;
    va_list args;
    va_start(args, format);
    config.LogV(LogConfig::AllDestinations, type, format, args);
    va_end(args);
}
