#pragma once
// What the library logs, where, and with which prefixes; read from the
// configuration file beside the library ("cfg" instead of its extension).
#include "Log.h"
#include "LogFile.h"

#include <atomic>
#include <cstdarg>
#include <string>

class LogProfile;

class LogConfig {
public:
    static constexpr DWORD TraceViewOnly = 0x1;
    static constexpr DWORD LogFileOnly = 0x2;
    static constexpr DWORD AllDestinations = 0x3;
    static constexpr int TypeCount = 32;
    static constexpr size_t MessageSize = 1024;

    LogConfig();
    virtual ~LogConfig();
    LogConfig(const LogConfig&) = delete;
    LogConfig& operator=(const LogConfig&) = delete;

    // At library load: the configuration file beside the module holding
    // the given address (or, on Windows, the module handle itself).
    void Configure(HMODULE module);
    // Reads the given configuration file; fills it with the defaults when empty.
    void ConfigureFrom(const std::string& cfgFile);
    DWORD SetCfgFile(HMODULE module);
    const std::string& CfgFile() const { return cfgFile_; }

    bool IsEnabled(DWORD type) const { return (enabledTypes_ & type) != 0; }
    void LogV(DWORD destinations, DWORD type, const char* format, va_list args) FWDL_PRINTF(4, 0);

    void Log(DWORD type, const char* format, ...) FWDL_PRINTF(3, 4);
    // Switches the log file on (a path) or off (null) and records it in the
    // configuration file when there is one.
    bool EnableLogging(const char* path);

private:
    struct TypeEntry {
        DWORD mask;
        char name[20];
    };

    void SetDefaults();
    void WriteDefaults(const LogProfile& profile) const;
    void WritePrefixDefaults(const LogProfile& profile, const char* section, DWORD flags) const;
    void Read(const LogProfile& profile);
    static DWORD ReadPrefixFlags(const LogProfile& profile, const char* section);
    const TypeEntry& EntryFor(DWORD type) const;
    static void Format(char (&text)[MessageSize], const char* format, va_list args)
        FWDL_PRINTF(2, 0);
    void Emit(DWORD destinations, const TypeEntry& type, const char* text);

    DWORD enabledTypes_ = 0;
    TypeEntry types_[TypeCount];
    char moduleToken_[20];
    std::string cfgFile_;
    bool traceViewEnabled_ = false;
    DWORD traceViewPrefix_ = 0;
    DWORD logFilePrefix_ = 0;
    LogFile logFile_;
    std::atomic<bool> logFileEnabled_{false};
};
