#pragma once
// Composes a firmware image file: header, info text, image 1, CnE data, in
// that order, with every offset and CRC filled in.
#include "TvdHeader.h"

#include <cstdint>
#include <string>
#include <vector>

struct TvdContent {
    uint32_t fileVersion = 0;
    uint32_t infoWord = 0;
    uint32_t firmwareVersion = 0;
    uint32_t firmwareBuild = 0;
    uint32_t hardwareVersion = 0;
    // 24 bits, most significant byte first: a unit accepts the file when they
    // equal bytes 1 to 3 of its GUID (0x13A200 for GUID 0x0013A200...).
    uint32_t vendorId = 0;
    std::string date;
    std::string time;
    std::string infoText;
    bool hasImage = false;
    uint32_t imageAddress = 0;
    std::vector<uint8_t> image;
    bool hasCnE = false;
    std::vector<uint8_t> cne;
};

class TvdBuilder {
public:
    static constexpr size_t MaxDate = 8;
    static constexpr size_t MaxTime = 6;

    // False with a reason when the content cannot make a valid file.
    static bool Build(const TvdContent& content, std::vector<uint8_t>& file, std::string& error);

private:
    static bool Check(const TvdContent& content, std::string& error);
    static void FillCommon(const TvdContent& content, TvdHeader& header);
    static void FillParts(const TvdContent& content, uint32_t imageOffset, uint32_t cneOffset,
                          TvdHeader& header);
};
