#include "client/host/HostDialogs.h"

#include <new>
#include <stdexcept>

#include "client/host/InterestPickerDialog.h"
#include "client/host/SaveConfirmationDialog.h"
#include "module/host/HostIds.h"
#include "platform/com/TaskMemory.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {

namespace {

HRESULT CreateHostDialogs(REFIID riid, void** ppv) {
    try {
        return winport::MakeComObject<HostDialogs>()->QueryInterface(riid, ppv);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace

HRESULT HostDialogs::Confirm(HWND parent, MIUserObject* /*owner*/, LPCOLESTR firstText,
                             LPCOLESTR secondText, int* answer) {
    if (!answer) return E_POINTER;
    *answer = 0;
    if (parent && !::IsWindow(parent)) return E_INVALIDARG;
    try {
        SaveConfirmationDialog dialog(CWnd::FromHandle(parent), winport::Utf16ToUtf8(firstText),
                                      winport::Utf16ToUtf8(secondText));
        const INT_PTR result = dialog.DoModal();
        if (result == -1) return E_FAIL;
        *answer = result == IDYES ? 1 : 0;
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT HostDialogs::Pick(HWND parent, LONG* category, char** keywords, LONG* result) {
    if (!category || !keywords || !result) return E_POINTER;
    *result = 0;
    if (parent && !::IsWindow(parent)) return E_INVALIDARG;
    try {
        InterestPickerDialog dialog(CWnd::FromHandle(parent), *category,
                                    *keywords ? *keywords : "");
        const INT_PTR answer = dialog.DoModal();
        if (answer == -1) return E_FAIL;
        if (answer != IDOK) return S_OK;
        char* text = winport::CopyToTaskMemory(dialog.Keywords());
        if (!text) return E_OUTOFMEMORY;
        CoTaskMemFree(*keywords);
        *keywords = text;
        *category = dialog.Category();
        *result = 1;
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HostDialogsClass::HostDialogsClass() : m_class(kHostDialogsClsid, CreateHostDialogs) {
    if (!m_class.Registered())
        throw std::runtime_error(
            "the host dialogs class is registered already: another host is running");
}

}  // namespace nuvclient
