/* Public C interface of the firmware-download library: the thirteen exports,
   their status codes, records, condition bits, start flags and timeouts. */
#ifndef TVC_FWDL_H
#define TVC_FWDL_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t TVCFWDL_STATUS;

#define TVCFWDL_STATUS_SUCCESS 0u
#define TVCFWDL_STATUS_FAILED 1u
#define TVCFWDL_STATUS_INVALID_PARAMETER 2u
#define TVCFWDL_STATUS_FILE_OPEN_FAILED 3u
#define TVCFWDL_STATUS_FILE_READ_FAILED 4u
#define TVCFWDL_STATUS_FILE_FORMAT 5u
#define TVCFWDL_STATUS_HEADER_CRC 6u
#define TVCFWDL_STATUS_IMAGE_CRC 7u
#define TVCFWDL_STATUS_CNE_CRC 8u
#define TVCFWDL_STATUS_INVALID_GUID 9u
#define TVCFWDL_STATUS_ENUMERATION_FAILED 10u
#define TVCFWDL_STATUS_DEVICE_STILL_OPEN 11u
#define TVCFWDL_STATUS_NOT_ENUMERATED 12u
#define TVCFWDL_STATUS_OPEN_FAILED 13u
#define TVCFWDL_STATUS_DEVICE_NOT_FOUND 14u
#define TVCFWDL_STATUS_DEVICE_NOT_OPEN 15u
#define TVCFWDL_STATUS_DEVICE_ALREADY_OPEN 16u
#define TVCFWDL_STATUS_COUNTING_FAILED 17u
#define TVCFWDL_STATUS_READ_FAILED 18u
#define TVCFWDL_STATUS_WRITE_FAILED 19u
#define TVCFWDL_STATUS_INCOMPATIBLE 21u
#define TVCFWDL_STATUS_NO_CNE_DATA 22u
#define TVCFWDL_STATUS_LOGGING_FAILED 23u
#define TVCFWDL_STATUS_TIMEOUT_RESET 24u
#define TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_START 25u
#define TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_BLOCK 26u
#define TVCFWDL_STATUS_TIMEOUT_DOWNLOAD_END 27u
#define TVCFWDL_STATUS_INVALID_TIMEOUT_TYPE 28u
#define TVCFWDL_STATUS_APPLICATION_NOT_STARTED 29u
#define TVCFWDL_STATUS_BOOTLOADER_NOT_HALTED 30u
#define TVCFWDL_STATUS_NOT_SUPPORTED 31u
#define TVCFWDL_STATUS_DEVICE_ERROR 32u
#define TVCFWDL_STATUS_NO_IMAGE 33u
#define TVCFWDL_STATUS_CRC_MISMATCH 34u
#define TVCFWDL_STATUS_DOWNLOAD_IN_PROGRESS 35u
#define TVCFWDL_STATUS_DOWNLOAD_RUNNING 36u
#define TVCFWDL_STATUS_IMAGE_TOO_LARGE 37u
#define TVCFWDL_STATUS_WRONG_MANUFACTURER 38u
#define TVCFWDL_STATUS_REBOOT_FAILED 39u
#define TVCFWDL_STATUS_REBOOT_REQUIRED 40u
#define TVCFWDL_STATUS_FILE_NOT_OPEN 41u
#define TVCFWDL_STATUS_TIMEOUT_PROGRAM_GUID 43u
#define TVCFWDL_STATUS_TIMEOUT_INIT_PERS_PARAMS 44u

/* The interface version returned by TVCFWDL_GetVersion (3.0). */
#define TVCFWDL_INTERFACE_VERSION 0x00030000u

/* Bits written by TVCFWDL_CheckDownload. */
#define TVCFWDL_COND_INCOMPATIBLE 0x01u
#define TVCFWDL_COND_CNE_REQUIRED 0x02u
#define TVCFWDL_COND_CNE_MISSING 0x04u
#define TVCFWDL_COND_OLDER_FIRMWARE 0x08u
#define TVCFWDL_COND_HARDWARE_MISMATCH 0x10u
#define TVCFWDL_COND_VENDOR_MISMATCH 0x20u
#define TVCFWDL_COND_FILE_VERSION_MISMATCH 0x40u
#define TVCFWDL_COND_UNSUPPORTED_PROTOCOL 0x80u

/* Flags of TVCFWDL_StartDownload; other bits are ignored. */
#define TVCFWDL_START_WITH_CNE 0x1u
#define TVCFWDL_START_IGNORE_HARDWARE 0x2u
#define TVCFWDL_START_IGNORE_VENDOR 0x4u

/* Indices of TVCFWDL_SetTimeout (milliseconds); the defaults hold for every newly opened device. */
#define TVCFWDL_TIMEOUT_RESET 0u
#define TVCFWDL_TIMEOUT_DOWNLOAD_START 1u
#define TVCFWDL_TIMEOUT_DOWNLOAD_BLOCK 2u
#define TVCFWDL_TIMEOUT_DOWNLOAD_END 3u
#define TVCFWDL_TIMEOUT_PROGRAM_GUID 4u
#define TVCFWDL_TIMEOUT_INIT_PERS_PARAMS 5u

#define TVCFWDL_TVD_FILE_INFO_TEXT_SIZE 512

/* Description of a firmware image file; 556 bytes. */
typedef struct _TVCFWDL_TVD_FILE_INFO {
    uint32_t InfoWord;
    uint32_t FirmwareVersion;
    uint32_t FirmwareBuild;
    uint32_t CompatibleHardwareVersion;
    char Date[12];
    char Time[12];
    uint8_t NodeVendorId[3];
    char InfoText[TVCFWDL_TVD_FILE_INFO_TEXT_SIZE];
    uint8_t Reserved;
} TVCFWDL_TVD_FILE_INFO;

/* Identity of a unit; 468 bytes, words in host order. */
typedef struct _TVCFWDL_DEVICE_INFO {
    uint8_t Properties[336];
    char Magic[12];
    uint32_t ProtocolVersion;
    uint32_t BootloaderMode;
    uint32_t GuidHi;
    uint32_t GuidLo;
    uint32_t HardwareModelID;
    uint32_t Reserved1;
    char Date1[12];
    char Time1[12];
    uint32_t FirmwareVersion;
    uint32_t FirmwareBuild;
    uint32_t Reserved2;
    uint32_t MaxImageLength;
    char Date2[12];
    char Time2[12];
    char Date3[12];
    char Time3[12];
    uint32_t Reserved3;
    uint32_t Reserved4;
} TVCFWDL_DEVICE_INFO;

/* The exports; the calling order: EnumerateDevices, OpenDevice, optionally
   SetTimeout and CheckDownload, StartDownload, GetDownloadStatus until it no
   longer returns 36, CloseDevice, and Reboot when the status was 40. */
uint32_t TVCFWDL_GetVersion(void);
TVCFWDL_STATUS TVCFWDL_EnableLogging(const char* LogFileName);
TVCFWDL_STATUS TVCFWDL_GetTvdFileInfo(const char* TvdFileName, TVCFWDL_TVD_FILE_INFO* TvdInfo);
TVCFWDL_STATUS TVCFWDL_EnumerateDevices(const char* InterfaceGuidStr, uint32_t* NumberOfDevices);
TVCFWDL_STATUS TVCFWDL_GetDeviceInfo(uint32_t DeviceIndex, TVCFWDL_DEVICE_INFO* DeviceInfo);
TVCFWDL_STATUS TVCFWDL_OpenDevice(uint32_t DeviceIndex);
TVCFWDL_STATUS TVCFWDL_CheckDownload(const char* TvdFileName, uint32_t* Conditions);
TVCFWDL_STATUS TVCFWDL_StartDownload(const char* TvdFileName, uint32_t Flags);
TVCFWDL_STATUS TVCFWDL_SetTimeout(uint32_t TimeoutType, uint32_t Milliseconds);
TVCFWDL_STATUS TVCFWDL_GetDownloadStatus(uint32_t* BytesDownloaded, uint32_t* TotalBytes);
TVCFWDL_STATUS TVCFWDL_CloseDevice(void);
TVCFWDL_STATUS TVCFWDL_Reboot(void);
TVCFWDL_STATUS TVCFWDL_IsUserAdmin(uint32_t* IsAdmin);

#ifdef __cplusplus
#define TVCFWDL_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define TVCFWDL_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

TVCFWDL_STATIC_ASSERT(sizeof(TVCFWDL_TVD_FILE_INFO) == 556, "file info record is 556 bytes");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, FirmwareVersion) == 4,
                      "FirmwareVersion at 4");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, FirmwareBuild) == 8, "FirmwareBuild at 8");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, CompatibleHardwareVersion) == 12,
                      "CompatibleHardwareVersion at 12");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, Date) == 16, "Date at 16");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, Time) == 28, "Time at 28");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, NodeVendorId) == 40, "NodeVendorId at 40");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, InfoText) == 43, "InfoText at 43");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_TVD_FILE_INFO, Reserved) == 555, "last byte at 555");

TVCFWDL_STATIC_ASSERT(sizeof(TVCFWDL_DEVICE_INFO) == 468, "device info record is 468 bytes");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, Magic) == 336, "Magic at 336");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, GuidHi) == 356, "GuidHi at 356");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, Date1) == 372, "Date1 at 372");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, FirmwareVersion) == 396,
                      "FirmwareVersion at 396");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, MaxImageLength) == 408,
                      "MaxImageLength at 408");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, Date2) == 412, "Date2 at 412");
TVCFWDL_STATIC_ASSERT(offsetof(TVCFWDL_DEVICE_INFO, Reserved4) == 464, "last word at 464");

#ifdef __cplusplus
}
#endif

#endif
