#include "LogConfig.h"

#include "LogLine.h"
#include "LogProfile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const char* const kDefaultNames[] = {"ERROR", "WARNING", "INFO", "DATA"};
constexpr DWORD kDefaultEnabledTypes = 0x7;
constexpr DWORD kDefaultTraceViewPrefix = 0x0E;
constexpr DWORD kDefaultLogFilePrefix = 0x1A;
constexpr DWORD kEnableLoggingMaxSize = 5000000;

struct PrefixKey {
    DWORD flag;
    const char* key;
};
const PrefixKey kPrefixKeys[] = {{LogPrefix::ThreadId, "ThreadIdExtension"},
                                 {LogPrefix::ModuleToken, "ModuleTokenExtension"},
                                 {LogPrefix::Type, "TypeExtension"},
                                 {LogPrefix::Time, "TimeExtension"}};

void CopyName(char (&out)[20], const char* text) {
    std::snprintf(out, sizeof out, "%s", text);
}

std::string TypeSection(int n) {
    return "LogType" + std::to_string(n);
}

}  // namespace

LogConfig::LogConfig() : logFile_(*this) {
    SetDefaults();
}

LogConfig::~LogConfig() {
    logFileEnabled_ = false;
    logFile_.Close();
}

void LogConfig::Configure(HMODULE module) {
    SetCfgFile(module);
    ConfigureFrom(cfgFile_);
}

void LogConfig::ConfigureFrom(const std::string& cfgFile) {
    cfgFile_ = cfgFile;
    LogProfile profile(cfgFile_);
    if (profile.Exists() && !profile.IsEmpty()) {
        Read(profile);
        return;
    }
    SetDefaults();
    if (profile.Exists())
        WriteDefaults(profile);
}

DWORD LogConfig::SetCfgFile(HMODULE module) {
    char name[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, name, MAX_PATH);
    // A name that filled the buffer was cut and would name the wrong file.
    if (length == 0 || length >= MAX_PATH) {
        DWORD error = GetLastError();
        Log(LogType::Error, "SetCfgFile: GetModuleFileName failed with error = %d\n", int(error));
        cfgFile_.clear();
        return error;
    }
    cfgFile_ = std::filesystem::path(name).replace_extension("cfg").string();
    return ERROR_SUCCESS;
}

void LogConfig::SetDefaults() {
    CopyName(moduleToken_, "TVCFWDL");
    for (int i = 0; i < TypeCount; ++i) {
        types_[i].mask = DWORD(1) << i;
        CopyName(types_[i].name, i < 4 ? kDefaultNames[i] : "");
    }
    enabledTypes_ = kDefaultEnabledTypes;
    traceViewPrefix_ = kDefaultTraceViewPrefix;
    traceViewEnabled_ = false;
    logFilePrefix_ = kDefaultLogFilePrefix;
    logFileEnabled_ = false;
}

void LogConfig::WriteDefaults(const LogProfile& profile) const {
    profile.Set("Common", "ModuleToken", moduleToken_);
    for (int n = 1; n <= TypeCount; ++n) {
        std::string section = TypeSection(n);
        profile.Set(section.c_str(), "Name", types_[n - 1].name);
        profile.Set(section.c_str(), "Enabled", IsEnabled(types_[n - 1].mask) ? "1" : "0");
    }
    profile.Set("TraceView", "Enabled", "0");
    WritePrefixDefaults(profile, "TraceView", traceViewPrefix_);
    WritePrefixDefaults(profile, "LogFile", logFilePrefix_);
    profile.Set("LogFile", "PathAndName", "");
    profile.Set("LogFile", "MaxSize", "5000000");
    profile.Set("LogFile", "CheckSizeAfterEachEntry", "0");
}

void LogConfig::WritePrefixDefaults(const LogProfile& profile, const char* section,
                                    DWORD flags) const {
    for (const PrefixKey& prefix : kPrefixKeys)
        profile.Set(section, prefix.key, (flags & prefix.flag) ? "1" : "0");
}

void LogConfig::Read(const LogProfile& profile) {
    CopyName(moduleToken_, profile.Get("Common", "ModuleToken").c_str());
    enabledTypes_ = 0;
    for (int n = 1; n <= TypeCount; ++n) {
        std::string section = TypeSection(n);
        if (profile.Flag(section.c_str(), "Enabled"))
            enabledTypes_ |= DWORD(1) << (n - 1);
        CopyName(types_[n - 1].name, profile.Get(section.c_str(), "Name").c_str());
    }
    traceViewPrefix_ = ReadPrefixFlags(profile, "TraceView");
    traceViewEnabled_ = profile.Flag("TraceView", "Enabled");
    logFilePrefix_ = ReadPrefixFlags(profile, "LogFile");
    std::string path = profile.Get("LogFile", "PathAndName");
    DWORD maxSize = DWORD(std::strtoul(profile.Get("LogFile", "MaxSize").c_str(), nullptr, 10));
    bool check = profile.Flag("LogFile", "CheckSizeAfterEachEntry");
    logFileEnabled_ = !path.empty() && logFile_.Open(path.c_str(), maxSize, check);
}

DWORD LogConfig::ReadPrefixFlags(const LogProfile& profile, const char* section) {
    DWORD flags = 0;
    for (const PrefixKey& prefix : kPrefixKeys)
        if (profile.Flag(section, prefix.key))
            flags |= prefix.flag;
    return flags;
}

bool LogConfig::EnableLogging(const char* path) {
    LogProfile profile(cfgFile_);
    if (path != nullptr) {
        bool opened = logFile_.Open(path, kEnableLoggingMaxSize, false);
        logFileEnabled_ = opened;
        if (profile.Exists()) {
            profile.Set("LogFile", "PathAndName", path);
            profile.Set("LogFile", "MaxSize", "5000000");
            profile.Set("LogFile", "CheckSizeAfterEachEntry", "0");
        }
        return opened;
    }
    logFileEnabled_ = false;
    bool closed = logFile_.Close();
    if (profile.Exists())
        profile.Set("LogFile", "PathAndName", "");
    return closed;
}

void LogConfig::Log(DWORD type, const char* format, ...) {
    if (!IsEnabled(type))
        return;
    va_list args;
    va_start(args, format);
    LogV(AllDestinations, type, format, args);
    va_end(args);
}

// An entry with nowhere to go is neither formatted nor stamped: a download
// logs every block, and without a destination that cost is all waste.
void LogConfig::LogV(DWORD destinations, DWORD type, const char* format, va_list args) {
    bool traceView = traceViewEnabled_ && (destinations & TraceViewOnly);
    bool logFile = logFileEnabled_ && (destinations & LogFileOnly);
    if (!IsEnabled(type) || !(traceView || logFile))
        return;
    char text[MessageSize];
    Format(text, format, args);
    Emit(destinations, EntryFor(type), text);
}

const LogConfig::TypeEntry& LogConfig::EntryFor(DWORD type) const {
    for (const TypeEntry& entry : types_)
        if (entry.mask == type)
            return entry;
    return types_[0];
}

void LogConfig::Format(char (&text)[MessageSize], const char* format, va_list args) {
    if (std::vsnprintf(text, MessageSize, format, args) < 0)
        std::snprintf(text, MessageSize, "_____FAULTY_LOG_ENTRY: %s", format);
}

void LogConfig::Emit(DWORD destinations, const TypeEntry& type, const char* text) {
    LogLineParts parts{GetCurrentThreadId(), SYSTEMTIME{}, moduleToken_, type.name};
    GetLocalTime(&parts.time);
    if (traceViewEnabled_ && (destinations & TraceViewOnly)) {
        LogLine line(traceViewPrefix_, parts, text);
        OutputDebugStringA(line.Text());
    }
    if (logFileEnabled_ && (destinations & LogFileOnly)) {
        LogLine line(logFilePrefix_, parts, text);
        if (!logFile_.WriteEntry(line.Text())) {
            logFileEnabled_ = false;
            Log(LogType::Error, "Logging to the logfile failed.\n");
            logFileEnabled_ = true;
        }
    }
}
