#include "hostlib/util/MCWindowLayout.h"

#include <gtest/gtest.h>

#include "BCDialogTestSupport.h"

#include "platform/core/LastError.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/shell/Registry.h"
#include "platform/window/WindowApi.h"

namespace {

constexpr char kParentPath[] = "Software\\NUVLayoutTest";
constexpr char kPath[] = "Software\\NUVLayoutTest\\Details";

class MCWindowLayoutTest : public ::testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(m_window);
        RegDeleteKey(HKEY_CURRENT_USER, kPath);
        RegDeleteKey(HKEY_CURRENT_USER, kParentPath);
    }

    // Writes the saved values by hand, as another run or a damaged profile left them.
    static void WriteValue(const char* name, DWORD value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                 &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                      sizeof(value));
        RegCloseKey(key);
    }
    static void WriteSaved(LONG left, LONG top, LONG width, LONG height) {
        WriteValue("Left", static_cast<DWORD>(left));
        WriteValue("Top", static_cast<DWORD>(top));
        WriteValue("Width", static_cast<DWORD>(width));
        WriteValue("Height", static_cast<DWORD>(height));
    }

    winport::ScopedSystemMetric m_screenWidth{SM_CXSCREEN, 1024};
    winport::ScopedSystemMetric m_screenHeight{SM_CYSCREEN, 768};
    HWND m_window = CreateWindowEx(0, "Static", "Details", WS_VISIBLE | WS_CAPTION, 100, 120, 300,
                                   200, nullptr, nullptr, nullptr, nullptr);
    MCWindowLayout m_layout{kPath};
};

TEST_F(MCWindowLayoutTest, AWindowComesBackWhereItWasSavedOrOnTheScreen) {
    ASSERT_TRUE(m_layout.Save(m_window));
    MoveWindow(m_window, 10, 10, 200, 150, TRUE);
    ASSERT_TRUE(m_layout.Restore(m_window, MCWindowLayout::Restoring::PositionAndSize));
    EXPECT_EQ(bctest::ScreenRect(m_window), (RECT{100, 120, 400, 320}));

    MoveWindow(m_window, 10, 10, 200, 150, TRUE);
    ASSERT_TRUE(m_layout.Restore(m_window, MCWindowLayout::Restoring::Position));
    EXPECT_EQ(bctest::ScreenRect(m_window),
              (RECT{100, 120, 300, 270}));  // A fixed-size dialog keeps its size.

    // A saved place off the screen is brought back on it.
    const struct {
        LONG left, top, width, height;
        RECT expected;
    } cases[] = {
        {900, 700, 300, 200, {724, 568, 1024, 768}},  // Saved on a larger screen.
        {-250, -40, 300, 200, {0, 0, 300, 200}},      // Left of and above the screen.
        {50, 60, 1600, 1000, {0, 0, 1024, 768}},      // Larger than the screen: cut to it.
    };
    for (const auto& c : cases) {
        WriteSaved(c.left, c.top, c.width, c.height);
        ASSERT_TRUE(m_layout.Restore(m_window, MCWindowLayout::Restoring::PositionAndSize));
        EXPECT_EQ(bctest::ScreenRect(m_window), c.expected) << c.left << "," << c.top;
    }
}

TEST_F(MCWindowLayoutTest, NothingDamagedOrAChildLeavesTheWindowAlone) {
    const RECT before = bctest::ScreenRect(m_window);
    EXPECT_FALSE(m_layout.Restore(m_window, MCWindowLayout::Restoring::PositionAndSize));
    WriteSaved(10, 10, 0, 200);  // No width.
    EXPECT_FALSE(m_layout.Restore(m_window, MCWindowLayout::Restoring::PositionAndSize));
    WriteSaved(10, 10, 300, 200);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kPath, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegSetValueEx(key, "Top", 0, REG_SZ, reinterpret_cast<const BYTE*>("10"), 3);
    EXPECT_FALSE(m_layout.Restore(m_window, MCWindowLayout::Restoring::Position));
    RegDeleteValue(key, "Top");
    EXPECT_FALSE(m_layout.Restore(m_window, MCWindowLayout::Restoring::Position));
    RegCloseKey(key);
    EXPECT_EQ(bctest::ScreenRect(m_window), before);

    // Only top-level windows have a layout.
    const HWND child = CreateWindowEx(0, "Static", "", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20,
                                      m_window, nullptr, nullptr, nullptr);
    EXPECT_FALSE(m_layout.Save(child));
    WriteSaved(10, 10, 300, 200);
    EXPECT_FALSE(m_layout.Restore(child, MCWindowLayout::Restoring::Position));
    EXPECT_FALSE(m_layout.Save(nullptr));
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kPath, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    DWORD left = 0;
    DWORD size = sizeof(left);
    RegQueryValueEx(key, "Left", nullptr, nullptr, reinterpret_cast<BYTE*>(&left), &size);
    RegCloseKey(key);
    EXPECT_EQ(left, 10u);  // What the child's Save would have changed.
}

}  // namespace
