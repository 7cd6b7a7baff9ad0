#include "platform/shell/Clipboard.h"

#include <cstring>
#include <string_view>
#include <thread>

#include "LastErrorCheck.h"
#include "platform/shell/GlobalMemory.h"

using namespace std::literals;

namespace {

const HWND kWindow = reinterpret_cast<HWND>(0x1010);
const HWND kOtherWindow = reinterpret_cast<HWND>(0x2020);

HGLOBAL TextBlock(std::string_view text) {
    const HGLOBAL block = GlobalAlloc(GHND | GMEM_DDESHARE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.data(), text.size());
    GlobalUnlock(block);
    return block;
}

class ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        winport::ResetClipboard();
        m_blocksBefore = winport::LiveGlobalBlocks();
    }
    void TearDown() override {
        winport::ResetClipboard();
        EXPECT_EQ(winport::LiveGlobalBlocks(), m_blocksBefore) << "a block leaked";
    }

    // Blocks allocated since the test began and not freed, by the test or by the clipboard.
    std::size_t BlocksAlive() const { return winport::LiveGlobalBlocks() - m_blocksBefore; }

    void PutText(HWND window, std::string_view text) {
        ASSERT_TRUE(OpenClipboard(window));
        ASSERT_TRUE(EmptyClipboard());
        ASSERT_NE(SetClipboardData(CF_TEXT, TextBlock(text)), nullptr);
        ASSERT_TRUE(CloseClipboard());
    }

    std::size_t m_blocksBefore = 0;
};

TEST_F(ClipboardTest, TextCopiedIsReadBackUpToTheFirstZero) {
    EXPECT_EQ(winport::ClipboardText(), std::nullopt);
    PutText(kWindow, "Zoë Ünal");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(CountClipboardFormats(), 1);
    EXPECT_EQ(winport::ClipboardText(), "Zoë Ünal");

    ASSERT_TRUE(OpenClipboard(nullptr));
    const HGLOBAL data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "Zoë Ünal");
    GlobalUnlock(data);
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    EXPECT_TRUE(CloseClipboard());

    PutText(kWindow, "abc\0def"sv);
    EXPECT_EQ(winport::ClipboardText(), "abc");

    ASSERT_TRUE(OpenClipboard(kWindow));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "announced without data";
    EXPECT_EQ(winport::ClipboardText(), std::nullopt);
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardTest, EmptyingOrReplacingFreesTheBlocksItOwnsAndTheOpeningThreadHoldsIt) {
    ASSERT_TRUE(OpenClipboard(kWindow));
    ASSERT_TRUE(EmptyClipboard());
    const HGLOBAL text = TextBlock("text");
    ASSERT_EQ(SetClipboardData(CF_TEXT, text), text);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, TextBlock("t\0e\0x\0t\0"sv)), nullptr);
    EXPECT_EQ(BlocksAlive(), 2u);

    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(BlocksAlive(), 0u);
    EXPECT_TRUE(FailsWith(GlobalSize(text), ERROR_INVALID_HANDLE));
    EXPECT_EQ(CountClipboardFormats(), 0);
    EXPECT_EQ(winport::ClipboardText(), std::nullopt);
    EXPECT_TRUE(CloseClipboard());

    PutText(kWindow, "first");
    ASSERT_TRUE(OpenClipboard(kWindow));
    const HGLOBAL second = TextBlock("second");
    ASSERT_EQ(SetClipboardData(CF_TEXT, second), second);
    ASSERT_EQ(SetClipboardData(CF_TEXT, second), second) << "setting the same block again";
    EXPECT_EQ(BlocksAlive(), 1u);
    EXPECT_EQ(winport::ClipboardText(), "second");
    EXPECT_TRUE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(kWindow));
    std::thread([] {
        EXPECT_TRUE(FailsWith(EmptyClipboard(), ERROR_CLIPBOARD_NOT_OPEN));
        EXPECT_TRUE(OpenClipboard(kWindow)) << "the same window may open it from another thread";
    }).join();
    EXPECT_FALSE(CloseClipboard()) << "which now holds it";
}

TEST_F(ClipboardTest, CallsThatNeedTheClipboardOpenFailWithoutItAndBadDataIsRefused) {
    PutText(kWindow, "kept");
    const HGLOBAL block = TextBlock("refused");
    SetLastError(ERROR_SUCCESS);
    EXPECT_TRUE(FailsWith(SetClipboardData(CF_TEXT, block), ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_TRUE(FailsWith(GetClipboardData(CF_TEXT), ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_TRUE(FailsWith(EmptyClipboard(), ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_TRUE(FailsWith(CloseClipboard(), ERROR_CLIPBOARD_NOT_OPEN));

    // Nothing changed, and the refused block is still the caller's to free.
    EXPECT_EQ(winport::ClipboardText(), "kept");
    EXPECT_EQ(BlocksAlive(), 2u);
    EXPECT_EQ(GlobalFree(block), nullptr);

    ASSERT_TRUE(OpenClipboard(kWindow));
    ASSERT_TRUE(EmptyClipboard());
    const HGLOBAL invented = reinterpret_cast<HGLOBAL>(0xdead0);
    EXPECT_TRUE(FailsWith(SetClipboardData(CF_TEXT, invented), ERROR_INVALID_HANDLE));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));

    const HGLOBAL once = TextBlock("once");
    EXPECT_TRUE(FailsWith(SetClipboardData(0, once), ERROR_CLIPBOARD_NOT_OPEN));
    ASSERT_EQ(SetClipboardData(CF_TEXT, once), once);
    EXPECT_TRUE(FailsWith(SetClipboardData(CF_UNICODETEXT, once), ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CountClipboardFormats(), 1);
    EXPECT_TRUE(CloseClipboard());
}

TEST_F(ClipboardTest, OnlyTheOpeningWindowMayOpenItAgainAndEmptyingMakesItTheOwner) {
    ASSERT_TRUE(OpenClipboard(kWindow));
    EXPECT_TRUE(OpenClipboard(kWindow));
    EXPECT_TRUE(FailsWith(OpenClipboard(kOtherWindow), ERROR_ACCESS_DENIED));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_EQ(GetOpenClipboardWindow(), kWindow);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(kWindow));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(kWindow));
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), kWindow);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardOwner(), kWindow);

    ASSERT_TRUE(OpenClipboard(kOtherWindow));
    EXPECT_EQ(GetClipboardOwner(), kWindow);
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), kOtherWindow);
    ASSERT_TRUE(CloseClipboard());
}

TEST_F(ClipboardTest, InjectedFailuresLeaveTheClipboardDataOwnerAndBlocksAsTheyWere) {
    {
        winport::ScopedClipboardFailure fail(winport::ClipboardStep::Open);
        EXPECT_TRUE(FailsWith(OpenClipboard(kWindow), ERROR_ACCESS_DENIED));
        EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
        { winport::ScopedClipboardFailure nested(winport::ClipboardStep::Open); }
        EXPECT_FALSE(OpenClipboard(kWindow)) << "the outer failure is still in force";
    }
    EXPECT_TRUE(OpenClipboard(kWindow));
    EXPECT_TRUE(CloseClipboard());

    PutText(kWindow, "kept");
    ASSERT_TRUE(OpenClipboard(kOtherWindow));
    {
        winport::ScopedClipboardFailure fail(winport::ClipboardStep::Empty);
        EXPECT_TRUE(FailsWith(EmptyClipboard(), ERROR_ACCESS_DENIED));
        EXPECT_NE(winport::GetLastErrorText().find("EmptyClipboard"), std::string::npos);
        EXPECT_EQ(winport::ClipboardText(), "kept");
        EXPECT_EQ(GetClipboardOwner(), kWindow);
        EXPECT_EQ(BlocksAlive(), 1u);
    }
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(BlocksAlive(), 0u);
    EXPECT_TRUE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(kWindow));
    ASSERT_TRUE(EmptyClipboard());
    const HGLOBAL block = TextBlock("mine");
    {
        winport::ScopedClipboardFailure fail(winport::ClipboardStep::SetData);
        EXPECT_TRUE(FailsWith(SetClipboardData(CF_TEXT, block), ERROR_NOT_ENOUGH_MEMORY));
        EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    }
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(BlocksAlive(), 1u) << "the clipboard never owned it";
    EXPECT_EQ(SetClipboardData(CF_TEXT, block), block);
    EXPECT_EQ(winport::ClipboardText(), "mine");
    EXPECT_TRUE(CloseClipboard());
}

}  // namespace
