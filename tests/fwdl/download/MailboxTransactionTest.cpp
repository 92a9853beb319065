// The mailbox's typed request records byte for byte, and one transaction
// (data, request, answer) against the simulated unit, each failing step
// named in the log as the operation that ran it.
#include "LogCapture.h"
#include "SimBusTest.h"
#include "SimMailbox.h"
#include "SimRequestLog.h"
#include "TvcFwdlDevice.h"
#include "TvcIoctl.h"
#include "TvdTestFiles.h"

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(MailboxRequest& request, size_t from, size_t to) {
    return std::vector<uint8_t>(request.Record() + from, request.Record() + to);
}

TEST(MailboxRequest, RecordsCarryTheirPayloadAndTimeout) {
    TvdHeader header;
    std::memcpy(header.Bytes(), LiteralV0File().data(), 96);
    MailboxRequest image = MailboxRequest::DownloadStart(ObjectType::Program, header);
    const std::vector<uint8_t> imagePayload = {
        0,    0,    0,    0,    '2', '0', '2', '4', '0',  '1',  '3',  '1',  '1', '2',
        '3',  '4',  '5',  '6',  0,   0,   2,   0,   1,    0,    7,    0,    0,   0,
        0x00, 0x80, 0x00, 0x00, 4,   0,   0,   0,   0xC0, 0x0F, 0xFC, 0x51, 0,   0};
    EXPECT_EQ(imagePayload, Bytes(image, 8, 50));
    EXPECT_EQ(4u, image.Code());
    EXPECT_EQ(1u, image.TimeoutIndex());
    MailboxRequest cne = MailboxRequest::DownloadStart(ObjectType::CnEData, header);
    const std::vector<uint8_t> cneTail = {0, 0, 0, 0, 3, 0, 0, 0, 0xBD, 0x19, 0x55, 0x70};
    EXPECT_EQ(1, cne.Record()[8]);
    EXPECT_EQ(cneTail, Bytes(cne, 36, 48));

    const BYTE data[3] = {1, 2, 3};
    MailboxRequest block = MailboxRequest::DownloadBlock(2, 0x8040, data, 3);
    const std::vector<uint8_t> blockPayload = {2, 0, 0, 0, 0x40, 0x80, 0, 0, 3, 0, 0, 0, 0};
    EXPECT_EQ(blockPayload, Bytes(block, 8, 21));
    EXPECT_EQ(data, block.Data());
    EXPECT_EQ(3u, block.DataSize());
    EXPECT_EQ(2u, block.TimeoutIndex());
    EXPECT_EQ(0u, MailboxRequest::DownloadBlock(2, 0x8040, nullptr, 3).DataSize());

    MailboxRequest guid = MailboxRequest::ProgramGuid(0x11223344, 0x55667788);
    const std::vector<uint8_t> guidPayload = {0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, 0};
    EXPECT_EQ(guidPayload, Bytes(guid, 8, 17));
    MailboxRequest end = MailboxRequest::DownloadEnd();
    EXPECT_EQ(std::vector<uint8_t>(64, 0), Bytes(end, 0, 64));
    EXPECT_EQ(6u, end.Code());
    EXPECT_EQ(3u, end.TimeoutIndex());
}

class MailboxTransactionTest : public SimBusTest {
protected:
    MailboxTransactionTest() : scale_("TVC_SIM_TIME_SCALE", "200"), device_(context_) {}

    void Open() {
        context_.Set(kTvcInterfaceClassGuid,
                     SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr, 0x12));
        ASSERT_EQ(0u, device_.Open(0, context_.DeviceInfoSet(), &context_.InterfaceGuid()));
    }

    ScopedEnv scale_;
    EnumerationContext context_;
    TvcFwdlDevice device_;
};

TEST_F(MailboxTransactionTest, TheDataGoesFirstAndTheAnswerIsTyped) {
    setUnitKey(1, "ProtocolVersion", "2");
    Open();
    const BYTE data[16] = {0xD0, 0xD1};
    MailboxRequest block = MailboxRequest::DownloadBlock(0, 0x8000, data, sizeof data);
    MailboxResponse response;
    SimRequestLog::start();
    ASSERT_EQ(0u, device_.Transact(block, response, {"D", "R", "A", false}));
    std::vector<SimRequestLog::Entry> requests = SimRequestLog::take();
    SimRequestLog::stop();
    std::vector<uint32_t> windows;
    for (const SimRequestLog::Entry& entry : requests) {
        uint32_t low = 0;
        if (entry.input.size() >= 4)
            std::memcpy(&low, entry.input.data(), 4);
        windows.push_back(low);
    }
    const std::vector<uint32_t> order = {0xC8021040u, 0xC8021000u, 0xC8029000u};
    ASSERT_LE(order.size(), windows.size());
    EXPECT_EQ(order, std::vector<uint32_t>(windows.begin(), windows.begin() + 3));
    const std::vector<uint8_t> sent = {2, 0, 0, 0,    0x01, 0x00, 0x05, 0x03, 0, 0,
                                       0, 0, 0, 0x80, 0,    0,    16,   0,    0, 0};
    std::vector<uint8_t> last = SimMailbox::lastRequest(1);
    EXPECT_EQ(sent, std::vector<uint8_t>(last.begin(), last.begin() + 20));
    EXPECT_EQ(0x050001u, response.AnswerWord() & 0xFFFFFF);
    EXPECT_EQ(0u, response.BlockNumber());
    EXPECT_EQ(-6, response.Status()) << "no download was started";
}

TEST_F(MailboxTransactionTest, EachFailingStepIsLoggedUnderItsOperation) {
    LogCapture log;
    Open();
    setUnitKey(1, "ShortTransfer", "1");
    const BYTE data[8] = {};
    EXPECT_EQ(19u, device_.DownloadBlock(0, 0x8000, data, sizeof data));
    EXPECT_EQ(0u, device_.RequestCounter()) << "no request follows data that did not arrive";
    EXPECT_EQ(19u, device_.ProgramGuid(1, 2));
    DWORD crc = 0;
    EXPECT_EQ(19u, device_.DownloadEnd(&crc));
    setUnitKey(1, "ShortTransfer", "0");
    setUnitKey(1, "ResponseDelayMs", "600000");
    ASSERT_EQ(0u, device_.SetTimeout(TVCFWDL_TIMEOUT_PROGRAM_GUID, 100));
    EXPECT_EQ(43u, device_.ProgramGuid(1, 2));
    ASSERT_EQ(0u, device_.SetTimeout(TVCFWDL_TIMEOUT_INIT_PERS_PARAMS, 100));
    EXPECT_EQ(44u, device_.InitPersParams());
    ASSERT_EQ(0u, device_.SetTimeout(TVCFWDL_TIMEOUT_DOWNLOAD_START, 100));
    DWORD blockSize = 0;
    TvdFile file;
    std::string path = dir_.file("literal.tvd");
    WriteBytes(path, LiteralV0File());
    ASSERT_EQ(0u, file.Open(path.c_str()));
    EXPECT_EQ(25u, device_.DownloadStart(ObjectType::Program, file, &blockSize));
    EXPECT_EQ(31u, device_.DownloadStart(4, file, &blockSize));
    const char* lines[] = {
        "ERROR: DownloadBlock: Write request payload failed\n",
        "ERROR: ProgramGuid: RequestProgramGuid failed with TVCFWDL_STATUS 0x00000013.\n",
        "ERROR: DownloadEnd: Request failed\n",
        "ERROR: ProgramGuid: ReadResponse failed with TVCFWDL_STATUS 0x0000002B.\n",
        "ERROR: InitPersParams: ReadResponse failed with TVCFWDL_STATUS 0x0000002C.\n",
        "INFO: RequestDownloadStart: starting request with object length = 4 ...\n",
        "ERROR: DownloadStart: Response failed\n",
        "ERROR: RequestDownloadStart: download of object type 4 is not implemented\n",
        "ERROR: DownloadStart: Request failed\n",
    };
    std::string text = log.Text();
    size_t at = 0;
    for (const char* line : lines) {
        size_t found = text.find(line, at);
        EXPECT_NE(std::string::npos, found) << line << "in order in\n" << text;
        at = found == std::string::npos ? at : found;
    }
}

}  // namespace
