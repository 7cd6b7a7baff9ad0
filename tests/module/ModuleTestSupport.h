// The module loaded as a host loads it, once per test program, and a fixture that opens its
// windows over a TestHost and proves at the end that everything is gone: every window, every
// dialog object (the module may unload) and every reference to the host's objects. With it come
// the headers the module's tests share.
#pragma once

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "TestHost.h"
#include "TestOperations.h"
#include "details/UserDetailsDialog.h"
#include "module/host/HostStringIds.h"
#include "module/host/MINUVModule.h"
#include "platform/automation/Agent.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"
#include "tests/hostlib/BCDialogTestSupport.h"

namespace moduletest {

using Lines = std::vector<std::string>;

// The module object, through the exported entry point.
MIUserDetailsModule* Module();
// The exported NUVModuleCanUnload.
bool CanUnload();

// Puts |text| on the clipboard as another program would, owned by no window.
void PutTextOnClipboard(const std::string& text);

// The commands of |menu| as a person was shown them, "id caption" each.
inline Lines MenuItems(const winport::PopupMenuRecord& menu) {
    Lines items;
    for (const auto& item : menu.request.items)
        items.push_back(std::to_string(item.id) + " " + item.text);
    return items;
}

class ModuleFixture : public ::testing::Test {
protected:
    // The update date of the fixture's contact, known to the directory as well.
    static constexpr unsigned int kUpToDate = 500;

    void SetUp() override;
    void TearDown() override;

    // Adds |strings| to the resource chain until the test ends.
    void UseStrings(const winport::ResourceTable& strings);

    // The windows as the module opens them; the test fails when it opens none.
    HWND OpenOwner(int initialTab = 0, bool openHomepageCategory = false);
    HWND OpenContact(BCUserInfo* user, int initialTab = 0, bool limited = false,
                     bool openHomepageCategory = false);
    // A pane inside a host window made for it.
    HWND OpenPane();
    // Saves the owner's |window| as a person does: Save, and the upload it starts reported
    // done; false when Save could not be clicked.
    bool SaveOwnerWindow(HWND window);
    // The texts of the message boxes shown, from the |from|th on.
    Lines BoxTexts(size_t from = 0) const { return bctest::BoxTexts(agent, from); }
    // The addresses the module asked the host to open, in order.
    std::vector<std::string> OpenedAddresses() const;
    // |user|'s record read as text, "value|value|...": a key, or an element of one ("Name[1]").
    std::string Keys(BCUserInfo* user, std::initializer_list<std::string_view> keys);

    // The dialog object behind |window|.
    static CUserDetailsDialog* Dialog(HWND window);
    static HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
    // The Main page of the details window |window|, and the e-mail pane in it that holds the
    // list |listId|.
    static HWND MainPage(HWND window) { return Dialog(window)->GetPage(0)->m_hWnd; }
    static HWND EmailPane(HWND window, int listId);
    static std::string Text(HWND window);
    // The texts of the items |ids| of |dialog|, "text|text|...".
    static std::string Texts(HWND dialog, std::initializer_list<int> ids);
    static bool ReadOnly(HWND edit) { return GetWindowLongPtr(edit, GWL_STYLE) & ES_READONLY; }
    // The weight of the font |control| is drawn in.
    static int FontWeight(HWND control);
    static std::vector<std::string> TabCaptions(HWND dialog);
    static std::vector<int> TabImages(HWND dialog);
    // The page a person sees: the selected tab's when it alone shows, else -1.
    static int ShownPage(HWND dialog);
    // Save or Retrieve, Update From Database, More Options and Close as a person sees them,
    // "Text|(Text)|-|Text": "(...)" disabled, "-" hidden.
    static std::string Buttons(HWND dialog);

    winport::Agent agent;
    std::unique_ptr<testhost::TestHost> host = std::make_unique<testhost::TestHost>();
    MIUserDetailsModule* module = nullptr;
    BCUserInfo* owner = nullptr;
    BCUserInfo* contact = nullptr;
    HWND paneHost = nullptr;

private:
    std::vector<const winport::ResourceTable*> m_strings;
};

}  // namespace moduletest
