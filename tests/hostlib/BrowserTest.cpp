#include "hostlib/util/Browser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostlib/util/UtilityStrings.h"
#include "platform/automation/Agent.h"
#include "platform/com/ComObject.h"
#include "platform/shell/MessageBox.h"

namespace {

// A host that knows one page and remembers what it was asked.
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
    HICON GetIcon(int) override { return nullptr; }
    void GetAnimationClipPath(std::string* path) override { path->clear(); }

    std::vector<std::string> asked;
    std::vector<std::string> opened;
};

class BrowserTest : public ::testing::Test {
protected:
    void TearDown() override { SetHostServices(nullptr); }

    winport::Agent agent;
    winport::ComPtr<RecordingServices> host = winport::MakeComObject<RecordingServices>();
};

TEST_F(BrowserTest, OpensTheRegisteredPageThroughTheHostSilently) {
    SetHostServices(host.Get());
    for (const bool tell : {false, true}) {
        EXPECT_TRUE(BrowserGotoRegURL("Web Directories Update", tell)) << tell;
    }
    EXPECT_EQ(host->asked, std::vector<std::string>(2, "Web Directories Update"));
    EXPECT_EQ(host->opened, std::vector<std::string>(2, "https://host.example/publicize"));
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_EQ(host->RefCount(), 1u);  // Borrowed, never held.
}

// Only the flag makes the user be told that the page cannot be opened.
TEST_F(BrowserTest, AnUnknownNameOrNoHostOpensNothing) {
    for (const bool tell : {false, true}) {
        SCOPED_TRACE(tell);
        SetHostServices(nullptr);
        EXPECT_FALSE(BrowserGotoRegURL("Web Directories Update", tell));
        SetHostServices(host.Get());
        EXPECT_FALSE(BrowserGotoRegURL("Nowhere", tell));
        EXPECT_FALSE(BrowserGotoRegURL(nullptr, tell));
        EXPECT_EQ(agent.MessageBoxes().size(), tell ? 3u : 0u);
    }
    for (const auto& box : agent.MessageBoxes()) {
        EXPECT_EQ(box.request.text, "This web page is not available.");
        EXPECT_EQ(box.request.style, MB_OK | MB_ICONINFORMATION);
    }
    EXPECT_EQ(host->asked, std::vector<std::string>(2, "Nowhere"));
    EXPECT_TRUE(host->opened.empty());
}

}  // namespace
