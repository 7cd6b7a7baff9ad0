#include "client/directory/DirectoryOptions.h"

#include "client/host/ClientHost.h"
#include "platform/window/WindowApi.h"
#include "tests/client/DirectoryTestSupport.h"

namespace nuvclient {
namespace {

using namespace std::chrono_literals;

TEST(DirectoryOptionsTest, AFailureIsACodeAColonAndAText) {
    EXPECT_EQ(ParseDirectoryFailure("42:Service down"), (DirectoryFailure{42, "Service down"}));
    EXPECT_EQ(ParseDirectoryFailure("-7:a:b"), (DirectoryFailure{-7, "a:b"}));
    EXPECT_EQ(ParseDirectoryFailure("+5:"), (DirectoryFailure{5, ""}));
    EXPECT_EQ(ParseDirectoryFailure("3:Ελληνικά"), (DirectoryFailure{3, "Ελληνικά"}));
    for (const char* bad :
         {"", ":text", "x:text", "42", "4 2:text", "+:text", "1e3:text", "99999999999:text"})
        EXPECT_EQ(ParseDirectoryFailure(bad), std::nullopt) << bad;
}

class DirectoryHostTest : public test::DirectoryFixture {};

TEST_F(DirectoryHostTest, TheHostServesTheOperationsWithItsOptionsWhileItLives) {
    {
        ClientOptions options;
        options.directory.failure = DirectoryFailure{12, "No network"};
        ClientHost host(*m_store, options);
        winport::ComPtr<IUnknown> object;
        ASSERT_EQ(
            host.Services().CreateHostObject(MIRetrieveDetailsOp::kIid, object.GetAddressOf()),
            S_OK);
        winport::ComPtr<MIRetrieveDetailsOp> retrieve;
        ASSERT_EQ(object.As(&retrieve), S_OK);
        const test::Report report = Run<MIRetrieveDetailsOp>(test::kGeorge);
        EXPECT_EQ(report.code, 12);
        EXPECT_EQ(report.text, "No network");
        EXPECT_THROW(ClientHost second(*m_store), std::runtime_error) << "a second host at once";
    }
    winport::ComPtr<IUnknown> object;
    for (const IID& iid :
         {MIRetrieveDetailsOp::kIid, MISaveDetailsOp::kIid, MIUpdateDetailsOp::kIid})
        EXPECT_EQ(CoCreateInstance(iid, nullptr, CLSCTX_INPROC_SERVER, IUnknown::kIid,
                                   reinterpret_cast<void**>(object.GetAddressOf())),
                  REGDB_E_CLASSNOTREG);
}

TEST_F(DirectoryHostTest, TheCommandLineRefusesMalformedDirectoryFlags) {
    const std::string folder = Folder().string();
    const test::RunResult badFailure =
        test::RunClient({"--data", folder, "--directory-fail", "down", "users"});
    EXPECT_EQ(badFailure.status, 2);
    EXPECT_THAT(badFailure.err, ::testing::HasSubstr("CODE:TEXT"));
    const test::RunResult badLatency =
        test::RunClient({"--data", folder, "--directory-latency", "-5", "users"});
    EXPECT_EQ(badLatency.status, 2);
    EXPECT_THAT(badLatency.err, ::testing::HasSubstr("--directory-latency"));
    const test::RunResult good = test::RunClient(
        {"--data", folder, "--directory-latency", "5", "--directory-fail", "7:x", "users"});
    EXPECT_EQ(good.status, 0) << good.err;
}

}  // namespace
}  // namespace nuvclient
