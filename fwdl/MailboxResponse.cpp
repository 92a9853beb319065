#include "MailboxResponse.h"

#include <cstring>

DWORD MailboxResponse::Word(size_t offset) const {
    uint32_t word;
    std::memcpy(&word, record_ + offset, 4);
    return word;
}
