#pragma once
// Reads and writes the keys of the log configuration file.
#include <string>

class LogProfile {
public:
    explicit LogProfile(std::string path) : path_(std::move(path)) {}
    virtual ~LogProfile() = default;

    bool Exists() const;
    bool IsEmpty() const;
    // A missing key reads as empty.
    std::string Get(const char* section, const char* key) const;
    // "1" means on, anything else (a missing key too) off.
    bool Flag(const char* section, const char* key) const;
    void Set(const char* section, const char* key, const char* value) const;

private:
    std::string path_;
};
