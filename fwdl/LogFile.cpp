#include "LogFile.h"

#include "LogConfig.h"

#include <cstdarg>
#include <filesystem>
#include <system_error>

LogFile::~LogFile() {
    if (stream_ != nullptr)
        std::fclose(stream_);
}

bool LogFile::Open(const char* path, DWORD maxSize, bool checkAfterEachEntry) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (stream_ != nullptr && !Close())
        Note(LogType::Warning, "Open log file: closing previous log file failed.\n");
    path_ = path;
    maxSize_ = maxSize;
    checkAfterEachEntry_ = checkAfterEachEntry;
    if (!BackupIfRequired()) {
        Note(LogType::Error, "Open log file: BackupIfRequired failed\n");
        return false;
    }
    Note(LogType::Info, "Open log file \"%s\" ...\n", path_.c_str());
    stream_ = std::fopen(path_.c_str(), "a+");
    if (stream_ == nullptr) {
        Note(LogType::Error,
             "Open log file: couldn\xB4"
             "t open the log file \"%s\".\n",
             path_.c_str());
        return false;
    }
    return true;
}

bool LogFile::Close() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (stream_ == nullptr) {
        Note(LogType::Info, "Close: no open log file to close.\n");
        return true;
    }
    Note(LogType::Info, "Close: closing log file \"%s\" ...\n", path_.c_str());
    int result = std::fclose(stream_);
    stream_ = nullptr;
    if (result != 0) {
        Note(LogType::Error, "Close: an error occurred while closing log file \"%s\".\n",
             path_.c_str());
        return false;
    }
    return true;
}

bool LogFile::WriteEntry(const char* text) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (stream_ == nullptr) {
        Note(LogType::Error,
             "WriteEntry: couldn\xB4"
             "t write log file because there is no open file\n");
        return false;
    }
    if (std::fputs(text, stream_) < 0) {
        Note(LogType::Error, "WriteEntry: writing \"%s\" in the log file buffer failed\n", text);
        return false;
    }
    if (std::fflush(stream_) != 0) {
        Note(LogType::Error, "WriteEntry: flushing \"%s\" in the log file failed\n", text);
        return false;
    }
    if (checkAfterEachEntry_ && !BackupIfRequired()) {
        Note(LogType::Error,
             "WriteEntry: BackupIfRequired failed after writing entry \"%s\" in the log file\n",
             text);
        return false;
    }
    return true;
}

bool LogFile::BackupIfRequired() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (error) {
        if (stream_ == nullptr)
            return true;
        Note(LogType::Error, "BackupIfRequired: _stat failed for log file \"%s\"\n", path_.c_str());
        return false;
    }
    if (size < 1 || size <= maxSize_)
        return true;
    bool reopen = CloseForBackup();
    if (!MoveToBackup())
        return false;
    if (!reopen)
        return true;
    Note(LogType::Info, "opening new log file \"%s\" ...\n", path_.c_str());
    stream_ = std::fopen(path_.c_str(), "a+");
    if (stream_ == nullptr) {
        Note(LogType::Error,
             "couldn\xB4"
             "t open new log file \"%s\"\n",
             path_.c_str());
        return false;
    }
    return true;
}

// Returns whether a file was open and so has to be opened again.
bool LogFile::CloseForBackup() {
    if (stream_ == nullptr)
        return false;
    Note(LogType::Info, "BackupIfRequired: closing current log file ...\n");
    if (std::fclose(stream_) != 0)
        Note(LogType::Warning,
             "BackupIfRequired: couldn\xB4"
             "t close current log file\n");
    stream_ = nullptr;
    return true;
}

bool LogFile::MoveToBackup() {
    std::string backup = std::filesystem::path(path_).replace_extension("bak").string();
    std::error_code error;
    if (std::filesystem::exists(backup, error)) {
        Note(LogType::Info, "BackupIfRequired: deleting old backup file \"%s\" ...\n",
             backup.c_str());
        if (std::remove(backup.c_str()) != 0) {
            Note(LogType::Error,
                 "BackupIfRequired: old backup file couldn\xB4"
                 "t be deleted\n");
            return false;
        }
    }
    Note(LogType::Info, "BackupIfRequired: creating new backup file \"%s\" ...\n", backup.c_str());
    if (std::rename(path_.c_str(), backup.c_str()) != 0) {
        Note(LogType::Error,
             "BackupIfRequired: couldn\xB4"
             "t rename current log file to create a backup\n");
        return false;
    }
    return true;
}

void LogFile::Note(DWORD type, const char* format, ...) {
    if (!owner_.IsEnabled(type))
        return;
    va_list args;
    va_start(args, format);
    owner_.LogV(LogConfig::TraceViewOnly, type, format, args);
    va_end(args);
}
