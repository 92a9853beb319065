#pragma once
// The unit's 64-byte answer to one request, its words by meaning.
#include <windows.h>

#include <cstdint>

class MailboxResponse {
public:
    static constexpr DWORD RecordSize = 64;

    BYTE* Record() { return record_; }
    // Low 24 bits: code and sequence number of the request answered.
    DWORD AnswerWord() const { return Word(4); }
    // Download start: the largest block the unit takes, negative for an error.
    int32_t BlockSizeOrError() const { return int32_t(Word(8)); }
    // Download block: the number of the block answered.
    DWORD BlockNumber() const { return Word(8); }
    // Download end: the CRC-32 of the object as the unit received it.
    DWORD Crc() const { return Word(8); }
    // Download block and end: negative for an error.
    int32_t Status() const { return int32_t(Word(12)); }

private:
    DWORD Word(size_t offset) const;

    BYTE record_[RecordSize] = {};
};
