// Templates, strings and counted dialog classes shared by the framework dialog tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "hostlib/framework/BCTabbedDialog.h"
#include "platform/automation/Agent.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/core/WinStyles.h"
#include "platform/gdi/ImageList.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/window/WindowApi.h"

namespace bctest {

inline constexpr int kTaskDialog = 7600;
inline constexpr int kBrokenDialog = 7601;
inline constexpr int kTabbedDialog = 7602;
inline constexpr int kPageDialog = 7603;
inline constexpr int kBrokenPage = 7604;
inline constexpr int kControlsDialog = 7605;
inline constexpr int kTabControl = 1000;
inline constexpr int kList = 2001;
inline constexpr int kListBox = 2002;
inline constexpr int kEdit = 2003;
inline constexpr int kButton = 2004;
inline constexpr int kRichEdit = 2005;
inline constexpr int kPageEdit = 1101;
inline constexpr UINT kWarningText = 7650;
inline constexpr UINT kWarningCaption = 7651;

inline constexpr winport::ControlTemplate kTaskControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {60, 70, 50, 14}},
    {IDCANCEL, "Button", "Close", WS_VISIBLE | WS_TABSTOP, {115, 70, 50, 14}},
};
inline constexpr winport::ControlTemplate kBrokenControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP, {5, 5, 50, 14}},
    {1200, "NoSuchControlClass", "", WS_VISIBLE, {5, 25, 50, 14}},
};
inline constexpr winport::ControlTemplate kTabbedControls[] = {
    {kTabControl, "SysTabControl32", "", WS_VISIBLE | WS_TABSTOP, {5, 5, 220, 150}},
    {IDOK, "Button", "Save", WS_VISIBLE | WS_TABSTOP, {120, 160, 50, 14}},
    {IDCANCEL, "Button", "Close", WS_VISIBLE | WS_TABSTOP, {175, 160, 50, 14}},
};
inline constexpr winport::ControlTemplate kPageControls[] = {
    {kPageEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, {5, 5, 100, 12}},
};

inline constexpr winport::ControlTemplate kHostControls[] = {
    {kList, "SysListView32", "", WS_VISIBLE | WS_TABSTOP | LVS_REPORT, {5, 5, 150, 60}},
    {kListBox, "ListBox", "", WS_VISIBLE | WS_TABSTOP | LBS_OWNERDRAWFIXED, {5, 70, 150, 40}},
    {kEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, {5, 115, 100, 12}},
    {kButton, "Button", "", WS_VISIBLE | WS_TABSTOP, {110, 115, 20, 14}},
    {kRichEdit, "RichEdit20A", "", WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, {5, 135, 150, 30}},
};

// A dialog window shown with a caption.
inline constexpr DWORD kShown = WS_POPUP | WS_CAPTION | WS_VISIBLE;
inline constexpr winport::DialogTemplate kDialogs[] = {
    {kControlsDialog, "Controls", kShown, {0, 0, 170, 175}, kHostControls},
    {kTaskDialog, "Task", kShown, {0, 0, 170, 90}, kTaskControls},
    {kBrokenDialog, "Broken", WS_POPUP | WS_CAPTION, {0, 0, 100, 50}, kBrokenControls},
    {kTabbedDialog, "Details", kShown, {0, 0, 230, 180}, kTabbedControls},
    {kPageDialog, "", WS_CHILD | WS_VISIBLE | DS_CONTROL, {0, 0, 200, 120}, kPageControls},
    {kBrokenPage, "", WS_CHILD | DS_CONTROL, {0, 0, 100, 50}, kBrokenControls},
};

inline constexpr winport::StringResource kStrings[] = {
    {kWarningText, "Your details will be published."},
    {kWarningCaption, "Update Details"},
};

inline constexpr winport::ResourceTable kResources{"framework tests", kDialogs, {}, {}, kStrings};

class ScopedResources {
public:
    ScopedResources() { EXPECT_TRUE(winport::AddResourceTable(kResources)); }
    ~ScopedResources() { winport::RemoveResourceTable(kResources); }
    ScopedResources(const ScopedResources&) = delete;
    ScopedResources& operator=(const ScopedResources&) = delete;
};

// Counts the objects alive and deleted, so a test sees every object freed exactly once.
struct Lifetimes {
    int live = 0;
    int deleted = 0;
};

class CountedLife {
public:
    explicit CountedLife(Lifetimes& lifetimes) : m_lifetimes(lifetimes) { ++m_lifetimes.live; }
    ~CountedLife() {
        --m_lifetimes.live;
        ++m_lifetimes.deleted;
    }
    CountedLife(const CountedLife&) = delete;
    CountedLife& operator=(const CountedLife&) = delete;

private:
    Lifetimes& m_lifetimes;
};

// A page that records what the framework asks of it.
class RecordingPage final : public BCInsideDialog {
public:
    RecordingPage(Lifetimes& lifetimes, std::vector<std::string>& log, std::string name)
        : BCInsideDialog(nullptr, kPageDialog, 0, nullptr),
          m_life(lifetimes),
          m_log(log),
          m_name(std::move(name)) {}

    int PageCommit() override {
        m_log.push_back(m_name + ".commit");
        return 1;
    }
    void PageClear() override { m_log.push_back(m_name + ".clear"); }
    int PageValidate() override {
        m_log.push_back(m_name + ".validate");
        return validateAnswer;
    }
    BOOL DoCheckPrev() override { return allowPrev; }
    void PageReload() override { m_log.push_back(m_name + ".reload"); }
    void ReadStateFromRegistry() override { m_log.push_back(m_name + ".read"); }
    void WriteStateToRegistry() override { m_log.push_back(m_name + ".write"); }
    LRESULT OnPageDeferred() override {
        m_log.push_back(m_name + ".deferred");
        return 1;
    }
    void PageSetData(int code, void* value) override {
        m_log.push_back(m_name + ".set " + std::to_string(code));
        lastValue = value;
    }

    int validateAnswer = 1;
    BOOL allowPrev = TRUE;
    void* lastValue = nullptr;

private:
    CountedLife m_life;
    std::vector<std::string>& m_log;
    std::string m_name;
};

// A modeless task dialog holding one control of each kind; it logs the notifications it gets.
class ControlsHost final : public BCTaskDialog {
public:
    ControlsHost() : BCTaskDialog(nullptr, kControlsDialog, nullptr, "Controls", 0, nullptr) {}

    std::optional<LRESULT> OnMessage(const winport::Message& m) override {
        if (m.id == WM_NOTIFY && m.lParam) {
            const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
            notifications.emplace_back(static_cast<int>(header->idFrom), header->code);
        }
        return BCTaskDialog::OnMessage(m);
    }

    std::vector<std::pair<int, UINT>> notifications;
};

// Opens a ControlsHost for a test and closes it afterwards.
class ControlsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_host = new ControlsHost;
        ASSERT_TRUE(m_host->MyCreate(kControlsDialog));
        m_hwnd = m_host->m_hWnd;
    }
    void TearDown() override {
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }

    ScopedResources m_resources;
    ControlsHost* m_host = nullptr;
    HWND m_hwnd = nullptr;
};

// An image list of |count| blank images of |size| pixels square, destroyed with the object.
class ScopedImageList {
public:
    ScopedImageList(int size, int count) : m_list(ImageList_Create(size, size, ILC_COLOR32, 0, 4)) {
        ImageList_SetImageCount(m_list, static_cast<UINT>(count));
    }
    ~ScopedImageList() { ImageList_Destroy(m_list); }
    ScopedImageList(const ScopedImageList&) = delete;
    ScopedImageList& operator=(const ScopedImageList&) = delete;
    operator HIMAGELIST() const { return m_list; }

private:
    HIMAGELIST m_list;
};

// |window|'s rectangle on the screen.
inline RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The tab captions of |tab| in order.
inline std::vector<std::string> TabCaptions(HWND tab) {
    std::vector<std::string> captions;
    const auto count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        TCITEM item{.mask = TCIF_TEXT, .pszText = text, .cchTextMax = sizeof text};
        SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(text);
    }
    return captions;
}

// The entries of |combo| as a person reads them, each with the number it carries.
using ComboItems = std::vector<std::pair<std::string, LRESULT>>;
inline ComboItems ComboEntries(HWND combo) {
    ComboItems entries;
    const LRESULT count = SendMessage(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        std::string text(static_cast<size_t>(SendMessage(combo, CB_GETLBTEXTLEN, index, 0)), '\0');
        SendMessage(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        entries.emplace_back(text, SendMessage(combo, CB_GETITEMDATA, index, 0));
    }
    return entries;
}

// The text of |row| of list view |list| in |column|.
inline std::string ListViewCell(HWND list, int row, int column) {
    char text[256] = {};
    LVITEMA item{.iSubItem = column, .pszText = text, .cchTextMax = sizeof text};
    SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The texts of the message boxes |agent| answered, from the |from|th on.
inline std::vector<std::string> BoxTexts(const winport::Agent& agent, size_t from = 0) {
    std::vector<std::string> texts;
    for (size_t i = from; i < agent.MessageBoxes().size(); ++i)
        texts.push_back(agent.MessageBoxes()[i].request.text);
    return texts;
}

}  // namespace bctest
