#include "BenchFirmware.h"

#include "Crc32.h"

#include <fstream>

bool BenchFirmware::Write(const std::string& path, uint32_t imageSize) {
    m_Content = TvdContent();
    m_Content.firmwareVersion = 0x00020000;
    m_Content.firmwareBuild = 1;
    m_Content.hardwareVersion = 0x00010001;
    m_Content.date = "20250101";
    m_Content.time = "000000";
    m_Content.hasImage = true;
    m_Content.imageAddress = 0x10000;
    m_Content.image.resize(imageSize);
    for (uint32_t i = 0; i < imageSize; ++i)
        m_Content.image[i] = uint8_t(i * 2654435761u >> 24);
    m_ImageCrc = Crc32(m_Content.image.data(), m_Content.image.size());
    std::vector<uint8_t> bytes;
    std::string error;
    if (!TvdBuilder::Build(m_Content, bytes, error))
        return false;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    m_Path = path;
    return bool(out.flush());
}
