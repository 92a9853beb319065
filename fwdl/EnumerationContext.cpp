#include "EnumerationContext.h"

EnumerationContext::EnumerationContext() : m_InterfaceGuid{}, m_DeviceInfoSet(nullptr) {}

EnumerationContext::~EnumerationContext() {
    Clear();
}

void EnumerationContext::Set(const GUID& interfaceGuid, HDEVINFO deviceInfoSet) {
    m_InterfaceGuid = interfaceGuid;
    m_DeviceInfoSet = deviceInfoSet;
}

void EnumerationContext::Clear() {
    if (m_DeviceInfoSet != nullptr)
        SetupDiDestroyDeviceInfoList(m_DeviceInfoSet);
    m_DeviceInfoSet = nullptr;
    m_InterfaceGuid = GUID{};
}
