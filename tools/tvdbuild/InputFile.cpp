#include "InputFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool InputFile::Read(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::error_code code;
    std::filesystem::file_status status = std::filesystem::status(path, code);
    if (code || !std::filesystem::is_regular_file(status)) {
        error = "cannot read '" + path +
                "': " + (code ? code.message() : std::string("not a regular file"));
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read '" + path + "'";
        return false;
    }
    bytes.clear();
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
        if (bytes.size() > MaxBytes) {
            error = "cannot read '" + path + "': larger than " + std::to_string(MaxBytes >> 20) +
                    " MiB";
            return false;
        }
    }
    if (in.bad()) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return true;
}
