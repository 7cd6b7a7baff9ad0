// Implemented by the module: a database operation reports through it, possibly from another
// thread.
#pragma once

#include "platform/com/Unknown.h"
#include "platform/text/WideChar.h"

// What a failed operation reports; |reserved| is not read.
struct DBOpErrorRecord {
    DWORD reserved = 0;
    int code = 0;
    LPCOLESTR text = nullptr;
};

class MIDBOpCallback : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{C68A53C0-379D-11D3-BCD7-0050048EBC8D}");

    // E_POINTER for a null record.
    virtual HRESULT OnError(const DBOpErrorRecord* error) = 0;
    virtual HRESULT OnDone() = 0;
};
