#include "SimBusTest.h"
#include "SimCodes.h"
#include "SimMailbox.h"
#include "SimUnitDevice.h"

#include <cstdint>

namespace {

class MailboxWindowTest : public SimBusTest {
protected:
    MailboxWindowTest() { setUnitKey(1, "Guid", "0x0013A20000000001"); }

    SimReply access(uint32_t code, uint64_t address, uint8_t* data, uint32_t size) {
        uint32_t record[4] = {uint32_t(address), uint32_t(address >> 32), 0, 0};
        return SimUnitDevice(0x0013A20000000001ull)
            .request(code, reinterpret_cast<const uint8_t*>(record), sizeof record, data, size);
    }
};

// Found by the mailbox fuzz target: a read or write of no bytes came with no
// buffer and reached memcpy with a null pointer.
TEST_F(MailboxWindowTest, AccessesOfNoBytesNeedNoBuffer) {
    SimReply read = access(SimCodes::kBusRead, SimMailbox::kResponseAddress + 8, nullptr, 0);
    EXPECT_EQ(read.status, 0u);
    EXPECT_EQ(read.bytes, 0u);
    SimReply write = access(SimCodes::kBusWrite, SimMailbox::kDataAddress, nullptr, 0);
    EXPECT_EQ(write.status, 0u);
    EXPECT_EQ(write.bytes, 0u);
    uint8_t word[4] = {1, 2, 3, 4};
    EXPECT_EQ(access(SimCodes::kBusRead, SimMailbox::kResponseAddress, word, 4).bytes, 4u);
    EXPECT_EQ(word[0], 0) << "no answer yet: the response window reads as zeros";
}

}  // namespace
