// Whole download runs through the exports against the simulated unit.
#include "LibraryRun.h"
#include "LogCapture.h"
#include "SimBus.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr uint32_t kImage = 3000;
constexpr uint32_t kCnE = 100;

class DownloadRunTest : public LibraryRun {};

TEST_F(DownloadRunTest, Protocol2ProgramOnlyLeavesTheUnitWithTheNewFirmware) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "FirmwareVersion", "0x00020000");
    EXPECT_EQ(0u, Download(File(Content(0))));
    EXPECT_EQ(kImage, total_);
    EXPECT_EQ(kImage, done_);
    EXPECT_EQ("0x00020000", unitKey(1, "FirmwareVersion"));
    EXPECT_EQ("5", unitKey(1, "FirmwareBuild"));
    EXPECT_EQ("20250102", unitKey(1, "FirmwareDate"));
    EXPECT_EQ("0", unitKey(1, "BootloaderMode"));
    EXPECT_EQ("0", unitKey(1, "Disabled"));
    EXPECT_EQ("0", driverKey("Stopped"));
    EXPECT_EQ(std::string::npos, LogText().find("download CnE data"));
}

TEST_F(DownloadRunTest, CnEDataGoesWithTheProgramWhenAskedOrNeeded) {
    setUnitKey(1, "ProtocolVersion", "1");
    setUnitKey(1, "FirmwareVersion", "0x00020000");
    EXPECT_EQ(0u, Download(File(Content(0)), 0x1));
    EXPECT_EQ(kImage + kCnE, total_);
    EXPECT_EQ(kImage + kCnE, done_);
    Api().CloseDevice();
    // A unit reporting firmware 0 needs CnE data even without the flag.
    setUnitKey(1, "FirmwareVersion", "0");
    EXPECT_EQ(0u, Download(File(Content(0))));
    EXPECT_EQ(kImage + kCnE, total_);
    Api().CloseDevice();
    TvdContent noCnE = Content(0);
    noCnE.hasCnE = false;
    setUnitKey(1, "FirmwareVersion", "0");
    EXPECT_EQ(22u, Download(File(noCnE)));
}

TEST_F(DownloadRunTest, Protocol3SendsTheWholeFile) {
    std::string file = File(Content(1));
    EXPECT_EQ(0u, Download(file));
    EXPECT_EQ(ReadWholeFile(file).size(), total_);
    EXPECT_EQ(total_, done_);
    EXPECT_EQ("0x00020000", unitKey(1, "FirmwareVersion"));
    EXPECT_NE(std::string::npos,
              LogText().find("ResetProt3: Device has been reopened successfully.\n"));
}

TEST_F(DownloadRunTest, Protocol3ComparesTheCrcTheUnitReports) {
    setUnitKey(1, "BadEndCrc", "1");
    std::string file = File(Content(1));
    EXPECT_EQ(34u, Download(file));
    EXPECT_EQ(total_, done_);
    EXPECT_NE(std::string::npos,
              LogText().find("DownloadObject: crc value returned by the device after download "
                             "differs from original crc value\n"));
    EXPECT_EQ("0x00010000", unitKey(1, "FirmwareVersion"));
    EXPECT_EQ("0", driverKey("Stopped"));
}

// Layout of Content(1): a 112-byte header, the info text, the image, the CnE data.
TEST_F(DownloadRunTest, DamagedVersion1FilesAreRefusedBeforeTheUnitIsTouched) {
    std::string good = File(Content(1));
    std::string bytes = ReadWholeFile(good);
    uint32_t image = 0;
    std::memcpy(&image, bytes.data() + 48, 4);
    struct Case {
        const char* name;
        std::string bytes;
        uint32_t status;
    };
    std::string imageFlipped = bytes;
    imageFlipped[image + 10] = char(imageFlipped[image + 10] ^ 0x01);
    std::string cneFlipped = bytes;
    cneFlipped[bytes.size() - 1] = char(cneFlipped[bytes.size() - 1] ^ 0x80);
    const Case cases[] = {{"cut.tvd", bytes.substr(0, 1000), 4},
                          {"image.tvd", imageFlipped, 7},
                          {"cne.tvd", cneFlipped, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir_.file(c.name);
        WriteWholeFile(path, c.bytes);
        EXPECT_EQ(c.status, Download(path));
        uint32_t conditions = 0;
        EXPECT_EQ(c.status, Api().CheckDownload(path.c_str(), &conditions));
        EXPECT_EQ(0xFFFFFFFFu, conditions);
        EXPECT_EQ(std::string::npos, LogText().find("stopping device...\n"));
        EXPECT_EQ("0", unitKey(1, "BootloaderMode"));
        EXPECT_EQ(0u, Api().CloseDevice());
    }
    EXPECT_EQ("0x00010000", unitKey(1, "FirmwareVersion"));
}

TEST_F(DownloadRunTest, FaultKeysEndTheRunWithTheirStatus) {
    struct Case {
        const char* key;
        const char* value;
        uint32_t protocol;
        uint32_t status;
        const char* logged;
    };
    const Case cases[] = {
        {"FailStart", "1", 2, 32, "DownloadStart: device responds with error code -3\n"},
        {"FailBlock", "1", 2, 32, "executing download end...\n"},
        {"BadEndCrc", "1", 2, 34, "crc value returned by the device after download differs"},
        {"NoHalt", "1", 2, 30, "ResetProt1and2: bootloader couldn\xB4t halt in bootloader modus\n"},
        {"NoStart", "1", 2, 29,
         "ResetProt1and2: bootloader couldn\xB4t start downloaded application\n"},
        {"NoHalt", "1", 3, 30, "ResetProt3: bootloader couldn\xB4t halt in bootloader modus\n"},
        {"ReturnGuid", "0x0013A20000109999", 3, 14,
         "Old GUID = 0x0013A20000100001, new GUID = 0x0013A20000109999\n"},
        {"NoReturn", "1", 3, 24, "reopen failed, err=2. Timeout="},
        {"ResponseDelayMs", "1500", 2, 26, "DownloadBlock: Response failed\n"},
        {"RebootRequired", "1", 3, 40, "Reboot is required.\n"},
        {"BlockSize", "0", 2, 32, "DownloadStart: device responds with block size 0\n"},
        {"ShortTransfer", "1", 2, 19,
         "WriteRequest: Write with command code 0x02 failed with error 0xE0000304.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        SimBus::instance().reset();
        setUnitKey(1, "ProtocolVersion", std::to_string(c.protocol));
        setUnitKey(1, c.key, c.value);
        EXPECT_EQ(c.status, Download(File(Content(c.protocol == 3 ? 1 : 0))));
        EXPECT_NE(std::string::npos, LogText().find(c.logged)) << LogText();
        // The units stopped for the run run again, whatever happened.
        EXPECT_EQ("0", driverKey("Stopped"));
        EXPECT_EQ(0u, Api().CloseDevice());
    }
}

TEST_F(DownloadRunTest, Protocol2UnitThatDoesNotReturnEndsWithTheResetTimeout) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "NoReturn", "1");
    uint32_t count = 0;
    ASSERT_EQ(0u, Api().EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count));
    ASSERT_EQ(0u, Api().OpenDevice(0));
    ASSERT_EQ(0u, Api().SetTimeout(0, 4000));
    ASSERT_EQ(0u, Api().StartDownload(File(Content(0)).c_str(), 0));
    EXPECT_EQ(24u, WaitForEnd());
    EXPECT_NE(std::string::npos,
              LogText().find("ResetProt1and2: failed with timeout for given timeout period of "
                             "4000 ms while waiting for device to come up\n"));
    EXPECT_EQ("0", driverKey("Stopped"));
}

TEST_F(DownloadRunTest, MismatchesAbortUnlessIgnored) {
    TvdContent otherModel = Content(1);
    otherModel.hardwareVersion = 0x00010002;
    std::string model = File(otherModel, "model.tvd");
    uint32_t conditions = 0;
    EXPECT_EQ(21u, Download(model));
    EXPECT_EQ(0u, Api().CheckDownload(model.c_str(), &conditions));
    EXPECT_EQ(0x11u, conditions);
    Api().CloseDevice();
    EXPECT_EQ(0u, Download(model, 0x2));
    Api().CloseDevice();

    TvdContent otherVendor = Content(1);
    otherVendor.vendorId = 0x00A0DE;
    std::string vendor = File(otherVendor, "vendor.tvd");
    EXPECT_EQ(21u, Download(vendor));
    EXPECT_EQ(0u, Api().CheckDownload(vendor.c_str(), &conditions));
    EXPECT_EQ(0x21u, conditions);
    Api().CloseDevice();
    EXPECT_EQ(0u, Download(vendor, 0x4));
    Api().CloseDevice();

    // A version 1 file for a protocol 2 unit.
    setUnitKey(1, "ProtocolVersion", "2");
    EXPECT_EQ(21u, Download(File(Content(1), "v1.tvd")));
    EXPECT_EQ(0u, Api().CheckDownload(dir_.file("v1.tvd").c_str(), &conditions));
    EXPECT_EQ(0x41u, conditions);
}

TEST_F(DownloadRunTest, OlderFirmwareIsReportedAndStillDownloads) {
    setUnitKey(1, "FirmwareVersion", "0x00020000");
    setUnitKey(1, "FirmwareBuild", "9");
    std::string file = File(Content(1));
    uint32_t count = 0;
    ASSERT_EQ(0u, Api().EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count));
    ASSERT_EQ(0u, Api().OpenDevice(0));
    uint32_t conditions = 0;
    EXPECT_EQ(0u, Api().CheckDownload(file.c_str(), &conditions));
    EXPECT_EQ(0x08u, conditions);
    ASSERT_EQ(0u, Api().StartDownload(file.c_str(), 0));
    EXPECT_EQ(0u, WaitForEnd());
    EXPECT_EQ("5", unitKey(1, "FirmwareBuild"));
}

TEST_F(DownloadRunTest, ImageOneByteOverTheMaximumIsRefusedBeforeAnyRequest) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "FirmwareVersion", "0x00020000");
    setUnitKey(1, "MaxImageLength", std::to_string(kImage - 1));
    EXPECT_EQ(37u, Download(File(Content(0))));
    EXPECT_NE(std::string::npos, LogText().find("TVD file image is too large ->lenght = 3000, max "
                                                "length accepted by the device = 2999.\n"));
    EXPECT_EQ(std::string::npos, LogText().find("executing download start"));
}

TEST_F(DownloadRunTest, ExportsAreRefusedWhileTheWorkerRuns) {
    setUnitKey(1, "ProtocolVersion", "2");
    setUnitKey(1, "FirmwareVersion", "0x00020000");
    setUnitKey(1, "ResponseDelayMs", "200");
    setUnitKey(1, "BlockSize", "256");
    std::string file = File(Content(0));
    uint32_t count = 0;
    ASSERT_EQ(0u, Api().EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count));
    ASSERT_EQ(0u, Api().OpenDevice(0));
    ASSERT_EQ(0u, Api().StartDownload(file.c_str(), 0));
    uint32_t seen = 0;
    while (Api().GetDownloadStatus(&done_, &total_) == 36 && done_ < 1000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(36u, Api().GetDownloadStatus(&seen, &total_));
    EXPECT_GT(seen, 0u);
    EXPECT_EQ(kImage, total_);
    uint32_t conditions = 0;
    TVCFWDL_DEVICE_INFO info;
    EXPECT_EQ(35u, Api().EnableLogging(nullptr));
    EXPECT_EQ(35u, Api().CheckDownload(file.c_str(), &conditions));
    EXPECT_EQ(0xFFFFFFFFu, conditions);
    EXPECT_EQ(35u, Api().StartDownload(file.c_str(), 0));
    EXPECT_EQ(35u, Api().SetTimeout(2, 5000));
    EXPECT_EQ(35u, Api().CloseDevice());
    EXPECT_EQ(35u, Api().Reboot());
    EXPECT_EQ(35u, Api().GetDeviceInfo(0, &info));
    EXPECT_EQ(11u, Api().EnumerateDevices("{E7E0EE33-3A47-48BE-B7F2-D836DFA9D627}", &count));
    EXPECT_EQ(16u, Api().OpenDevice(0));
    EXPECT_EQ(0u, WaitForEnd());
    EXPECT_GT(done_, seen);
    EXPECT_EQ("0", driverKey("RestartRequested"));
}

TEST_F(DownloadRunTest, RebootRecordsTheRestartRequest) {
    EXPECT_EQ(0u, Api().Reboot());
    EXPECT_EQ("1", driverKey("RestartRequested"));
}

}  // namespace
