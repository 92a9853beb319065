#pragma once
#include <string>

// Whole-file text I/O; writes go to a temporary file that is renamed over the
// target, so a reader never sees a half-written file.
class TextFile {
public:
    static bool read(const std::string& path, std::string& text);
    static bool writeAtomic(const std::string& path, const std::string& text);
    static bool exists(const std::string& path);
    static bool makeParentFolders(const std::string& path);
};
