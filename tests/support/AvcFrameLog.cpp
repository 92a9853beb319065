#include "AvcFrameLog.h"

#include "SimRequestLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kAvcCommand = 0x80883004;
constexpr size_t kRecordSize = 520;
constexpr size_t kHeadSize = 8;

// The frame of one AV/C record, or nothing when its head does not hold.
bool FrameOf(const std::vector<uint8_t>& record, SentFrame& frame) {
    EXPECT_EQ(record.size(), kRecordSize);
    if (record.size() < kHeadSize)
        return false;
    uint32_t head[2];
    std::memcpy(head, record.data(), kHeadSize);
    EXPECT_EQ(head[0], 2000u);
    if (head[1] > record.size() - kHeadSize) {
        ADD_FAILURE() << "frame length " << head[1] << " past the record";
        return false;
    }
    auto end = record.begin() + kHeadSize + head[1];
    frame.assign(record.begin() + kHeadSize, end);
    EXPECT_TRUE(std::all_of(end, record.end(), [](uint8_t byte) { return byte == 0; }))
        << "the rest of the record is zero";
    return true;
}

}  // namespace

AvcFrameLog::AvcFrameLog() {
    SimRequestLog::start();
}

AvcFrameLog::~AvcFrameLog() {
    SimRequestLog::stop();
}

std::vector<SentFrame> AvcFrameLog::take() {
    std::vector<SentFrame> frames;
    for (const SimRequestLog::Entry& entry : SimRequestLog::take()) {
        SentFrame frame;
        if (entry.unit && entry.code == kAvcCommand && FrameOf(entry.input, frame))
            frames.push_back(std::move(frame));
    }
    return frames;
}
