// The client's History tab as a host's outside component: the page draws its own window where it
// is told, shows what the store holds, refuses validation for a user the store does not have and
// writes its setting on commit; the provider adds it through the page site and lets go of it
// when the site refuses it.
#include "client/host/HistoryPage.h"
#include "client/host/HistoryTabProvider.h"
#include "client/host/HostDialogTemplates.h"
#include "client/host/UserObject.h"
#include "platform/automation/Agent.h"
#include "platform/window/WindowApi.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

// A page site that takes pages, or refuses them.
class TestSite final : public winport::ComObject<MIPageSite> {
public:
    HRESULT AddPage(LPCOLESTR caption, HICON, MIExternalPage* page, DWORD) override {
        captions.push_back(std::u16string(caption));
        if (FAILED(answer)) return answer;
        pages.emplace_back(page);
        return S_OK;
    }
    HRESULT answer = S_OK;
    std::vector<std::u16string> captions;
    std::vector<winport::ComPtr<MIExternalPage>> pages;
};

class HistoryTabTest : public test::StoreFixture {
protected:
    HostDialogTemplates templates;
    winport::Agent agent;
};

TEST_F(HistoryTabTest, APageShowsTheStoredHistoryAndTheProviderAddsItsTab) {
    const HWND parent = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                       nullptr, nullptr, nullptr, nullptr);
    const auto page = winport::MakeComObject<HistoryPage>(*m_store, 2000003, false);
    const RECT area{0, 0, 400, 300};
    ASSERT_EQ(page->CreatePageWindow(parent, &area, 1), S_OK);
    EXPECT_EQ(page->CreatePageWindow(parent, &area, 1), E_UNEXPECTED) << "one window a page";
    HWND window = nullptr;
    ASSERT_EQ(page->GetPageWindow(&window), S_OK);
    EXPECT_EQ(GetParent(window), parent);
    const auto text = [window](int id) {
        return winport::GetWindowTextUtf8(GetDlgItem(window, id));
    };
    EXPECT_EQ(text(IDC_HISTORY_FIRST_LABEL), "Added to your contacts:");
    EXPECT_EQ(text(IDC_HISTORY_FIRST), "2024-03-01");
    EXPECT_EQ(text(IDC_HISTORY_FETCHED), "never");

    ASSERT_TRUE(agent.Tick(GetDlgItem(window, IDC_HISTORY_KEEP), winport::CheckState::Unchecked));
    EXPECT_EQ(page->ValidatePage(), S_OK);
    EXPECT_EQ(page->CanCommitPage(), S_OK);
    EXPECT_EQ(page->CommitPage(), S_OK);
    EXPECT_EQ(m_store->ReadRecord(2000003).Find("KeepHistory")->Integer(), 0);

    // Its window gone with the pane, the page has nothing to commit.
    DestroyWindow(parent);
    EXPECT_NE(page->CanCommitPage(), S_OK);
    EXPECT_EQ(winport::MakeComObject<HistoryPage>(*m_store, 4242, false)->ValidatePage(), E_FAIL);

    // The provider adds one tab and lets go of it when the site refuses it.
    winport::ComPtr<MIUserObject> contact;
    ASSERT_EQ(CreateUserObject(*m_store, 2000001, contact.GetAddressOf()), S_OK);
    std::vector<std::uint32_t> committed;
    const auto provider = winport::MakeComObject<HistoryTabProvider>(
        *m_store, [&committed](std::uint32_t user) { committed.push_back(user); });
    const auto site = winport::MakeComObject<TestSite>();
    winport::ComPtr<MITabConnection> connection;
    ASSERT_EQ(provider->RegisterContactPages(contact.Get(), site.Get(), connection.GetAddressOf()),
              S_OK);
    EXPECT_EQ(site->captions, std::vector<std::u16string>{u"History"});
    ASSERT_EQ(connection->PagesCommitted(), S_OK);
    EXPECT_EQ(committed, std::vector<std::uint32_t>{2000001});

    site->answer = E_FAIL;
    winport::ComPtr<MITabConnection> refused;
    EXPECT_EQ(provider->RegisterOwnerPages(contact.Get(), site.Get(), refused.GetAddressOf()),
              E_FAIL);
    EXPECT_EQ(refused.Get(), nullptr);
    EXPECT_EQ(provider->RegisterContactPages(nullptr, site.Get(), refused.GetAddressOf()),
              E_POINTER);
}

}  // namespace
}  // namespace nuvclient
