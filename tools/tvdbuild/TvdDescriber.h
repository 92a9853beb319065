#pragma once
// Describes a firmware image file as a person reads it, damaged files too:
// every field that can be read, each CRC valid or not, and whether the
// download library accepts the file.
#include "TvdHeader.h"

#include <cstdint>
#include <string>
#include <vector>

class TvdDescriber {
public:
    TvdDescriber(std::string path, std::vector<uint8_t> bytes);
    virtual ~TvdDescriber() = default;

    const std::string& Text() const { return text_; }
    bool Valid() const { return valid_; }

private:
    struct PartFields;

    void Describe();
    bool DescribeFormat();
    void DescribeIdentity();
    void DescribeInfoText();
    void DescribePart(const char* label, const PartFields& fields);
    void DescribeLibraryCheck();
    void Line(const char* label, const std::string& value);
    void Fault(const char* label, const std::string& value);
    void Report(bool good, const char* label, const std::string& value);

    std::string path_;
    std::vector<uint8_t> bytes_;
    TvdHeader header_;
    uint32_t version_ = 0;
    size_t headerSize_ = 0;
    std::string text_;
    bool valid_ = true;
};
