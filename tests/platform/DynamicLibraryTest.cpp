#include "platform/system/DynamicLibrary.h"

#include "LastErrorCheck.h"
#include "platform/resources/ResourceChain.h"

namespace {

using CountProc = int (*)();

int Call(HMODULE library, const char* name) {
    FARPROC proc = GetProcAddress(library, name);
    return proc ? reinterpret_cast<CountProc>(proc)() : -1;
}

TEST(DynamicLibraryTest, AttachRegistersResourcesUntilTheLastReferenceGoesAndBadLoadsFailClearly) {
    ASSERT_EQ(winport::FindDialogTemplate(7701), nullptr);

    HMODULE first = LoadLibrary(NUV_FIXTURE_EXTENSION);
    ASSERT_NE(first, nullptr) << winport::GetLastErrorText();
    HMODULE second = LoadLibrary(NUV_FIXTURE_EXTENSION);
    EXPECT_EQ(second, first);
    EXPECT_EQ(winport::LibraryReferenceCount(first), 2);
    EXPECT_EQ(Call(first, "FixtureAttachCount"), 1);
    ASSERT_NE(winport::FindDialogTemplate(7701), nullptr);
    EXPECT_EQ(winport::LoadStringResource(7702), "fixture string");

    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(Call(first, "FixtureDetachCount"), 0);
    EXPECT_NE(winport::FindDialogTemplate(7701), nullptr);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(winport::LibraryReferenceCount(first), 0);
    EXPECT_EQ(winport::FindDialogTemplate(7701), nullptr);
    EXPECT_EQ(winport::LoadStringResource(7702), std::nullopt);

    // Loaded again, the library is attached afresh.
    HMODULE again = LoadLibrary(NUV_FIXTURE_EXTENSION);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(winport::FindDialogTemplate(7701), nullptr);
    EXPECT_TRUE(FreeLibrary(again));

    SetLastError(0);
    EXPECT_TRUE(FailsWith(LoadLibrary(NUV_FIXTURE_INVALID_EXTENSION), ERROR_DLL_INIT_FAILED));
    EXPECT_NE(winport::GetLastErrorText().find(NUV_FIXTURE_INVALID_EXTENSION), std::string::npos);
    EXPECT_EQ(winport::FindDialogTemplate(7701), nullptr);

    EXPECT_TRUE(FailsWith(LoadLibrary("/nonexistent/libnothing.so"), ERROR_MOD_NOT_FOUND));
    EXPECT_NE(winport::GetLastErrorText().find("libnothing.so"), std::string::npos);
    EXPECT_TRUE(FailsWith(LoadLibrary(nullptr), ERROR_INVALID_PARAMETER));

    int notALibrary = 0;
    auto bogus = reinterpret_cast<HMODULE>(&notALibrary);
    EXPECT_TRUE(FailsWith(FreeLibrary(bogus), ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FailsWith(GetProcAddress(bogus, "FixtureAnswer"), ERROR_INVALID_HANDLE));
    EXPECT_FALSE(DisableThreadLibraryCalls(bogus));

    HMODULE library = LoadLibrary(NUV_FIXTURE_PLAIN);
    ASSERT_NE(library, nullptr) << winport::GetLastErrorText();
    EXPECT_EQ(Call(library, "FixtureAnswer"), 42);
    EXPECT_TRUE(DisableThreadLibraryCalls(library));

    EXPECT_TRUE(FailsWith(GetProcAddress(library, "NoSuchExport"), ERROR_PROC_NOT_FOUND));
    EXPECT_NE(winport::GetLastErrorText().find("NoSuchExport"), std::string::npos);
    EXPECT_TRUE(FreeLibrary(library));
}

}  // namespace
