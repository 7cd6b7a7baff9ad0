#include "platform/shell/Registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/core/LastError.h"

using namespace std::literals;

namespace {

struct Value {
    DWORD type;
    std::string bytes;
    friend bool operator==(const Value&, const Value&) = default;
};

LSTATUS Create(HKEY parent, const char* path, HKEY* key, REGSAM access = KEY_ALL_ACCESS,
               DWORD* disposition = nullptr) {
    return RegCreateKeyEx(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key,
                          disposition);
}

LSTATUS Open(HKEY parent, const char* path, HKEY* key, REGSAM access = KEY_READ) {
    return RegOpenKeyEx(parent, path, 0, access, key);
}

// Closes the key it holds, so that a failing assertion cannot leak a handle into the next test;
// made with a path, it creates the key with every right, or opens it with |access| when given.
struct ScopedKey {
    HKEY key = nullptr;
    ScopedKey() = default;
    ScopedKey(HKEY parent, const char* path) {
        EXPECT_EQ(Create(parent, path, &key), ERROR_SUCCESS) << path;
    }
    ScopedKey(HKEY parent, const char* path, REGSAM access) {
        EXPECT_EQ(Open(parent, path, &key, access), ERROR_SUCCESS) << path;
    }
    ScopedKey(const ScopedKey&) = delete;
    ~ScopedKey() {
        if (key) RegCloseKey(key);
    }
    HKEY* Out() { return &key; }
    HKEY Get() const { return key; }
};

LSTATUS Set(HKEY key, const char* name, DWORD type, std::string_view bytes) {
    return RegSetValueEx(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
}

// Asks only for the size of a value.
LSTATUS QuerySize(HKEY key, const char* name) {
    DWORD size = 0;
    return RegQueryValueEx(key, name, nullptr, nullptr, nullptr, &size);
}

// Reads a value the way callers do: ask for the size, then read into a buffer of that size.
std::optional<Value> Query(HKEY key, const char* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    const LSTATUS status =
        RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    EXPECT_EQ(status, ERROR_SUCCESS);
    EXPECT_EQ(size, bytes.size());
    return Value{type, bytes};
}

LSTATUS EnumKey(HKEY key, DWORD index, char* name, DWORD* length) {
    return RegEnumKeyEx(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
}

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    DWORD length = sizeof name;
    for (DWORD i = 0; EnumKey(key, i, name, &length) == ERROR_SUCCESS; ++i, length = sizeof name) {
        names.emplace_back(name, length);
    }
    return names;
}

// Every key and value below |key|, one line each, read through the enumeration functions.
std::vector<std::string> Dump(HKEY key, const std::string& path,
                              std::vector<std::string> lines = {}) {
    lines.push_back("[" + path + "]");
    char name[256];
    BYTE data[1024];
    DWORD length = sizeof name;
    DWORD type = 0;
    DWORD size = sizeof data;
    for (DWORD i = 0;
         RegEnumValue(key, i, name, &length, nullptr, &type, data, &size) == ERROR_SUCCESS;
         ++i, length = sizeof name, size = sizeof data) {
        lines.push_back(std::string(name, length) + " = " + std::to_string(type) + ":" +
                        std::string(reinterpret_cast<char*>(data), size));
    }
    for (const std::string& subkeyName : SubkeyNames(key)) {
        const ScopedKey subkey(key, subkeyName.c_str(), KEY_READ);
        lines = Dump(subkey.Get(), path + "\\" + subkeyName, std::move(lines));
    }
    return lines;
}

std::vector<std::string> DumpRegistry() {
    std::vector<std::string> lines;
    for (const auto& [root, name] : {std::pair{HKEY_CLASSES_ROOT, "HKCR"},
                                     {HKEY_CURRENT_USER, "HKCU"},
                                     {HKEY_LOCAL_MACHINE, "HKLM"},
                                     {HKEY_USERS, "HKU"}}) {
        lines = Dump(root, name, std::move(lines));
    }
    return lines;
}

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { winport::ClearRegistry(); }
    void TearDown() override {
        EXPECT_EQ(winport::OpenRegistryHandleCount(), m_handlesBefore) << "a handle leaked";
    }
    const std::size_t m_handlesBefore = winport::OpenRegistryHandleCount();
};

TEST_F(RegistryTest, CreateMakesIntermediateKeysReportsDispositionAndPathsAndNamesFollowWindows) {
    ScopedKey created;
    DWORD disposition = 0;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, "Software\\Acme\\Viewer", created.Out(), KEY_ALL_ACCESS,
                     &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ScopedKey again;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, "SOFTWARE\\acme\\VIEWER", again.Out(), KEY_ALL_ACCESS,
                     &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    ASSERT_EQ(Set(created.Get(), "Shared", REG_SZ, "yes\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(Query(again.Get(), "shared"), (Value{REG_SZ, "yes\0"s}));
    const ScopedKey software(HKEY_CURRENT_USER, "software", KEY_READ);
    EXPECT_EQ(SubkeyNames(software.Get()), std::vector<std::string>{"Acme"});

    // Doubled and trailing separators collapse; a leading one is refused below the roots only.
    const ScopedKey key(HKEY_CLASSES_ROOT, "a\\\\b\\");
    const ScopedKey opened(HKEY_CLASSES_ROOT, "\\a\\b", KEY_READ);
    HKEY result = reinterpret_cast<HKEY>(0x1234);
    EXPECT_EQ(Open(HKEY_CURRENT_USER, "\\a", &result), ERROR_BAD_PATHNAME);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(Create(HKEY_CURRENT_USER, "\\a", &result), ERROR_BAD_PATHNAME);
    EXPECT_EQ(Open(HKEY_CURRENT_USER, "a\\b", &result), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(result, nullptr);

    // The default value, missing values, and value names that differ only in case.
    ScopedKey defaults(HKEY_LOCAL_MACHINE, "Defaults");
    DWORD type = 99;
    DWORD size = 99;
    EXPECT_EQ(RegQueryValueEx(defaults.Get(), "Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(std::pair(type, size), std::pair(DWORD{REG_NONE}, DWORD{0}));
    ASSERT_EQ(Set(defaults.Get(), nullptr, REG_DWORD, "\x2a\0\0\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(Query(defaults.Get(), ""), (Value{REG_DWORD, "\x2a\0\0\0"s}));
    EXPECT_EQ(RegDeleteValue(defaults.Get(), "Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(defaults.Get(), ""), ERROR_SUCCESS);
    EXPECT_EQ(Query(defaults.Get(), nullptr), std::nullopt);

    // Value names ignore case and keep their first spelling.
    ASSERT_EQ(Set(defaults.Get(), "Colour", REG_SZ, "red\0"sv), ERROR_SUCCESS);
    ASSERT_EQ(Set(defaults.Get(), "COLOUR", REG_SZ, "blue\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(Dump(defaults.Get(), "Case"),
              (std::vector<std::string>{"[Case]", "Colour = 1:blue\0"s}));
}

TEST_F(RegistryTest, QueryAndEnumerationReportSizesAndBadParametersAndMissingRightsAreRefused) {
    ScopedKey key(HKEY_CURRENT_USER, "Size");
    ASSERT_EQ(Set(key.Get(), "Name", REG_SZ, "hello\0"sv), ERROR_SUCCESS);
    // The status and the size a query answers, the type too when |type| is given.
    const auto query = [&key](const char* name, char* buffer, DWORD size, DWORD* type = nullptr) {
        const LSTATUS status =
            RegQueryValueEx(key.Get(), name, nullptr, type, reinterpret_cast<BYTE*>(buffer), &size);
        return std::pair(status, size);
    };
    DWORD type = 0;
    EXPECT_EQ(query("Name", nullptr, 0, &type), std::pair(LSTATUS{ERROR_SUCCESS}, DWORD{6}));
    EXPECT_EQ(type, DWORD{REG_SZ});
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(query("Name", small, sizeof small), std::pair(LSTATUS{ERROR_MORE_DATA}, DWORD{6}));
    EXPECT_EQ(std::string(small, 3), "xxx");
    char exact[6];
    EXPECT_EQ(query("Name", exact, sizeof exact), std::pair(LSTATUS{ERROR_SUCCESS}, DWORD{6}));
    EXPECT_EQ(std::string(exact, 6), "hello\0"s);

    // An unterminated string gets a zero when the buffer has room for one.
    ASSERT_EQ(Set(key.Get(), "Raw", REG_SZ, "abc"), ERROR_SUCCESS);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(query("Raw", buffer, sizeof buffer), std::pair(LSTATUS{ERROR_SUCCESS}, DWORD{3}));
    EXPECT_EQ(std::string(buffer, 5), "abc\0x"s);

    // Enumeration too: "Longname" needs 9 bytes with its zero, "Name" 5.
    ScopedKey subkey(key.Get(), "Longname");
    char name[8];
    DWORD length = 8;
    EXPECT_EQ(EnumKey(key.Get(), 0, name, &length), ERROR_MORE_DATA);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(EnumKey(key.Get(), 1, name, &length), ERROR_NO_MORE_ITEMS);
    BYTE data[4];
    DWORD size = sizeof data;
    length = sizeof name;
    EXPECT_EQ(RegEnumValue(key.Get(), 0, name, &length, nullptr, &type, data, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(std::pair(type, size), std::pair(DWORD{REG_SZ}, DWORD{6}));
    length = 4;
    EXPECT_EQ(RegEnumValue(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(RegEnumValue(key.Get(), 2, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    const ScopedKey params(HKEY_CURRENT_USER, "Rights\\Existing");
    const HKEY full = params.Get();  // Opened with every right.
    const ScopedKey reader(HKEY_CURRENT_USER, "Rights", KEY_READ);
    const ScopedKey writer(HKEY_CURRENT_USER, "Rights", KEY_WRITE);
    DWORD reserved = 0;
    size = sizeof data;
    length = sizeof name;
    HKEY unused = nullptr;
    constexpr LSTATUS kBad = ERROR_INVALID_PARAMETER;
    EXPECT_EQ(RegQueryValueEx(full, "v", nullptr, nullptr, data, nullptr), kBad);
    EXPECT_EQ(RegQueryValueEx(full, "v", &reserved, nullptr, data, &size), kBad);
    EXPECT_EQ(RegSetValueEx(full, "v", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
    // Without a result the key is bad, reserved or not; with one, reserved is refused.
    for (const DWORD reserve : {0, 1}) {
        EXPECT_EQ(RegCreateKeyEx(full, "sub", reserve, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr,
                                 nullptr),
                  ERROR_BADKEY);
    }
    EXPECT_EQ(RegCreateKeyEx(full, "sub", 1, nullptr, 0, KEY_ALL_ACCESS, nullptr, &unused, nullptr),
              kBad);
    EXPECT_EQ(RegOpenKeyEx(full, "sub", 0, KEY_READ, nullptr), kBad);
    EXPECT_EQ(RegDeleteKey(full, nullptr), kBad);
    EXPECT_EQ(RegEnumValue(full, 0, name, nullptr, nullptr, nullptr, nullptr, nullptr), kBad);
    EXPECT_EQ(Set(reader.Get(), "v", REG_SZ, "x\0"sv), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(reader.Get(), "v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Create(reader.Get(), "New", &unused, KEY_READ), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Set(writer.Get(), "v", REG_SZ, "x\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(QuerySize(writer.Get(), "v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(EnumKey(writer.Get(), 0, name, &length), ERROR_ACCESS_DENIED);
    // A reader may still open an existing subkey through create.
    ScopedKey existing;
    EXPECT_EQ(Create(reader.Get(), "Existing", existing.Out(), KEY_READ), ERROR_SUCCESS);
}

TEST_F(RegistryTest, SubkeysEnumerateInWindowsOrderWithAnEmptyClassAndValuesInCreationOrder) {
    ScopedKey key(HKEY_CURRENT_USER, "Order");
    for (const char* name : {"beta", "_under", "Alpha", "gamma"}) ScopedKey(key.Get(), name);
    // Windows sorts by the upper-cased name, which puts '_' after the letters.
    EXPECT_EQ(SubkeyNames(key.Get()),
              (std::vector<std::string>{"Alpha", "beta", "gamma", "_under"}));
    for (const char* name : {"zeta", "Alpha", "mu"}) {
        ASSERT_EQ(Set(key.Get(), name, REG_BINARY, name), ERROR_SUCCESS);
    }
    const std::vector<std::string> lines = Dump(key.Get(), "Order");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 4),
              (std::vector<std::string>{"zeta = 3:zeta", "Alpha = 3:Alpha", "mu = 3:mu"}));

    char name[16];
    DWORD length = sizeof name;
    char keyClass[4] = "xx";
    DWORD classLength = sizeof keyClass;
    FILETIME written;
    ASSERT_EQ(RegEnumKeyEx(key.Get(), 0, name, &length, nullptr, keyClass, &classLength, &written),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(keyClass), "");
    EXPECT_EQ(classLength, 0u);
    // FILETIME counts 100 ns steps since 1601; the Unix epoch is 11644473600 s later.
    const auto written100ns = (std::uint64_t{written.dwHighDateTime} << 32) | written.dwLowDateTime;
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    EXPECT_NEAR(static_cast<double>(written100ns / 10000000 - 11644473600ULL), now, 60);
}

TEST_F(RegistryTest, DeleteKeyRefusesRootsAndParentsOrphansOpenHandlesAndHandlesAreCounted) {
    ScopedKey key(HKEY_CURRENT_USER, "Parent\\Child");
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "parent\\CHILD"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent\\Child"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER), std::vector<std::string>{});

    ScopedKey doomed(HKEY_CURRENT_USER, "Doomed");
    ASSERT_EQ(Set(doomed.Get(), "v", REG_SZ, "x\0"sv), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKey(doomed.Get(), ""), ERROR_SUCCESS);
    EXPECT_EQ(QuerySize(doomed.Get(), "v"), ERROR_KEY_DELETED);
    EXPECT_EQ(Set(doomed.Get(), "v", REG_SZ, "y\0"sv), ERROR_KEY_DELETED);
    HKEY child = nullptr;
    EXPECT_EQ(Create(doomed.Get(), "Child", &child), ERROR_KEY_DELETED);
    // A key created again under the same name is a different key.
    ScopedKey reborn(HKEY_CURRENT_USER, "Doomed");
    EXPECT_EQ(QuerySize(doomed.Get(), "v"), ERROR_KEY_DELETED);
    EXPECT_EQ(Query(reborn.Get(), "v"), std::nullopt);

    const std::size_t before = winport::OpenRegistryHandleCount();
    HKEY first = nullptr;
    HKEY second = nullptr;
    ASSERT_EQ(Create(HKEY_USERS, "Counted", &first), ERROR_SUCCESS);
    ASSERT_EQ(Open(first, "", &second), ERROR_SUCCESS);
    EXPECT_NE(second, first);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before + 2);
    // A predefined key opened again is the predefined handle itself, and is not counted.
    HKEY root = nullptr;
    ASSERT_EQ(Open(HKEY_CURRENT_USER, nullptr, &root), ERROR_SUCCESS);
    EXPECT_EQ(root, HKEY_CURRENT_USER);
    EXPECT_EQ(RegCloseKey(root), ERROR_SUCCESS);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before + 2);
    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before);

    EXPECT_EQ(RegCloseKey(first), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Set(first, "v", REG_SZ, "x\0"sv), ERROR_INVALID_HANDLE);
    EXPECT_EQ(QuerySize(reinterpret_cast<HKEY>(0xBAD0), "v"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, ThreadsShareOneRegistry) {
    constexpr int kThreads = 4;
    constexpr int kValuesEach = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kValuesEach; ++i) {
                HKEY key = nullptr;
                if (Create(HKEY_CURRENT_USER, "Threads", &key) != ERROR_SUCCESS) return;
                const std::string name = std::to_string(t) + "-" + std::to_string(i);
                Set(key, name.c_str(), REG_BINARY, name);
                RegCloseKey(key);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    const ScopedKey key(HKEY_CURRENT_USER, "Threads", KEY_READ);
    EXPECT_EQ(Dump(key.Get(), "Threads").size(), 1u + kThreads * kValuesEach);
}

class RegistryFileTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        std::string pattern = (std::filesystem::temp_directory_path() / "registry-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_directory = pattern;
    }
    void TearDown() override {
        std::filesystem::remove_all(m_directory);
        RegistryTest::TearDown();
    }

    std::filesystem::path PathOf(const char* name) const { return m_directory / name; }
    void WriteFile(const char* name, std::string_view text) const {
        std::ofstream(PathOf(name), std::ios::binary) << text;
    }
    // How many files the test's folder holds.
    std::ptrdiff_t Files() const {
        return std::distance(std::filesystem::directory_iterator(m_directory),
                             std::filesystem::directory_iterator());
    }
    static void ExpectError(DWORD code, const std::string& part) {
        EXPECT_EQ(GetLastError(), code);
        EXPECT_NE(winport::GetLastErrorText().find(part), std::string::npos)
            << winport::GetLastErrorText();
    }

    std::filesystem::path m_directory;
};

void FillWithEveryKindOfValue() {
    std::string allBytes;
    for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
    ScopedKey key(HKEY_CURRENT_USER, "Software\\Zoë 日本\\brackets [x] %41 \"q\"\\line\nbreak");
    const std::tuple<const char*, DWORD, std::string_view> values[] = {
        {"", REG_SZ, "default\0"sv},
        {"unterminated", REG_SZ, "abc"sv},
        {"tricky \"name\" %25 \\ back\nline", REG_SZ, "a\\b\r\n\"q\" %25 \0mid\0"sv},
        {"utf8 Zoë", REG_EXPAND_SZ, "%APPDATA%\\Zoë\\日本\0"sv},
        {"multi", REG_MULTI_SZ, "one\0two\0\0"sv},
        {"every byte", REG_BINARY, allBytes},
        {"empty", REG_BINARY, ""sv},
        {"none", REG_NONE, "\x01\x02"sv},
        {"dword", REG_DWORD, "\x2a\x00\x00\x80"sv},
        {"short dword", REG_DWORD, "\x2a\x00"sv},
        {"qword", 11, "\x01\x02\x03\x04\x05\x06\x07\x08"sv},
    };
    for (const auto& [name, type, bytes] : values) {
        ASSERT_EQ(Set(key.Get(), name, type, bytes), ERROR_SUCCESS) << name;
    }
    ScopedKey empty(HKEY_LOCAL_MACHINE, "Empty\\Leaf");
    ASSERT_EQ(Set(HKEY_CLASSES_ROOT, "root value", REG_SZ, "on a root\0"sv), ERROR_SUCCESS);
}

TEST_F(RegistryFileTest, SaveAndLoadRoundTripEveryTypeAndByteAndALoadReplacesTheRegistry) {
    FillWithEveryKindOfValue();
    const auto before = DumpRegistry();
    ASSERT_TRUE(winport::SaveRegistry(PathOf("registry.txt"))) << winport::GetLastErrorText();
    winport::ClearRegistry();
    ASSERT_NE(DumpRegistry(), before);
    ASSERT_TRUE(winport::LoadRegistry(PathOf("registry.txt"))) << winport::GetLastErrorText();
    EXPECT_EQ(DumpRegistry(), before);

    // The file is text: no control byte but the line ends, and nothing left beside it.
    std::ifstream in(PathOf("registry.txt"), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return c == '\n' || static_cast<unsigned char>(c) >= 0x20;
    }));
    EXPECT_EQ(Files(), 1);

    // A load replaces the registry and orphans open handles.
    ScopedKey old(HKEY_CURRENT_USER, "Old");
    WriteFile("new.txt",
              "winport registry 1\r\n"
              "; a comment\r\n"
              "\r\n"
              "[hkey_current_user\\New]\r\n"
              "\"Greeting\"=sz:\"hi%00\"\r\n"
              "\"Count\"=dword:0000002a\r\n");
    ASSERT_TRUE(winport::LoadRegistry(PathOf("new.txt"))) << winport::GetLastErrorText();
    EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER), std::vector<std::string>{"New"});
    EXPECT_EQ(QuerySize(old.Get(), "v"), ERROR_KEY_DELETED);
    const ScopedKey loaded(HKEY_CURRENT_USER, "new", KEY_READ);
    EXPECT_EQ(Query(loaded.Get(), "greeting"), (Value{REG_SZ, "hi\0"s}));
    EXPECT_EQ(Query(loaded.Get(), "Count"), (Value{REG_DWORD, "\x2a\0\0\0"s}));
}

TEST_F(RegistryFileTest, FailedLoadsAndSavesNameTheFileAndLineAndChangeNothing) {
    FillWithEveryKindOfValue();
    const auto before = DumpRegistry();
    EXPECT_FALSE(winport::LoadRegistry(PathOf("absent.txt")));
    ExpectError(ERROR_FILE_NOT_FOUND, "absent.txt");
    EXPECT_FALSE(winport::LoadRegistry(m_directory));
    ExpectError(ERROR_READ_FAULT, m_directory.string());
    EXPECT_EQ(DumpRegistry(), before);

    EXPECT_FALSE(winport::SaveRegistry(PathOf("no-such-dir/registry.txt")));
    ExpectError(ERROR_PATH_NOT_FOUND, "registry.txt");
    // The temporary file is written, but cannot replace a directory.
    std::filesystem::create_directory(PathOf("taken"));
    EXPECT_FALSE(winport::SaveRegistry(PathOf("taken")));
    ExpectError(ERROR_WRITE_FAULT, "taken");
    EXPECT_EQ(Files(), 1);

    // A malformed file names the line it fails on.
    const std::tuple<const char*, std::string_view, int> cases[] = {
        {"empty file", "", 1},
        {"no header", "[HKEY_CURRENT_USER]\n", 1},
        {"value before key", "winport registry 1\n\"a\"=sz:\"x\"\n", 2},
        {"unknown root", "winport registry 1\n[HKEY_NOWHERE\\x]\n", 2},
        {"unclosed key", "winport registry 1\n[HKEY_CURRENT_USER\\x\n", 2},
        {"empty key name", "winport registry 1\n[HKEY_CURRENT_USER\\\\x]\n", 2},
        {"stray text", "winport registry 1\nhello\n", 2},
        {"bad escape", "winport registry 1\n[HKEY_USERS]\n\"a\"=sz:\"%zz\"\n", 3},
        {"cut escape", "winport registry 1\n[HKEY_USERS]\n\"a%4\"=binary:\n", 3},
        {"unquoted string", "winport registry 1\n[HKEY_USERS]\n\"a\"=sz:abc\n", 3},
        {"unknown type", "winport registry 1\n[HKEY_USERS]\n\"a\"=float:00\n", 3},
        {"odd hex", "winport registry 1\n[HKEY_USERS]\n\"a\"=binary:abc\n", 3},
        {"bad hex", "winport registry 1\n[HKEY_USERS]\n\"a\"=hex(b):zz\n", 3},
        {"short dword", "winport registry 1\n[HKEY_USERS]\n\"a\"=dword:2a\n", 3},
        {"no equals", "winport registry 1\n[HKEY_USERS]\n\"a\" sz:\"x\"\n", 3},
        {"late error",
         "winport registry 1\n[HKEY_USERS\\K]\n\"a\"=sz:\"ok\"\n\n"
         "[HKEY_USERS\\K\\L]\n\"b\"=dword:1\n",
         6},
    };
    for (const auto& [what, text, line] : cases) {
        SCOPED_TRACE(what);
        WriteFile("bad.txt", text);
        EXPECT_FALSE(winport::LoadRegistry(PathOf("bad.txt")));
        ExpectError(ERROR_INVALID_DATA, "bad.txt");
        ExpectError(ERROR_INVALID_DATA, "line " + std::to_string(line) + ":");
        EXPECT_EQ(DumpRegistry(), before);
    }
}

}  // namespace
