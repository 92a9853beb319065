#pragma once
// The log file destination with its size-triggered backup: at most one
// ".bak" file exists, and the log restarts empty once it grew past the limit.
#include "Log.h"

#include <cstdio>
#include <mutex>
#include <string>

class LogFile {
public:
    explicit LogFile(LogConfig& owner) : owner_(owner) {}
    virtual ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool Open(const char* path, DWORD maxSize, bool checkAfterEachEntry);
    bool Close();
    bool WriteEntry(const char* text);
    bool BackupIfRequired();

private:
    bool CloseForBackup();
    bool MoveToBackup();
    // The file's own messages go to the debugger output only, so that they
    // never recurse into the file.
    void Note(DWORD type, const char* format, ...) FWDL_PRINTF(3, 4);

    LogConfig& owner_;
    std::string path_;
    DWORD maxSize_ = 0;
    bool checkAfterEachEntry_ = false;
    std::FILE* stream_ = nullptr;
    // The download worker and the caller's thread log at the same time; a
    // backup closes and reopens the stream, so writers must not overlap it.
    std::recursive_mutex lock_;
};
