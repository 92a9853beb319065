#pragma once
#include "KernelObject.h"

#include <string>

// An open registry key: its full path, the section name in the registry file.
class RegistryKey : public KernelObject {
public:
    explicit RegistryKey(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
