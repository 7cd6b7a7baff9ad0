// A page object an outside component adds to a details window as an extra tab.
#pragma once

#include "platform/com/Unknown.h"

// Declares the operations the module uses; the host's interface has others besides them.
class MIExternalPage : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{41F7B9F3-E517-439B-992C-BD058BEE836B}");

    // |flags| is 1.
    virtual HRESULT CreatePageWindow(HWND parent, const RECT* client, LONG flags) = 0;
    virtual HRESULT GetPageWindow(HWND* window) = 0;
    // |reserved| is 0.
    virtual HRESULT CompleteBuild(LONG reserved) = 0;
    // |flags| is 1.
    virtual HRESULT NotifyReparented(LONG flags) = 0;
    virtual HRESULT ResizePage(int width, int height) = 0;
    virtual HRESULT ValidatePage() = 0;
    // S_OK when the page can be validated and committed.
    virtual HRESULT CanCommitPage() = 0;
    virtual HRESULT CommitPage() = 0;
};
