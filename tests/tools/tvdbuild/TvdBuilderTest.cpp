#include "TvdBuilder.h"
#include "TvdTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TvdContent LiteralContent() {
    TvdContent content;
    content.infoWord = 0x11223344;
    content.date = "20240131";
    content.time = "123456";
    content.firmwareVersion = 0x00010002;
    content.firmwareBuild = 7;
    content.hardwareVersion = 5;
    content.vendorId = 0x00A0DE;
    content.infoText = "Hi!\n";
    content.hasImage = true;
    content.imageAddress = 0x8000;
    content.image = {'I', 'M', 'G', '1'};
    content.hasCnE = true;
    content.cne = {'C', 'n', 'E'};
    return content;
}

uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 |
           uint32_t(bytes[offset + 2]) << 16 | uint32_t(bytes[offset + 3]) << 24;
}

TEST(TvdBuilder, VersionZeroFileLayout) {
    std::vector<uint8_t> file;
    std::string error;
    ASSERT_TRUE(TvdBuilder::Build(LiteralContent(), file, error)) << error;
    EXPECT_EQ(LiteralV0File(), file);
}

TEST(TvdBuilder, VersionOneFileLayout) {
    TvdContent content = LiteralContent();
    content.fileVersion = 1;
    std::vector<uint8_t> file;
    std::string error;
    ASSERT_TRUE(TvdBuilder::Build(content, file, error)) << error;
    ASSERT_EQ(112u + 4 + 4 + 3, file.size());
    EXPECT_EQ("TvCd", std::string(file.begin(), file.begin() + 4));
    EXPECT_EQ(1u, WordAt(file, 40));
    EXPECT_EQ(116u, WordAt(file, 48));
    EXPECT_EQ(0x8000u, WordAt(file, 52));
    EXPECT_EQ(4u, WordAt(file, 56));
    EXPECT_EQ(0x51FC0FC0u, WordAt(file, 60));
    EXPECT_EQ(120u, WordAt(file, 80));
    EXPECT_EQ(3u, WordAt(file, 88));
    EXPECT_EQ(0x705519BDu, WordAt(file, 92));
    EXPECT_EQ("Hi!\n", std::string(file.begin() + 112, file.begin() + 116));
}

TEST(TvdBuilder, ContentThatCannotMakeAValidFileIsRefused) {
    std::vector<uint8_t> file;
    std::string error;
    TvdContent content = LiteralContent();
    content.hasImage = content.hasCnE = false;
    EXPECT_FALSE(TvdBuilder::Build(content, file, error));
    EXPECT_NE(std::string::npos, error.find("info text"));
    content = LiteralContent();
    content.vendorId = 0x1000000;
    EXPECT_FALSE(TvdBuilder::Build(content, file, error));
    content = LiteralContent();
    content.date = "2024-01-31";
    EXPECT_FALSE(TvdBuilder::Build(content, file, error));
    content = LiteralContent();
    content.fileVersion = 2;
    EXPECT_FALSE(TvdBuilder::Build(content, file, error));
}

}  // namespace
