#include "win_device.h"

#include "DeviceObject.h"
#include "FileObject.h"
#include "HandleTable.h"
#include "PendingIo.h"
#include "SimClock.h"
#include "SimDriver.h"
#include "win_thread.h"

#include <cerrno>
#include <fcntl.h>

namespace {

DWORD errorFromErrno(int code) {
    switch (code) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_FILE_EXISTS;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_GEN_FAILURE;
    }
}

int openFlags(DWORD access, DWORD disposition) {
    int flags = O_CLOEXEC;
    bool reads = (access & GENERIC_READ) != 0;
    bool writes = (access & GENERIC_WRITE) != 0;
    flags |= (reads && writes) ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS: return flags | O_CREAT;
    case TRUNCATE_EXISTING: return flags | O_TRUNC;
    default: return flags;
    }
}

HANDLE openFile(LPCSTR fileName, DWORD access, DWORD disposition) {
    int fd = ::open(fileName, openFlags(access, disposition), 0644);
    if (fd < 0) {
        SetLastError(errorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    return HandleTable::add(std::make_shared<FileObject>(fd));
}

BOOL finish(DWORD status, DWORD bytes, LPDWORD bytesReturned) {
    if (bytesReturned != nullptr)
        *bytesReturned = bytes;
    SetLastError(status);
    return status == 0 ? TRUE : FALSE;
}

BOOL failWith(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (!SimDriver::isDriverPath(fileName))
        return openFile(fileName, desiredAccess, creationDisposition);
    uint32_t error = 0;
    std::unique_ptr<SimDevice> device = SimDriver::open(fileName, error);
    if (!device) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    bool overlapped = (flagsAndAttributes & FILE_FLAG_OVERLAPPED) != 0;
    return HandleTable::add(std::make_shared<DeviceObject>(std::move(device), overlapped));
}

BOOL DeviceIoControl(HANDLE handle, DWORD code, LPVOID inBuffer, DWORD inSize, LPVOID outBuffer,
                     DWORD outSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) {
    std::shared_ptr<DeviceObject> device = HandleTable::getAs<DeviceObject>(handle);
    if (!device)
        return failWith(HandleTable::get(handle) ? ERROR_INVALID_FUNCTION : ERROR_INVALID_HANDLE);
    if (device->overlapped() && overlapped == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    uint32_t delay = device->device().delayMs();
    const uint8_t* input = static_cast<const uint8_t*>(inBuffer);
    uint8_t* output = static_cast<uint8_t*>(outBuffer);
    if (!device->overlapped()) {
        SimClock::sleepMs(delay);
        SimReply reply = device->device().request(code, input, inSize, output, outSize);
        return finish(reply.status, reply.bytes, bytesReturned);
    }
    std::shared_ptr<Waitable> event = HandleTable::getAs<Waitable>(overlapped->hEvent);
    if (delay == 0) {
        SimReply reply = device->device().request(code, input, inSize, output, outSize);
        PendingIo::complete(overlapped, event, reply.status, reply.bytes);
        return finish(reply.status, reply.bytes, bytesReturned);
    }
    overlapped->InternalHigh = 0;
    __atomic_store_n(&overlapped->Internal, ULONG_PTR(STATUS_PENDING), __ATOMIC_RELEASE);
    PendingIo::Request request{device,
                               handle,
                               code,
                               std::vector<uint8_t>(input, input + (input ? inSize : 0)),
                               outBuffer,
                               outSize,
                               overlapped,
                               event,
                               GetCurrentThreadId(),
                               std::chrono::steady_clock::now() + SimClock::realDuration(delay)};
    if (request.event)
        request.event->reset();
    PendingIo::instance().submit(std::move(request));
    return failWith(ERROR_IO_PENDING);
}

BOOL GetOverlappedResult(HANDLE, LPOVERLAPPED overlapped, LPDWORD bytesTransferred, BOOL wait) {
    if (overlapped == nullptr)
        return failWith(ERROR_INVALID_PARAMETER);
    while (__atomic_load_n(&overlapped->Internal, __ATOMIC_ACQUIRE) == STATUS_PENDING) {
        if (!wait)
            return failWith(ERROR_IO_INCOMPLETE);
        std::shared_ptr<Waitable> event = HandleTable::getAs<Waitable>(overlapped->hEvent);
        if (!event)
            return failWith(ERROR_INVALID_HANDLE);
        event->wait(std::chrono::milliseconds(10), false);
    }
    DWORD status = DWORD(__atomic_load_n(&overlapped->Internal, __ATOMIC_ACQUIRE));
    return finish(status, DWORD(overlapped->InternalHigh), bytesTransferred);
}

BOOL CancelIo(HANDLE handle) {
    if (!HandleTable::get(handle))
        return failWith(ERROR_INVALID_HANDLE);
    PendingIo::instance().cancel(handle, GetCurrentThreadId());
    return TRUE;
}
