#include "platform/window/WindowClass.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/core/LastError.h"
#include "platform/window/Window.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Class names compare without regard to ASCII case, as Windows compares them.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const {
        size_t hash = 14695981039346656037ull;
        for (const char c : name)
            hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
        return hash;
    }
};

struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](char x, char y) { return Lower(x) == Lower(y); });
    }
};

// Hands every window of a registered class to the class's WNDPROC.
class FunctionProcedure final : public WindowProcedure {
public:
    explicit FunctionProcedure(WNDPROC proc) : m_proc(proc) {}
    LRESULT HandleMessage(const Message& m) override {
        return m_proc(m.hwnd, m.id, m.wParam, m.lParam);
    }

private:
    WNDPROC m_proc;
};

struct ClassEntry {
    std::string name;
    ProcedureFactory factory = nullptr;  // System classes.
    WNDCLASS registration;               // Program classes.
};

class ClassRegistry {
public:
    static ClassRegistry& Instance() {
        static ClassRegistry registry;
        return registry;
    }

    bool Add(ClassEntry entry) {
        std::lock_guard lock(m_mutex);
        std::string key = entry.name;
        return m_classes.emplace(std::move(key), std::move(entry)).second;
    }

    bool Remove(std::string_view name) {
        std::lock_guard lock(m_mutex);
        const auto found = m_classes.find(name);
        if (found == m_classes.end() || found->second.factory) return false;
        m_classes.erase(found);
        return true;
    }

    const ClassEntry* Find(std::string_view name) {
        std::lock_guard lock(m_mutex);
        const auto found = m_classes.find(name);
        return found == m_classes.end() ? nullptr : &found->second;
    }

private:
    std::mutex m_mutex;
    std::unordered_map<std::string, ClassEntry, NameHash, NameEqual> m_classes;  // Never moved.
};

}  // namespace

bool RegisterSystemClass(std::string_view name, ProcedureFactory factory) {
    return ClassRegistry::Instance().Add(ClassEntry{std::string(name), factory, {}});
}

std::unique_ptr<WindowProcedure> MakeClassProcedure(std::string_view className, HWND hwnd,
                                                    std::string* registeredName) {
    const ClassEntry* entry = ClassRegistry::Instance().Find(className);
    if (!entry) {
        SetLastErrorText(ERROR_CANNOT_FIND_WND_CLASS,
                         "no window class named \"" + std::string(className) + "\"");
        return nullptr;
    }
    if (registeredName) *registeredName = entry->name;
    if (entry->factory) return entry->factory(hwnd);
    return std::make_unique<FunctionProcedure>(entry->registration.lpfnWndProc);
}

std::string GetClassNameOf(HWND hwnd) {
    const Window* window = RequireWindowObject(hwnd, "GetClassName");
    return window ? window->className : std::string();
}

const char* PlainWindowClass(const char* name) {
    WNDCLASS existing{};
    if (!GetClassInfo(nullptr, name, &existing)) {
        WNDCLASS wc{};
        wc.lpfnWndProc = &::DefWindowProc;
        wc.lpszClassName = name;
        RegisterClass(&wc);
    }
    return name;
}

}  // namespace winport

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "RegisterClass needs a class name and a window procedure");
        return 0;
    }
    static std::atomic<ATOM> nextAtom{0xC000};
    if (!winport::ClassRegistry::Instance().Add({wc->lpszClassName, nullptr, *wc})) {
        winport::SetLastErrorText(
            ERROR_CLASS_ALREADY_EXISTS,
            std::string("window class \"") + wc->lpszClassName + "\" is already registered");
        return 0;
    }
    return nextAtom++;
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
    if (!className || !winport::ClassRegistry::Instance().Remove(className)) {
        winport::SetLastErrorText(
            ERROR_CLASS_DOES_NOT_EXIST,
            std::string("no registered window class \"") + (className ? className : "") + "\"");
        return FALSE;
    }
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, const char* className, WNDCLASS* out) {
    const winport::ClassEntry* entry =
        className ? winport::ClassRegistry::Instance().Find(className) : nullptr;
    if (!entry || !out) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *out = entry->registration;
    out->lpszClassName = entry->name.c_str();
    return TRUE;
}

int GetClassName(HWND hwnd, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    const std::string name = winport::GetClassNameOf(hwnd);
    const size_t count = std::min(name.size(), static_cast<size_t>(maxCount - 1));
    std::memcpy(buffer, name.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}
