#pragma once
#include "IniText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a unit takes in during one download: the objects announced by
// download-start requests, then the blocks in order. A protocol 1 or 2 unit
// receives one object at a time; a protocol 3 unit announces the parts of a
// firmware file and then receives the whole file.
class SimDownload {
public:
    // The unit's negative answers.
    static constexpr int32_t kNotInBootloader = -1;
    static constexpr int32_t kTooLarge = -2;
    static constexpr int32_t kStartRefused = -3;
    static constexpr int32_t kBadBlock = -4;
    static constexpr int32_t kBlockFailed = -5;
    static constexpr int32_t kNotStarted = -6;

    // The payload of a download-start request; the block size or an error.
    int32_t start(const IniText& bus, int slot, const uint8_t* payload, uint32_t windowSize);
    int32_t block(const IniText& bus, int slot, uint32_t number, const uint8_t* data,
                  uint32_t size);
    // The status; crc is what the unit computed over what it received.
    int32_t end(const IniText& bus, int slot, uint32_t& crc);
    void clear();
    bool active() const { return active_; }
    uint64_t receivedBytes() const { return received_.size(); }

    static uint32_t crc32(const uint8_t* data, size_t size);

private:
    struct Announcement {
        uint32_t type;
        std::string date;
        std::string time;
        uint32_t version;
        uint32_t build;
        uint32_t address;
        uint32_t length;
        uint32_t crc;
    };

    bool objectArrived(const Announcement& object, uint32_t crc) const;
    bool fileArrived(const Announcement& image) const;
    const Announcement* program() const;

    std::vector<Announcement> objects_;
    std::vector<uint8_t> received_;
    uint32_t nextBlock_ = 0;
    bool active_ = false;
    bool wholeFile_ = false;
};
