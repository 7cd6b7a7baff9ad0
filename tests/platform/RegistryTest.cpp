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
#include <vector>

#include "platform/core/LastError.h"

using namespace std::literals;

namespace {

// Closes the key it holds, so that a failing assertion cannot leak a handle into the next test.
class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey() {
        if (m_key) RegCloseKey(m_key);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

struct Value {
    DWORD type;
    std::string bytes;
    friend bool operator==(const Value&, const Value&) = default;
};

void CreateKey(HKEY parent, const char* path, ScopedKey& key, REGSAM access = KEY_ALL_ACCESS) {
    ASSERT_EQ(RegCreateKeyEx(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                             key.Out(), nullptr),
              ERROR_SUCCESS)
        << path;
}

LSTATUS Set(HKEY key, const char* name, DWORD type, std::string_view bytes) {
    return RegSetValueEx(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
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

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        const LSTATUS status =
            RegEnumKeyEx(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        EXPECT_EQ(status, ERROR_SUCCESS);
        names.emplace_back(name, length);
    }
    return names;
}

// Every key and value below |key|, one line each, read through the enumeration functions.
void Dump(HKEY key, const std::string& path, std::vector<std::string>& lines) {
    lines.push_back("[" + path + "]");
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        DWORD type = 0;
        DWORD size = sizeof data;
        const LSTATUS status = RegEnumValue(key, i, name, &length, nullptr, &type, data, &size);
        if (status == ERROR_NO_MORE_ITEMS) break;
        EXPECT_EQ(status, ERROR_SUCCESS);
        lines.push_back(std::string(name, length) + " = " + std::to_string(type) + ":" +
                        std::string(reinterpret_cast<char*>(data), size));
    }
    for (const std::string& subkeyName : SubkeyNames(key)) {
        ScopedKey subkey;
        EXPECT_EQ(RegOpenKeyEx(key, subkeyName.c_str(), 0, KEY_READ, subkey.Out()), ERROR_SUCCESS);
        Dump(subkey.Get(), path + "\\" + subkeyName, lines);
    }
}

std::vector<std::string> DumpRegistry() {
    std::vector<std::string> lines;
    Dump(HKEY_CLASSES_ROOT, "HKCR", lines);
    Dump(HKEY_CURRENT_USER, "HKCU", lines);
    Dump(HKEY_LOCAL_MACHINE, "HKLM", lines);
    Dump(HKEY_USERS, "HKU", lines);
    return lines;
}

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        winport::ClearRegistry();
        m_handlesBefore = winport::OpenRegistryHandleCount();
    }
    void TearDown() override {
        EXPECT_EQ(winport::OpenRegistryHandleCount(), m_handlesBefore) << "a handle leaked";
    }

private:
    std::size_t m_handlesBefore = 0;
};

TEST_F(RegistryTest, CreateMakesIntermediateKeysAndReportsDisposition) {
    ScopedKey created;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Acme\\Viewer", 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, created.Out(), &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);

    ScopedKey again;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\acme\\VIEWER", 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, again.Out(), &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    ASSERT_EQ(Set(created.Get(), "Shared", REG_SZ, "yes\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(Query(again.Get(), "shared"), (Value{REG_SZ, "yes\0"s}));

    ScopedKey software;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software", 0, KEY_READ, software.Out()),
              ERROR_SUCCESS);
    EXPECT_EQ(SubkeyNames(software.Get()), std::vector<std::string>{"Acme"});
}

TEST_F(RegistryTest, PathsFollowWindowsRules) {
    ScopedKey key;
    CreateKey(HKEY_CLASSES_ROOT, "a\\\\b\\", key);
    ScopedKey opened;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "\\a\\b", 0, KEY_READ, opened.Out()), ERROR_SUCCESS);

    HKEY result = reinterpret_cast<HKEY>(0x1234);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "\\a", 0, KEY_READ, &result), ERROR_BAD_PATHNAME);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "\\a", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &result, nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "a\\b", 0, KEY_READ, &result), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(result, nullptr);
}

TEST_F(RegistryTest, QueryReportsSizeThenMoreDataThenTheValue) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Size", key);
    ASSERT_EQ(Set(key.Get(), "Name", REG_SZ, "hello\0"sv), ERROR_SUCCESS);

    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key.Get(), "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 6u);

    char small[3] = {'x', 'x', 'x'};
    size = sizeof small;
    EXPECT_EQ(
        RegQueryValueEx(key.Get(), "Name", nullptr, &type, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(small, 3), "xxx");

    char exact[6];
    size = sizeof exact;
    EXPECT_EQ(
        RegQueryValueEx(key.Get(), "Name", nullptr, &type, reinterpret_cast<BYTE*>(exact), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::string(exact, size), "hello\0"s);
}

TEST_F(RegistryTest, UnterminatedStringGetsAZeroWhenTheBufferHasRoom) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Raw", key);
    ASSERT_EQ(Set(key.Get(), "Raw", REG_SZ, "abc"), ERROR_SUCCESS);
    char buffer[8] = "xxxxxxx";
    DWORD size = sizeof buffer;
    ASSERT_EQ(
        RegQueryValueEx(key.Get(), "Raw", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buffer, 5), "abc\0x"s);
}

TEST_F(RegistryTest, DefaultValueAndMissingValues) {
    ScopedKey key;
    CreateKey(HKEY_LOCAL_MACHINE, "Defaults", key);
    DWORD type = 99;
    DWORD size = 99;
    EXPECT_EQ(RegQueryValueEx(key.Get(), "Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(type, REG_NONE);
    EXPECT_EQ(size, 0u);
    ASSERT_EQ(Set(key.Get(), nullptr, REG_DWORD, "\x2a\0\0\0"sv), ERROR_SUCCESS);
    EXPECT_EQ(Query(key.Get(), ""), (Value{REG_DWORD, "\x2a\0\0\0"s}));
    EXPECT_EQ(RegDeleteValue(key.Get(), "Missing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(key.Get(), ""), ERROR_SUCCESS);
    EXPECT_EQ(Query(key.Get(), nullptr), std::nullopt);
}

TEST_F(RegistryTest, BadParametersAreRejected) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Params", key);
    BYTE data[4];
    DWORD reserved = 0;
    DWORD size = sizeof data;
    EXPECT_EQ(RegQueryValueEx(key.Get(), "v", nullptr, nullptr, data, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueEx(key.Get(), "v", &reserved, nullptr, data, &size),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key.Get(), "v", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
    EXPECT_EQ(
        RegCreateKeyEx(key.Get(), "sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr, nullptr),
        ERROR_BADKEY);
    EXPECT_EQ(
        RegCreateKeyEx(key.Get(), "sub", 1, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr, nullptr),
        ERROR_BADKEY);
    HKEY unused = nullptr;
    EXPECT_EQ(
        RegCreateKeyEx(key.Get(), "sub", 1, nullptr, 0, KEY_ALL_ACCESS, nullptr, &unused, nullptr),
        ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyEx(key.Get(), "sub", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKey(key.Get(), nullptr), ERROR_INVALID_PARAMETER);
    char name[8];
    EXPECT_EQ(RegEnumValue(key.Get(), 0, name, nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, ValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Case", key);
    ASSERT_EQ(Set(key.Get(), "Colour", REG_SZ, "red\0"sv), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.Get(), "COLOUR", REG_SZ, "blue\0"sv), ERROR_SUCCESS);
    std::vector<std::string> lines;
    Dump(key.Get(), "Case", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"[Case]", "Colour = 1:blue\0"s}));
}

TEST_F(RegistryTest, HandlesGrantOnlyTheAccessAskedFor) {
    ScopedKey setup;
    CreateKey(HKEY_CURRENT_USER, "Rights\\Existing", setup);
    ScopedKey reader;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Rights", 0, KEY_READ, reader.Out()), ERROR_SUCCESS);
    EXPECT_EQ(Set(reader.Get(), "v", REG_SZ, "x\0"sv), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(reader.Get(), "v"), ERROR_ACCESS_DENIED);
    HKEY denied = nullptr;
    EXPECT_EQ(
        RegCreateKeyEx(reader.Get(), "New", 0, nullptr, 0, KEY_READ, nullptr, &denied, nullptr),
        ERROR_ACCESS_DENIED);
    ScopedKey existing;
    EXPECT_EQ(RegCreateKeyEx(reader.Get(), "Existing", 0, nullptr, 0, KEY_READ, nullptr,
                             existing.Out(), nullptr),
              ERROR_SUCCESS);

    ScopedKey writer;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Rights", 0, KEY_WRITE, writer.Out()), ERROR_SUCCESS);
    EXPECT_EQ(Set(writer.Get(), "v", REG_SZ, "x\0"sv), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(writer.Get(), "v", nullptr, nullptr, nullptr, &size),
              ERROR_ACCESS_DENIED);
    char name[16];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyEx(writer.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
}

TEST_F(RegistryTest, SubkeysEnumerateInWindowsOrderAndValuesInCreationOrder) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Order", key);
    for (const char* name : {"beta", "_under", "Alpha", "gamma"}) {
        ScopedKey subkey;
        CreateKey(key.Get(), name, subkey);
    }
    // Windows sorts by the upper-cased name, which puts '_' after the letters.
    EXPECT_EQ(SubkeyNames(key.Get()),
              (std::vector<std::string>{"Alpha", "beta", "gamma", "_under"}));

    for (const char* name : {"zeta", "Alpha", "mu"}) {
        ASSERT_EQ(Set(key.Get(), name, REG_BINARY, name), ERROR_SUCCESS);
    }
    std::vector<std::string> lines;
    Dump(key.Get(), "Order", lines);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 4),
              (std::vector<std::string>{"zeta = 3:zeta", "Alpha = 3:Alpha", "mu = 3:mu"}));
}

TEST_F(RegistryTest, EnumeratedKeysHaveAnEmptyClassAndALastWriteTime) {
    ScopedKey child;
    CreateKey(HKEY_CURRENT_USER, "Timed\\Child", child);
    ScopedKey key;
    char name[16];
    DWORD length = sizeof name;
    char keyClass[4] = "xx";
    DWORD classLength = sizeof keyClass;
    FILETIME written;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Timed", 0, KEY_READ, key.Out()), ERROR_SUCCESS);
    ASSERT_EQ(RegEnumKeyEx(key.Get(), 0, name, &length, nullptr, keyClass, &classLength, &written),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(keyClass), "");
    EXPECT_EQ(classLength, 0u);

    // FILETIME counts 100 ns steps since 1601; the Unix epoch is 11644473600 s later.
    const auto writtenSeconds =
        ((static_cast<std::uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime) /
            10000000 -
        11644473600ULL;
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    EXPECT_LE(std::abs(static_cast<long long>(writtenSeconds) - now), 60);
}

TEST_F(RegistryTest, EnumerationBuffersTooSmallGiveMoreData) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Small", key);
    ScopedKey subkey;
    CreateKey(key.Get(), "Longname", subkey);
    ASSERT_EQ(Set(key.Get(), "Value", REG_BINARY, "12345678"), ERROR_SUCCESS);

    char name[8];
    DWORD length = 8;  // "Longname" needs 9 with its zero
    EXPECT_EQ(RegEnumKeyEx(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(RegEnumKeyEx(key.Get(), 1, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    BYTE data[4];
    DWORD size = sizeof data;
    DWORD type = 0;
    length = sizeof name;
    EXPECT_EQ(RegEnumValue(key.Get(), 0, name, &length, nullptr, &type, data, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, REG_BINARY);
    length = 5;  // "Value" needs 6 with its zero
    EXPECT_EQ(RegEnumValue(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(RegEnumValue(key.Get(), 1, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, DeleteKeyRefusesRootsAndKeysWithSubkeys) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Parent\\Child", key);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "parent\\CHILD"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent\\Child"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER), std::vector<std::string>{});
}

TEST_F(RegistryTest, HandleToADeletedKeyAnswersKeyDeleted) {
    ScopedKey doomed;
    CreateKey(HKEY_CURRENT_USER, "Doomed", doomed);
    ASSERT_EQ(Set(doomed.Get(), "v", REG_SZ, "x\0"sv), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKey(doomed.Get(), ""), ERROR_SUCCESS);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(doomed.Get(), "v", nullptr, nullptr, nullptr, &size),
              ERROR_KEY_DELETED);
    EXPECT_EQ(Set(doomed.Get(), "v", REG_SZ, "y\0"sv), ERROR_KEY_DELETED);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyEx(doomed.Get(), "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child,
                             nullptr),
              ERROR_KEY_DELETED);

    // A key created again under the same name is a different key.
    ScopedKey reborn;
    CreateKey(HKEY_CURRENT_USER, "Doomed", reborn);
    EXPECT_EQ(RegQueryValueEx(doomed.Get(), "v", nullptr, nullptr, nullptr, &size),
              ERROR_KEY_DELETED);
    EXPECT_EQ(Query(reborn.Get(), "v"), std::nullopt);
}

TEST_F(RegistryTest, ClosedAndInventedHandlesAreInvalid) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_USERS, "Closing", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                             nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Set(key, "v", REG_SZ, "x\0"sv), ERROR_INVALID_HANDLE);
    const HKEY invented = reinterpret_cast<HKEY>(0xBAD0);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(invented, "v", nullptr, nullptr, nullptr, &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, OpenHandlesAreCounted) {
    const std::size_t before = winport::OpenRegistryHandleCount();
    HKEY first = nullptr;
    HKEY second = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Counted", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             &first, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyEx(first, "", 0, KEY_READ, &second), ERROR_SUCCESS);
    EXPECT_NE(second, first);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before + 2);

    // A predefined key opened again is the predefined handle itself, and is not counted.
    HKEY root = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &root), ERROR_SUCCESS);
    EXPECT_EQ(root, HKEY_CURRENT_USER);
    EXPECT_EQ(RegCloseKey(root), ERROR_SUCCESS);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before + 2);

    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    EXPECT_EQ(winport::OpenRegistryHandleCount(), before);
}

TEST_F(RegistryTest, ThreadsShareOneRegistry) {
    constexpr int kThreads = 4;
    constexpr int kValuesEach = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kValuesEach; ++i) {
                HKEY key = nullptr;
                if (RegCreateKeyEx(HKEY_CURRENT_USER, "Threads", 0, nullptr, 0, KEY_ALL_ACCESS,
                                   nullptr, &key, nullptr) != ERROR_SUCCESS) {
                    return;
                }
                const std::string name = std::to_string(t) + "-" + std::to_string(i);
                Set(key, name.c_str(), REG_BINARY, name);
                RegCloseKey(key);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    ScopedKey key;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Threads", 0, KEY_READ, key.Out()), ERROR_SUCCESS);
    std::vector<std::string> lines;
    Dump(key.Get(), "Threads", lines);
    EXPECT_EQ(lines.size(), 1u + kThreads * kValuesEach);
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

    void WriteFile(const std::filesystem::path& path, std::string_view text) const {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::string ReadFile(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_directory;
};

void FillWithEveryKindOfValue() {
    std::string allBytes;
    for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Software\\Zoë 日本\\brackets [x] %41 \"q\"\\line\nbreak", key);
    const struct {
        const char* name;
        DWORD type;
        std::string_view bytes;
    } values[] = {
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
    for (const auto& value : values) {
        ASSERT_EQ(Set(key.Get(), value.name, value.type, value.bytes), ERROR_SUCCESS) << value.name;
    }
    ScopedKey empty;
    CreateKey(HKEY_LOCAL_MACHINE, "Empty\\Leaf", empty);
    ASSERT_EQ(Set(HKEY_CLASSES_ROOT, "root value", REG_SZ, "on a root\0"sv), ERROR_SUCCESS);
}

TEST_F(RegistryFileTest, SaveAndLoadRoundTripEveryTypeAndByte) {
    FillWithEveryKindOfValue();
    const auto before = DumpRegistry();
    ASSERT_TRUE(winport::SaveRegistry(PathOf("registry.txt"))) << winport::GetLastErrorText();
    winport::ClearRegistry();
    ASSERT_NE(DumpRegistry(), before);

    ASSERT_TRUE(winport::LoadRegistry(PathOf("registry.txt"))) << winport::GetLastErrorText();
    EXPECT_EQ(DumpRegistry(), before);

    // The file is text: no control byte but the line ends, and nothing left beside it.
    const std::string text = ReadFile(PathOf("registry.txt"));
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return c == '\n' || static_cast<unsigned char>(c) >= 0x20;
    }));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_directory),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(RegistryFileTest, LoadReplacesTheRegistryAndOrphansOpenHandles) {
    ScopedKey old;
    CreateKey(HKEY_CURRENT_USER, "Old", old);
    WriteFile(PathOf("new.txt"),
              "winport registry 1\r\n"
              "; a comment\r\n"
              "\r\n"
              "[hkey_current_user\\New]\r\n"
              "\"Greeting\"=sz:\"hi%00\"\r\n"
              "\"Count\"=dword:0000002a\r\n");
    ASSERT_TRUE(winport::LoadRegistry(PathOf("new.txt"))) << winport::GetLastErrorText();

    EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER), std::vector<std::string>{"New"});
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(old.Get(), "v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    ScopedKey loaded;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "new", 0, KEY_READ, loaded.Out()), ERROR_SUCCESS);
    EXPECT_EQ(Query(loaded.Get(), "greeting"), (Value{REG_SZ, "hi\0"s}));
    EXPECT_EQ(Query(loaded.Get(), "Count"), (Value{REG_DWORD, "\x2a\0\0\0"s}));
}

TEST_F(RegistryFileTest, MissingOrUnreadableFileFailsAndChangesNothing) {
    FillWithEveryKindOfValue();
    const auto before = DumpRegistry();

    EXPECT_FALSE(winport::LoadRegistry(PathOf("absent.txt")));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(winport::GetLastErrorText().find("absent.txt"), std::string::npos);

    EXPECT_FALSE(winport::LoadRegistry(m_directory));
    EXPECT_EQ(GetLastError(), ERROR_READ_FAULT);
    EXPECT_NE(winport::GetLastErrorText().find(m_directory.string()), std::string::npos);
    EXPECT_EQ(DumpRegistry(), before);
}

TEST_F(RegistryFileTest, FailedSaveReportsTheFileAndLeavesNothingBehind) {
    EXPECT_FALSE(winport::SaveRegistry(PathOf("no-such-dir/registry.txt")));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_NE(winport::GetLastErrorText().find("registry.txt"), std::string::npos);

    // The temporary file is written, but cannot replace a directory.
    std::filesystem::create_directory(PathOf("taken"));
    EXPECT_FALSE(winport::SaveRegistry(PathOf("taken")));
    EXPECT_EQ(GetLastError(), ERROR_WRITE_FAULT);
    EXPECT_NE(winport::GetLastErrorText().find("taken"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_directory),
                            std::filesystem::directory_iterator()),
              1);
}

struct MalformedFile {
    const char* what;
    std::string_view text;
    int line;
};

class RegistryMalformedFileTest : public RegistryFileTest,
                                  public testing::WithParamInterface<MalformedFile> {};

TEST_P(RegistryMalformedFileTest, FailsNamingFileAndLineAndChangesNothing) {
    ScopedKey key;
    CreateKey(HKEY_CURRENT_USER, "Kept", key);
    ASSERT_EQ(Set(key.Get(), "v", REG_SZ, "still here\0"sv), ERROR_SUCCESS);
    const auto before = DumpRegistry();
    WriteFile(PathOf("bad.txt"), GetParam().text);

    EXPECT_FALSE(winport::LoadRegistry(PathOf("bad.txt")));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
    const std::string& text = winport::GetLastErrorText();
    EXPECT_NE(text.find("bad.txt"), std::string::npos) << text;
    EXPECT_NE(text.find("line " + std::to_string(GetParam().line) + ":"), std::string::npos)
        << text;
    EXPECT_EQ(DumpRegistry(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegistryMalformedFileTest,
    testing::Values(
        MalformedFile{"empty file", "", 1}, MalformedFile{"no header", "[HKEY_CURRENT_USER]\n", 1},
        MalformedFile{"value before key", "winport registry 1\n\"a\"=sz:\"x\"\n", 2},
        MalformedFile{"unknown root", "winport registry 1\n[HKEY_NOWHERE\\x]\n", 2},
        MalformedFile{"unclosed key", "winport registry 1\n[HKEY_CURRENT_USER\\x\n", 2},
        MalformedFile{"empty key name", "winport registry 1\n[HKEY_CURRENT_USER\\\\x]\n", 2},
        MalformedFile{"stray text", "winport registry 1\nhello\n", 2},
        MalformedFile{"bad escape", "winport registry 1\n[HKEY_USERS]\n\"a\"=sz:\"%zz\"\n", 3},
        MalformedFile{"cut escape", "winport registry 1\n[HKEY_USERS]\n\"a%4\"=binary:\n", 3},
        MalformedFile{"unquoted string", "winport registry 1\n[HKEY_USERS]\n\"a\"=sz:abc\n", 3},
        MalformedFile{"unknown type", "winport registry 1\n[HKEY_USERS]\n\"a\"=float:00\n", 3},
        MalformedFile{"odd hex", "winport registry 1\n[HKEY_USERS]\n\"a\"=binary:abc\n", 3},
        MalformedFile{"bad hex", "winport registry 1\n[HKEY_USERS]\n\"a\"=hex(b):zz\n", 3},
        MalformedFile{"short dword", "winport registry 1\n[HKEY_USERS]\n\"a\"=dword:2a\n", 3},
        MalformedFile{"no equals", "winport registry 1\n[HKEY_USERS]\n\"a\" sz:\"x\"\n", 3},
        MalformedFile{"late error",
                      "winport registry 1\n[HKEY_USERS\\K]\n\"a\"=sz:\"ok\"\n\n"
                      "[HKEY_USERS\\K\\L]\n\"b\"=dword:1\n",
                      6}),
    [](const testing::TestParamInfo<MalformedFile>& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

}  // namespace
