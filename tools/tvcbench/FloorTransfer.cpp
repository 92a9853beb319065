#include "FloorTransfer.h"

#include "TvcIoctl.h"
#include "TvcRecords.h"

#include <setupapi.h>

#include <cstring>
#include <vector>

namespace {

constexpr uint64_t kRequestWindow = 0xFFFFC8021000ull;
constexpr uint64_t kDataWindow = 0xFFFFC8021040ull;
constexpr uint64_t kResponseWindow = 0xFFFFC8029000ull;
constexpr uint32_t kProtocol = 2;

void PutWord(BYTE* bytes, size_t offset, uint32_t value) {
    std::memcpy(bytes + offset, &value, 4);
}

uint32_t WordAt(const BYTE* bytes, size_t offset) {
    uint32_t value;
    std::memcpy(&value, bytes + offset, 4);
    return value;
}

std::string FirstUnitPath() {
    HDEVINFO set = SetupDiGetClassDevsA(&kTvcInterfaceClassGuid, nullptr, nullptr, 0x12);
    if (set == INVALID_HANDLE_VALUE)
        return std::string();
    SP_DEVICE_INTERFACE_DATA interface {};
    interface.cbSize = sizeof interface;
    std::string path;
    DWORD size = 0;
    if (SetupDiEnumDeviceInterfaces(set, nullptr, &kTvcInterfaceClassGuid, 0, &interface)) {
        SetupDiGetDeviceInterfaceDetailA(set, &interface, nullptr, 0, &size, nullptr);
        std::vector<BYTE> buffer(size + sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A));
        auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (SetupDiGetDeviceInterfaceDetailA(set, &interface, detail, DWORD(buffer.size()), &size,
                                             nullptr))
            path = detail->DevicePath;
    }
    SetupDiDestroyDeviceInfoList(set);
    return path;
}

}  // namespace

FloorTransfer::~FloorTransfer() {
    if (m_Device != INVALID_HANDLE_VALUE)
        CloseHandle(m_Device);
    if (m_Event != nullptr)
        CloseHandle(m_Event);
}

bool FloorTransfer::Open(std::string& error) {
    std::string path = FirstUnitPath();
    m_Device = path.empty() ? INVALID_HANDLE_VALUE
                            : CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    m_Event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (m_Device == INVALID_HANDLE_VALUE || m_Event == nullptr)
        error = "cannot open the unit for the floor";
    return error.empty();
}

// One overlapped bus transfer with one event for all: the least the channel needs.
bool FloorTransfer::Transfer(DWORD code, uint64_t offset, void* data, DWORD size) {
    TVC_BUS_ADDRESS address{DWORD(offset), DWORD(offset >> 32) & 0xFFFF, 0, 0};
    OVERLAPPED overlapped{};
    overlapped.hEvent = m_Event;
    DWORD done = 0;
    if (!DeviceIoControl(m_Device, code, &address, sizeof address, data, size, &done,
                         &overlapped) &&
        (GetLastError() != ERROR_IO_PENDING ||
         !GetOverlappedResult(m_Device, &overlapped, &done, TRUE)))
        return false;
    return done == size;
}

// Writes the request and reads responses until the one that answers it.
bool FloorTransfer::Request(uint32_t code, uint32_t payloadWords, BYTE (&record)[64]) {
    uint32_t word = code << 16 | (++m_Sequence & 0xFFFF);
    PutWord(record, 0, kProtocol);
    PutWord(record, 4, word | payloadWords << 24);
    if (!Transfer(IOCTL_TVC_BUS_WRITE, kRequestWindow, record, 64))
        return false;
    do {
        if (!Transfer(IOCTL_TVC_BUS_READ, kResponseWindow, record, 64))
            return false;
    } while ((WordAt(record, 4) & 0xFFFFFF) != word);
    return true;
}

bool FloorTransfer::Start(const BenchFirmware& firmware, DWORD& blockSize) {
    const TvdContent& content = firmware.Content();
    BYTE record[64] = {};
    PutWord(record, 8, 0);
    std::memcpy(record + 12, content.date.data(), content.date.size());
    std::memcpy(record + 20, content.time.data(), content.time.size());
    PutWord(record, 28, content.firmwareVersion);
    PutWord(record, 32, content.firmwareBuild);
    PutWord(record, 36, content.imageAddress);
    PutWord(record, 40, uint32_t(content.image.size()));
    PutWord(record, 44, firmware.ImageCrc());
    if (!Request(4, 10, record) || int32_t(WordAt(record, 8)) <= 0)
        return false;
    blockSize = WordAt(record, 8);
    return true;
}

bool FloorTransfer::Run(const BenchFirmware& firmware, std::string& error) {
    DWORD blockSize = 0;
    if (!Start(firmware, blockSize)) {
        error = "the unit refused the floor's download start";
        return false;
    }
    std::vector<uint8_t> image = firmware.Content().image;
    uint32_t address = firmware.Content().imageAddress;
    BYTE record[64];
    for (uint32_t number = 0, offset = 0; offset < image.size(); ++number) {
        DWORD size = DWORD(std::min<size_t>(blockSize, image.size() - offset));
        std::memset(record, 0, sizeof record);
        PutWord(record, 8, number);
        PutWord(record, 12, address + offset);
        PutWord(record, 16, size);
        if (!Transfer(IOCTL_TVC_BUS_WRITE, kDataWindow, image.data() + offset, size) ||
            !Request(5, 3, record) || int32_t(WordAt(record, 12)) < 0) {
            error = "the floor's block " + std::to_string(number) + " failed";
            return false;
        }
        offset += size;
    }
    std::memset(record, 0, sizeof record);
    if (!Request(6, 0, record) || WordAt(record, 8) != firmware.ImageCrc()) {
        error = "the floor's download end failed";
        return false;
    }
    return true;
}
