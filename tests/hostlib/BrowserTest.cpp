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

TEST_F(BrowserTest, OpensTheRegisteredPageThroughTheHost) {
    SetHostServices(host.Get());
    EXPECT_EQ(GetHostServices(), host.Get());
    EXPECT_TRUE(BrowserGotoRegURL("Web Directories Update", false));
    EXPECT_EQ(host->asked, std::vector<std::string>{"Web Directories Update"});
    EXPECT_EQ(host->opened, std::vector<std::string>{"https://host.example/publicize"});
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_EQ(host->RefCount(), 1u);  // Borrowed, never held.
}

TEST_F(BrowserTest, AnUnknownNameOrNoHostOpensNothingAndIsSilentByDefault) {
    EXPECT_FALSE(BrowserGotoRegURL("Web Directories Update", false));  // No host yet.
    SetHostServices(host.Get());
    EXPECT_FALSE(BrowserGotoRegURL("Nowhere", false));
    EXPECT_FALSE(BrowserGotoRegURL(nullptr, false));
    SetHostServices(nullptr);
    EXPECT_FALSE(BrowserGotoRegURL("Web Directories Update", false));
    EXPECT_EQ(host->asked, std::vector<std::string>{"Nowhere"});
    EXPECT_TRUE(host->opened.empty());
    EXPECT_TRUE(agent.MessageBoxes().empty());
}

TEST_F(BrowserTest, TheFlagTellsTheUserWhenThePageCannotBeOpened) {
    SetHostServices(host.Get());
    EXPECT_TRUE(BrowserGotoRegURL("Web Directories Update", true));
    EXPECT_TRUE(agent.MessageBoxes().empty());
    EXPECT_FALSE(BrowserGotoRegURL("Nowhere", true));
    SetHostServices(nullptr);
    EXPECT_FALSE(BrowserGotoRegURL("Web Directories Update", true));
    ASSERT_EQ(agent.MessageBoxes().size(), 2u);
    for (const auto& box : agent.MessageBoxes()) {
        EXPECT_EQ(box.request.text, "This web page is not available.");
        EXPECT_EQ(box.request.style, MB_OK | MB_ICONINFORMATION);
    }
    EXPECT_EQ(host->opened.size(), 1u);
}

}  // namespace
