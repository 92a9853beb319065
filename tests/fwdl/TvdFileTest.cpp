#include "LogCapture.h"
#include "TvdFile.h"
#include "TvdTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The first bytes of the literal file.
std::vector<uint8_t> Head(size_t count) {
    return std::vector<uint8_t>(LiteralV0File().begin(), LiteralV0File().begin() + long(count));
}

class TvdFileTest : public testing::Test {
protected:
    std::string Path(const char* name) const { return capture_.Dir().file(name); }
    std::string Make(const char* name, const TvdContent& content) {
        return WriteTvd(Path(name), content);
    }
    std::string Log() const { return capture_.Text(); }

    LogCapture capture_;
    TvdFile file_;
};

TEST_F(TvdFileTest, LiteralFileIsReadAndDescribed) {
    std::string path = Path("literal.tvd");
    WriteBytes(path, LiteralV0File());
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    EXPECT_EQ(0u, file_.FileVersion());
    EXPECT_TRUE(file_.HasCnEData());
    EXPECT_EQ(107u, file_.FileSize());
    EXPECT_STREQ("20240131", file_.Date());
    EXPECT_STREQ("123456", file_.Time());

    TVCFWDL_TVD_FILE_INFO info;
    std::memset(&info, 0xAA, sizeof info);
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetFileInfo(&info));
    std::vector<uint8_t> expected(556, 0);
    const uint8_t head[] = {0x44, 0x33, 0x22, 0x11, 0x02, 0x00, 0x01, 0x00, 0x07, 0,   0,   0,
                            0x05, 0,    0,    0,    '2',  '0',  '2',  '4',  '0',  '1', '3', '1',
                            0,    0,    0,    0,    '1',  '2',  '3',  '4',  '5',  '6', 0,   0,
                            0,    0,    0,    0,    0xDE, 0xA0, 0x00, 'H',  'i',  '!', '\n'};
    std::memcpy(expected.data(), head, sizeof head);
    EXPECT_EQ(expected, std::vector<uint8_t>(reinterpret_cast<uint8_t*>(&info),
                                             reinterpret_cast<uint8_t*>(&info) + sizeof info));

    const uint8_t* image = nullptr;
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetImage1(&image));
    EXPECT_EQ(0, std::memcmp("IMG1", image, 4));
    const uint8_t* again = nullptr;
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetImage1(&again));
    EXPECT_EQ(image, again);
    const uint8_t* cne = nullptr;
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetCnE(&cne));
    EXPECT_EQ(0, std::memcmp("CnE", cne, 3));

    std::vector<uint8_t> raw(200);
    uint32_t got = 0;
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.ResetFilePtr());
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Read(raw.data(), 200, &got));
    ASSERT_EQ(107u, got);
    raw.resize(got);
    EXPECT_EQ(LiteralV0File(), raw);
    EXPECT_EQ("", Log());
}

TEST_F(TvdFileTest, OpenRefusesMissingShortAndForeignFiles) {
    std::string missing = Path("missing.tvd");
    EXPECT_EQ(TVCFWDL_STATUS_FILE_OPEN_FAILED, file_.Open(missing.c_str()));

    std::string shortHeader = Path("short.tvd");
    WriteBytes(shortHeader, Head(47));
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.Open(shortHeader.c_str()));

    std::string foreign = Path("foreign.tvd");
    std::vector<uint8_t> bytes = LiteralV0File();
    bytes[0] = 'X';
    WriteBytes(foreign, bytes);
    EXPECT_EQ(TVCFWDL_STATUS_FILE_FORMAT, file_.Open(foreign.c_str()));

    std::string version2 = Make("v2.tvd", SampleContent(1));
    PatchWord(version2, 40, 2);
    EXPECT_EQ(TVCFWDL_STATUS_FILE_FORMAT, file_.Open(version2.c_str()));
    EXPECT_FALSE(file_.IsOpen());

    EXPECT_EQ("ERROR: TvdFile::Open: file '" + missing +
                  "' could not be found.\n"
                  "ERROR: reading common file header from file '" +
                  shortHeader +
                  "' failed\n"
                  "ERROR: unknown file identifier for file '" +
                  foreign +
                  "' found.\n"
                  "ERROR: file '" +
                  version2 + "': expected file version = 1, found version = 2\n",
              Log());
}

TEST_F(TvdFileTest, OpenRefusesShortSpecificHeadersAndInfoText) {
    std::string v0 = Path("v0.tvd");
    WriteBytes(v0, Head(95));
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.Open(v0.c_str()));
    std::vector<uint8_t> v1Bytes = ReadBytes(Make("v1.tvd", SampleContent(1)));
    std::string v1 = Path("v1.tvd");
    WriteBytes(v1, std::vector<uint8_t>(v1Bytes.begin(), v1Bytes.begin() + 111));
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.Open(v1.c_str()));
    std::string info = Path("info.tvd");
    WriteBytes(info, Head(98));
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.Open(info.c_str()));
    EXPECT_EQ("ERROR: reading V0-specific file header from file '" + v0 +
                  "' failed\n"
                  "ERROR: reading V1-specific file header from file '" +
                  v1 +
                  "' failed\n"
                  "ERROR: reading info text of file '" +
                  info + "' failed\n",
              Log());
}

TEST_F(TvdFileTest, FlippedHeaderByteFailsTheHeaderCrc) {
    for (uint32_t version : {0u, 1u}) {
        std::string path = Make("flip.tvd", SampleContent(version));
        size_t headerSize = version == 0 ? 96 : 112;
        for (size_t offset = 4; offset < headerSize; ++offset) {
            if (version == 1 && offset >= 40 && offset < 44)
                continue;
            FlipByte(path, offset);
            EXPECT_EQ(TVCFWDL_STATUS_HEADER_CRC, file_.Open(path.c_str()))
                << version << ":" << offset;
            FlipByte(path, offset);
        }
        EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
        file_.Close();
    }
    std::string path = Make("one.tvd", SampleContent(0));
    FlipByte(path, 30);
    file_.Open(path.c_str());
    EXPECT_NE(std::string::npos,
              Log().rfind("ERROR: Unexpected crc header value in file '" + path + "'\n"));
}

TEST_F(TvdFileTest, SecondOpenIsRefusedAndCloseForgetsEverything) {
    std::string path = Make("a.tvd", SampleContent(0));
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.Open(path.c_str()));
    EXPECT_TRUE(file_.IsOpen());
    file_.Close();
    EXPECT_FALSE(file_.IsOpen());
    EXPECT_EQ(0u, file_.FileSize());
    EXPECT_EQ("", file_.InfoText());
    TVCFWDL_TVD_FILE_INFO info;
    std::memset(&info, 0xAA, sizeof info);
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.GetFileInfo(&info));
    EXPECT_EQ(std::vector<uint8_t>(556, 0),
              std::vector<uint8_t>(reinterpret_cast<uint8_t*>(&info),
                                   reinterpret_cast<uint8_t*>(&info) + 556));
    const uint8_t* part = nullptr;
    uint32_t got = 7;
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.GetImage1(&part));
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.GetCnE(&part));
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.ResetFilePtr());
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.Read(&got, 4, &got));
    EXPECT_EQ(
        "ERROR: TvdFile::Open: file is already open.\n"
        "ERROR: TvdFile::GetFileInfo: no open tvd file.\n"
        "ERROR: TvdFile::GetImage1: no open tvd file.\n"
        "ERROR: TvdFile::GetCnE: no open tvd file.\n"
        "ERROR: TvdFile::ResetFilePtr: no open tvd file.\n"
        "ERROR: TvdFile::Read: no open tvd file.\n",
        Log());
}

TEST_F(TvdFileTest, FileWithoutDataOffsetsHasNoInfoText) {
    TvdContent content = SampleContent(0);
    content.hasImage = content.hasCnE = false;
    content.infoText.clear();
    std::string path = Make("nodata.tvd", content);
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    EXPECT_EQ("", file_.InfoText());
    EXPECT_FALSE(file_.HasCnEData());
    const uint8_t* part = reinterpret_cast<const uint8_t*>(&content);
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetImage1(&part));
    EXPECT_EQ(nullptr, part);
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetCnE(&part));
    EXPECT_EQ(nullptr, part);
    EXPECT_EQ(
        "WARNING: File '" + path + "' has no data. Therefore length of info text is unknown.\n",
        Log());
}

TEST_F(TvdFileTest, InfoTextOf512CharactersIsCutTo511) {
    TVCFWDL_TVD_FILE_INFO info;
    TvdContent content = SampleContent(0);
    content.infoText = std::string(511, 'a');
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(Make("511.tvd", content).c_str()));
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetFileInfo(&info));
    EXPECT_EQ(content.infoText, std::string(info.InfoText));
    EXPECT_EQ("", Log());
    file_.Close();

    content.infoText = std::string(511, 'b') + "c";
    std::string path = Make("512.tvd", content);
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.GetFileInfo(&info));
    EXPECT_EQ(std::string(511, 'b'), std::string(info.InfoText));
    EXPECT_EQ(0, info.Reserved);
    EXPECT_EQ("WARNING: Info text of file " + path +
                  " will be truncated.\n"
                  "WARNING: TVCFWDL_TVD_FILE_INFO_TEXT_SIZE has to be greater then 512\n",
              Log());
}

TEST_F(TvdFileTest, DamagedImageAndCnEDataAreCaughtByTheirCrcs) {
    std::string path = Make("parts.tvd", SampleContent(0));
    size_t imageOffset = 96 + 9;
    FlipByte(path, imageOffset + 63);
    FlipByte(path, imageOffset + 64);
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    const uint8_t* part = reinterpret_cast<const uint8_t*>(&path);
    EXPECT_EQ(TVCFWDL_STATUS_IMAGE_CRC, file_.GetImage1(&part));
    EXPECT_EQ(nullptr, part);
    EXPECT_EQ(TVCFWDL_STATUS_CNE_CRC, file_.GetCnE(&part));
    EXPECT_EQ(nullptr, part);
    EXPECT_EQ("ERROR: Unexpected crc value of image 1 in file '" + path +
                  "'\n"
                  "ERROR: Unexpected crc value of CnE data in file '" +
                  path + "'\n",
              Log());
}

TEST_F(TvdFileTest, PartsBeyondTheFileEndAreShortReads) {
    std::string path = Make("huge.tvd", SampleContent(0));
    PatchWord(path, 56, 0xFFFFFFFF);
    PatchWord(path, 80, 0xFFFFFF00);
    FixHeaderCrc(path, 96);
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    const uint8_t* part = nullptr;
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.GetImage1(&part));
    EXPECT_EQ(TVCFWDL_STATUS_FILE_READ_FAILED, file_.GetCnE(&part));
    EXPECT_EQ("ERROR: reading image 1 of file '" + path +
                  "' failed\n"
                  "ERROR: reading CnE data of file '" +
                  path + "' failed\n",
              Log());
}

TEST_F(TvdFileTest, DataOffsetInsideTheHeaderIsRefused) {
    std::string path = Make("inside.tvd", SampleContent(0));
    PatchWord(path, 48, 50);
    FixHeaderCrc(path, 96);
    EXPECT_EQ(TVCFWDL_STATUS_FILE_FORMAT, file_.Open(path.c_str()));
    EXPECT_FALSE(file_.IsOpen());
    EXPECT_EQ("ERROR: data offset 50 in file '" + path + "' lies inside the file header\n", Log());
}

TEST_F(TvdFileTest, VersionOneFileIsReadOnlyAsAWhole) {
    std::string path = Make("v1.tvd", SampleContent(1));
    ASSERT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Open(path.c_str()));
    EXPECT_EQ(1u, file_.FileVersion());
    EXPECT_EQ("Build 42\n", file_.InfoText());
    EXPECT_TRUE(file_.HasCnEData());
    const uint8_t* part = nullptr;
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.GetImage1(&part));
    EXPECT_EQ(TVCFWDL_STATUS_FAILED, file_.GetCnE(&part));
    std::vector<uint8_t> whole(file_.FileSize() + 10);
    uint32_t got = 0;
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.ResetFilePtr());
    EXPECT_EQ(TVCFWDL_STATUS_SUCCESS, file_.Read(whole.data(), uint32_t(whole.size()), &got));
    EXPECT_EQ(112u + 9 + 64 + 16, got);
    whole.resize(got);
    EXPECT_EQ(ReadBytes(path), whole);
    EXPECT_EQ(
        "ERROR: TvdFile::GetImage1: file version 0 required.\n"
        "ERROR: TvdFile::GetCnE: file version 0 required.\n",
        Log());
}

}  // namespace
