#pragma once
// The COM GUID text parser (braced form only).
#include "win_base.h"

typedef const WCHAR* LPCOLESTR;

HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid);
