#include "platform/com/ComRuntime.h"

#include <thread>

#include "LastErrorCheck.h"
#include "tests/platform/ComTestObjects.h"
#include "tests/platform/HResultAssert.h"

using winport::ComPtr;

namespace {

constexpr CLSID kTestClass = winport::MakeGuid("{0F3E5D21-8C4B-4A6F-B2E1-7D9C3A5B1E01}");
constexpr CLSID kOtherClass = winport::MakeGuid("{0F3E5D21-8C4B-4A6F-B2E1-7D9C3A5B1E02}");

HRESULT CreateTestObject(REFIID riid, void** ppv) {
    return winport::MakeComObject<TestObject>()->QueryInterface(riid, ppv);
}

}  // namespace

TEST(ComRuntimeTest, InitialisationIsCountedPerThreadAndARegisteredClassIsCreated) {
    EXPECT_HRESULT(S_OK, CoInitialize(nullptr));
    EXPECT_HRESULT(S_FALSE, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    EXPECT_HRESULT(RPC_E_CHANGED_MODE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    std::thread([] {
        EXPECT_HRESULT(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        CoUninitialize();
    }).join();
    CoUninitialize();
    CoUninitialize();
    CoUninitialize();  // one too many is harmless
    EXPECT_HRESULT(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    CoUninitialize();

    winport::ScopedComClass inner(kOtherClass, CreateTestObject);
    ASSERT_TRUE(inner.Registered());
    ComPtr<INamed> named;
    EXPECT_HRESULT(S_OK, CoCreateInstance(kOtherClass, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_PPV_ARGS(named.GetAddressOf())));
    ASSERT_TRUE(named);
    EXPECT_STREQ(named->Name(), "test object");
    EXPECT_EQ(static_cast<TestObject*>(named.Get())->RefCount(), 1u);

    winport::ScopedComClass outer(kTestClass, [](REFIID riid, void** ppv) {
        return CoCreateInstance(kOtherClass, nullptr, CLSCTX_INPROC_SERVER, riid, ppv);
    });
    ComPtr<ICounter> counter;
    EXPECT_HRESULT(S_OK, CoCreateInstance(kTestClass, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_PPV_ARGS(counter.GetAddressOf())));
    EXPECT_EQ(counter->Increment(), 1);
}

TEST(ComRuntimeTest, RegistrationAndCreationFailWithTheWindowsCodes) {
    int factoryCalls = 0;
    const DWORD cookie = winport::RegisterComClass(kTestClass, [&](REFIID riid, void** ppv) {
        ++factoryCalls;
        return CreateTestObject(riid, ppv);
    });
    ASSERT_NE(cookie, 0u);
    EXPECT_TRUE(FailsWith(winport::RegisterComClass(kTestClass, CreateTestObject),
                          ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_TRUE(
        FailsWith(winport::RegisterComClass(kOtherClass, nullptr), ERROR_INVALID_PARAMETER));

    ComPtr<ICounter> outer = winport::MakeComObject<TestObject>();
    void* out = &factoryCalls;
    EXPECT_HRESULT(E_POINTER,
                   CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, ICounter::kIid, nullptr));
    EXPECT_HRESULT(REGDB_E_CLASSNOTREG,
                   CoCreateInstance(kOtherClass, nullptr, CLSCTX_ALL, ICounter::kIid, &out));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(REGDB_E_CLASSNOTREG));
    EXPECT_NE(winport::GetLastErrorText().find(winport::GuidToString(kOtherClass)),
              std::string::npos);
    EXPECT_HRESULT(REGDB_E_CLASSNOTREG, CoCreateInstance(kTestClass, nullptr, CLSCTX_LOCAL_SERVER,
                                                         ICounter::kIid, &out));
    out = &factoryCalls;
    EXPECT_HRESULT(CLASS_E_NOAGGREGATION,
                   CoCreateInstance(kTestClass, outer.Get(), CLSCTX_ALL, ICounter::kIid, &out));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factoryCalls, 0);

    // The factory's own answer comes back; the object it made is gone again.
    EXPECT_HRESULT(E_NOINTERFACE,
                   CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IAbsent::kIid, &out));
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factoryCalls, 1);

    EXPECT_TRUE(winport::RevokeComClass(cookie));
    EXPECT_FALSE(winport::RevokeComClass(cookie));
    EXPECT_HRESULT(REGDB_E_CLASSNOTREG,
                   CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, ICounter::kIid, &out));
}
