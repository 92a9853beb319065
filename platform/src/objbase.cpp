#include "objbase.h"

#include <cstring>

namespace {

int hexDigit(WCHAR c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool readHex(LPCOLESTR text, int count, uint64_t& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
        int digit = hexDigit(text[i]);
        if (digit < 0)
            return false;
        value = (value << 4) | uint64_t(digit);
    }
    return true;
}

}  // namespace

// Only the braced form "{8-4-4-4-12}"; program identifiers are not looked up.
HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid) {
    if (clsid == nullptr)
        return E_INVALIDARG;
    std::memset(clsid, 0, sizeof *clsid);
    if (text == nullptr)
        return S_OK;
    size_t length = 0;
    while (text[length] != 0 && length < 40)
        ++length;
    if (length != 38 || text[0] != u'{' || text[37] != u'}' || text[9] != u'-' ||
        text[14] != u'-' || text[19] != u'-' || text[24] != u'-')
        return CO_E_CLASSSTRING;
    uint64_t data1, data2, data3, clockSeq, node;
    if (!readHex(text + 1, 8, data1) || !readHex(text + 10, 4, data2) ||
        !readHex(text + 15, 4, data3) || !readHex(text + 20, 4, clockSeq) ||
        !readHex(text + 25, 12, node))
        return CO_E_CLASSSTRING;
    clsid->Data1 = uint32_t(data1);
    clsid->Data2 = uint16_t(data2);
    clsid->Data3 = uint16_t(data3);
    clsid->Data4[0] = uint8_t(clockSeq >> 8);
    clsid->Data4[1] = uint8_t(clockSeq);
    for (int i = 0; i < 6; ++i)
        clsid->Data4[2 + i] = uint8_t(node >> (40 - 8 * i));
    return S_OK;
}
