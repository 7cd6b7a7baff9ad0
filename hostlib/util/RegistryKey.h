// Reading the host's settings from the registry.
#pragma once

#include "platform/core/WinTypes.h"

class BCRegistryKey {
public:
    // Reads the text value |value| of the key |path| + |key| under |root| into |buffer| of
    // |size| bytes (with its terminating zero, never cutting a character). False, with an
    // empty buffer, when the key or the value is missing or is not text.
    static bool ReadString(HKEY root, const char* path, const char* key, const char* value,
                           char* buffer, DWORD size);
};
