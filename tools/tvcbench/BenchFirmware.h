#pragma once
// The benchmark's firmware: a version 0 file with one program image of a
// given size, written once, with the header fields a download start carries.
#include "TvdBuilder.h"

#include <string>

class BenchFirmware {
public:
    // False when the file cannot be built or written.
    bool Write(const std::string& path, uint32_t imageSize);

    const std::string& Path() const { return m_Path; }
    const TvdContent& Content() const { return m_Content; }
    uint32_t ImageCrc() const { return m_ImageCrc; }

private:
    std::string m_Path;
    TvdContent m_Content;
    uint32_t m_ImageCrc = 0;
};
