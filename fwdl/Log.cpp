#include "Log.h"

#include "LogConfig.h"

#include <cstdarg>

LogConfig& TheLogConfig() {
    static LogConfig config;
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
