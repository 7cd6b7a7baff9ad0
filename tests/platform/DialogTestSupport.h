// Small dialog templates in a resource table of their own, and a scope that joins a resource table
// to the chain for a test.
#pragma once

#include <gtest/gtest.h>

#include "platform/controls/ComboBoxApi.h"
#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/Dialog.h"
#include "platform/resources/ResourceChain.h"
#include "platform/window/WindowApi.h"

namespace winport::test {

inline constexpr int kNameEdit = 1001;
inline constexpr int kCityEdit = 1002;
inline constexpr int kDisabledEdit = 1003;
inline constexpr int kInnerButton = 1004;
inline constexpr int kAnswerButton = 1005;
inline constexpr int kFormDialog = 7100;
inline constexpr int kInnerDialog = 7101;
inline constexpr int kPageDialog = 7102;
inline constexpr int kPageEdit = 1101;
inline constexpr int kPageCheck = 1102;
inline constexpr int kNotesDialog = 7103;
inline constexpr int kNotesEdit = 1201;
inline constexpr int kChoiceDialog = 7104;
inline constexpr int kDropDownCombo = 1301;
inline constexpr int kDropListCombo = 1302;

inline constexpr ControlTemplate kFormControls[] = {
    {-1, "Static", "&Name:", WS_VISIBLE, {5, 5, 40, 8}},
    {kNameEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, {50, 5, 100, 12}},
    {kCityEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, {50, 20, 100, 12}},
    {kDisabledEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP | WS_DISABLED, {50, 35, 100, 12}},
    {kInnerButton, "Button", "&Inner", WS_VISIBLE | WS_TABSTOP, {5, 50, 50, 14}},
    {kAnswerButton, "Button", "&Answer", WS_VISIBLE | WS_TABSTOP, {60, 50, 50, 14}},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {115, 70, 50, 14}},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP, {170, 70, 50, 14}},
};

inline constexpr ControlTemplate kInnerControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 5, 50, 14}},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP, {60, 5, 50, 14}},
};

inline constexpr ControlTemplate kPageControls[] = {
    {kPageEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, {5, 5, 60, 12}},
    {kPageCheck, "Button", "&Remind", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {5, 20, 60, 10}},
};

// A multi-line edit without ES_WANTRETURN before a single-line one.
inline constexpr ControlTemplate kNotesControls[] = {
    {kNotesEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, {5, 5, 100, 30}},
    {kCityEdit, "Edit", "", WS_VISIBLE | WS_TABSTOP, {5, 40, 100, 12}},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 60, 50, 14}},
};

inline constexpr ControlTemplate kChoiceControls[] = {
    {kDropDownCombo, "ComboBox", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, {5, 5, 100, 60}},
    {kDropListCombo, "ComboBox", "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, {5, 20, 100, 60}},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 40, 50, 14}},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP, {60, 40, 50, 14}},
};

inline constexpr DWORD kModalStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
inline constexpr DialogTemplate kTestDialogs[] = {
    {kFormDialog, "Form", kModalStyle, {0, 0, 230, 90}, kFormControls},
    {kInnerDialog, "Inner", WS_POPUP | WS_CAPTION, {0, 0, 120, 25}, kInnerControls},
    {kPageDialog, "", WS_CHILD | WS_VISIBLE | DS_CONTROL, {10, 10, 80, 40}, kPageControls},
    {kNotesDialog, "Notes", kModalStyle, {0, 0, 110, 80}, kNotesControls},
    {kChoiceDialog, "Choice", kModalStyle, {0, 0, 120, 60}, kChoiceControls},
};

inline constexpr ResourceTable kTestResources{"dialog tests", kTestDialogs};

// Keeps |table|, the dialog tests' own unless told, in the resource chain while it lives; it must
// join.
class ScopedResourceTable {
public:
    explicit ScopedResourceTable(const ResourceTable& table = kTestResources) : m_table(table) {
        EXPECT_TRUE(AddResourceTable(table)) << GetLastErrorText();
    }
    ~ScopedResourceTable() { RemoveResourceTable(m_table); }
    ScopedResourceTable(const ScopedResourceTable&) = delete;
    ScopedResourceTable& operator=(const ScopedResourceTable&) = delete;

private:
    const ResourceTable& m_table;
};

// The form dialog, modeless and shown while a test runs.
class ShownFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(kFormDialog));
        ShowWindow(dialog.m_hWnd, SW_SHOW);
    }
    void TearDown() override {
        dialog.DestroyWindow();
        PumpMessages();
    }

    ScopedResourceTable resources;
    CDialog dialog;
};

}  // namespace winport::test
