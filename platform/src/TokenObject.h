#pragma once
#include "KernelObject.h"

// The access token of this process.
class TokenObject : public KernelObject {};
