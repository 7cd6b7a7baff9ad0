#include "platform/com/HResult.h"

#include <gtest/gtest.h>

#include "platform/core/LastError.h"

static_assert(SUCCEEDED(S_FALSE) && FAILED(E_UNEXPECTED) && !FAILED(S_OK));

TEST(HResultTest, Win32CodesMapIntoTheWin32FacilityAndKnownCodesPrintByName) {
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_SUCCESS), S_OK);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), E_ACCESSDENIED);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE), E_HANDLE);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER), E_INVALIDARG);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), winport::MakeHResult(0x80070002));
    // A value that is an HRESULT already passes through.
    EXPECT_EQ(HRESULT_FROM_WIN32(static_cast<DWORD>(E_FAIL)), E_FAIL);

    EXPECT_EQ(winport::FormatHResult(E_NOINTERFACE), "E_NOINTERFACE (0x80004002)");
    EXPECT_EQ(winport::FormatHResult(S_OK), "S_OK (0x00000000)");
    EXPECT_EQ(winport::FormatHResult(winport::MakeHResult(0x80001234)), "0x80001234");
}
