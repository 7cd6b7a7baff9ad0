// The host's services object: web addresses, icons, the shared image list, the busy
// animation and the creation of host components.
#pragma once

#include <string>

#include "platform/com/Unknown.h"
#include "platform/gdi/ImageList.h"

// Declares the operations the module uses; the host's interface has others before and between them.
class MIHostServices : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{105BBC63-91BC-4748-81AE-B4B87925A95C}");

    // False when the host knows no web address for |key| (such as "Map").
    virtual bool GetRegisteredAddress(const char* key, std::string* address) = 0;
    // Opens |address| in the browser.
    virtual void OpenAddress(const char* address) = 0;
    // A host component of class |clsid|; the caller asks it for an interface and releases it.
    virtual HRESULT CreateHostObject(REFCLSID clsid, IUnknown** object) = 0;
    virtual bool IsSendMailUnavailable() = 0;
    // Owned by the host; lives as long as the services object.
    virtual HIMAGELIST GetSmallImageList() = 0;
    // Owned by the host; lives as long as the services object.
    virtual HICON GetIcon(int number) = 0;
    // The path of the busy animation clip.
    virtual void GetAnimationClipPath(std::string* path) = 0;
};
