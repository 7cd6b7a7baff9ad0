#include "hostlib/util/MCWindowLayout.h"

#include <algorithm>
#include <utility>

#include "platform/core/LastError.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/shell/Registry.h"
#include "platform/window/WindowApi.h"

namespace {

constexpr const char* kValueNames[] = {"Left", "Top", "Width", "Height"};

bool IsTopLevel(HWND window) {
    return IsWindow(window) && !(GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD);
}

// What opening a key that does not exist does.
enum class IfMissing { Create, Fail };

// Closes the key on every path.
class OpenKey {
public:
    OpenKey(const std::string& path, REGSAM access, IfMissing ifMissing) {
        const LSTATUS status =
            ifMissing == IfMissing::Create
                ? RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, access, nullptr, &m_key, nullptr)
                : RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, access, &m_key);
        if (status != ERROR_SUCCESS) m_key = nullptr;
    }
    ~OpenKey() {
        if (m_key) RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// Where a span of |length| starting at |start| lies once it is moved onto [0, |screen|).
int Within(int start, int length, int screen) {
    return std::clamp(start, 0, std::max(screen - length, 0));
}

}  // namespace

MCWindowLayout::MCWindowLayout(std::string keyPath) : m_keyPath(std::move(keyPath)) {}

bool MCWindowLayout::Save(HWND window) const {
    RECT rect{};
    if (!IsTopLevel(window) || !GetWindowRect(window, &rect)) return false;
    const OpenKey key(m_keyPath, KEY_SET_VALUE, IfMissing::Create);
    if (!key.Get()) return false;
    const LONG values[] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const DWORD value = static_cast<DWORD>(values[i]);
        if (RegSetValueEx(key.Get(), kValueNames[i], 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof(value)) != ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

bool MCWindowLayout::Restore(HWND window, Restoring what) const {
    RECT current{};
    if (!IsTopLevel(window) || !GetWindowRect(window, &current)) return false;
    const OpenKey key(m_keyPath, KEY_QUERY_VALUE, IfMissing::Fail);
    if (!key.Get()) return false;
    int saved[std::size(kValueNames)] = {};
    for (std::size_t i = 0; i < std::size(kValueNames); ++i) {
        DWORD type = 0;
        DWORD value = 0;
        DWORD size = sizeof(value);
        if (RegQueryValueEx(key.Get(), kValueNames[i], nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
            type != REG_DWORD || size != sizeof(value)) {
            return false;
        }
        saved[i] = static_cast<int>(value);
    }
    const auto [left, top, savedWidth, savedHeight] = saved;
    if (savedWidth <= 0 || savedHeight <= 0) return false;

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int width = current.right - current.left;
    int height = current.bottom - current.top;
    if (what == Restoring::PositionAndSize) {
        width = std::min(savedWidth, screenWidth);
        height = std::min(savedHeight, screenHeight);
    }
    return MoveWindow(window, Within(left, width, screenWidth), Within(top, height, screenHeight),
                      width, height, TRUE) != FALSE;
}
