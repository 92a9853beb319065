// A unit's protocol family is chosen when it is opened, from the protocol
// version of its information block, and kept until it is opened again.
#include "LogCapture.h"
#include "SimBusTest.h"
#include "TvcFwdlDevice.h"
#include "TvcFwdlDownloader.h"
#include "TvcIoctl.h"
#include "TvdTestFiles.h"

#include <string>

namespace {

class ProtocolFamilyTest : public SimBusTest {
protected:
    ProtocolFamilyTest() : device_(context_) {}

    TVCFWDL_STATUS Open() {
        context_.Set(kTvcInterfaceClassGuid,
                     SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr, 0x12));
        return device_.Open(0, context_.DeviceInfoSet(), &context_.InterfaceGuid());
    }

    std::string FamilyName() const {
        return device_.Family() ? device_.Family()->TransferName() : "none";
    }

    EnumerationContext context_;
    TvcFwdlDevice device_;
};

TEST_F(ProtocolFamilyTest, TheVersionAtOpenChoosesTheFamily) {
    const char* expected[] = {"none", "DownloadProt1and2", "DownloadProt1and2", "DownloadProt3"};
    for (int version = 0; version <= 3; ++version) {
        SCOPED_TRACE(version);
        setUnitKey(1, "ProtocolVersion", std::to_string(version));
        ASSERT_EQ(0u, Open());
        EXPECT_EQ(expected[version], FamilyName());
        device_.Close();
    }
    EXPECT_EQ(nullptr, TvcFwdlDevice(context_).Family()) << "not before the unit is opened";
}

TEST_F(ProtocolFamilyTest, AFamilyStaysThroughAReReadOfTheInformationBlock) {
    setUnitKey(1, "ProtocolVersion", "2");
    ASSERT_EQ(0u, Open());
    setUnitKey(1, "ProtocolVersion", "3");
    ASSERT_EQ(0u, device_.GetDeviceInfo(nullptr, true));
    EXPECT_EQ(3u, device_.InfoWord(8));
    EXPECT_EQ("DownloadProt1and2", FamilyName());
}

TEST_F(ProtocolFamilyTest, AUnitWithoutFamilyIsIncompatible) {
    LogCapture log;
    setUnitKey(1, "ProtocolVersion", "0");
    ASSERT_EQ(0u, Open());
    std::string path = dir_.file("v0.tvd");
    WriteBytes(path, LiteralV0File());
    TvdFile file;
    ASSERT_EQ(0u, file.Open(path.c_str()));
    TvcFwdlDownloader downloader;
    DWORD conditions = 0;
    EXPECT_EQ(0u, downloader.CheckDownload(&file, &device_, &conditions));
    EXPECT_EQ(0x81u, conditions);
    EXPECT_NE(std::string::npos,
              log.Text().find("INFO: CheckDownload: device with unsupported protocol version 0\n"));
}

}  // namespace
