// A category data list: rows 0 to count-1 with named fields ("code", "name", "icon", "level",
// "parent", and "imagelist" on row 0). The outputs are used only when a call returns S_OK.
#pragma once

#include "platform/com/Unknown.h"

class MINUVDataList : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{8F309864-77EB-4976-ADC3-994CC1A32F4C}");

    virtual HRESULT GetCount(LONG* count) = 0;
    virtual HRESULT GetLong(LONG row, const char* field, LONG* value) = 0;
    // |text| stays owned by the list.
    virtual HRESULT GetString(LONG row, const char* field, const char** text) = 0;
    // A handle owned by the list, such as the image list of row 0's "imagelist".
    virtual HRESULT GetHandle(LONG row, const char* field, void** handle) = 0;
    // The first row whose |field| equals |value|.
    virtual HRESULT FindRow(const char* field, LONG value, LONG* row) = 0;
};
