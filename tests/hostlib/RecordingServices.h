// The host's services as the host library's tests need them.
#pragma once

#include <string>
#include <vector>

#include "module/host/MIHostServices.h"
#include "platform/com/ComObject.h"

namespace bctest {

// A host that knows one page and one icon, and remembers which pages it was asked for.
class RecordingServices final : public winport::ComObject<MIHostServices> {
public:
    bool GetRegisteredAddress(const char* key, std::string* address) override {
        asked.emplace_back(key);
        if (std::string(key) != "Web Directories Update") return false;
        *address = "https://host.example/publicize";
        return true;
    }
    void OpenAddress(const char* address) override { opened.emplace_back(address); }
    HRESULT CreateHostObject(REFCLSID, IUnknown** object) override {
        *object = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    bool IsSendMailUnavailable() override { return false; }
    HIMAGELIST GetSmallImageList() override { return nullptr; }
    HICON GetIcon(int number) override { return number == iconNumber ? icon : nullptr; }
    void GetAnimationClipPath(std::string* path) override { path->clear(); }

    std::vector<std::string> asked;
    std::vector<std::string> opened;
    int iconNumber = 0;
    HICON icon = nullptr;  // the icon of |iconNumber|
};

}  // namespace bctest
