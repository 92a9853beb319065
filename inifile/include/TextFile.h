#pragma once
#include <string>

// Whole-file text I/O; writes go to a temporary file that is renamed over the
// target, so a reader never sees a half-written file. Only regular files are
// read or replaced: a device, a FIFO or a folder at the path is left alone.
class TextFile {
public:
    static bool read(const std::string& path, std::string& text);
    // Keeps the owner and mode of the file it replaces; refuses a file this
    // process may not write.
    static bool writeAtomic(const std::string& path, const std::string& text);
    static bool exists(const std::string& path);
    static bool makeParentFolders(const std::string& path);
    // The file a path names once symbolic links are followed, so that a
    // write replaces the link's target and not the link.
    static std::string resolve(const std::string& path);
    // Why the file cannot be read and replaced, or empty when it can.
    static std::string problem(const std::string& path);
    // Why the path names something that is not a file to read (a folder, a
    // device, a FIFO), or empty; a missing file is no problem here.
    static std::string readProblem(const std::string& path);
};
