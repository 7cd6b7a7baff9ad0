#include "platform/com/ComObject.h"

#include <thread>
#include <vector>

#include "tests/platform/ComTestObjects.h"
#include "tests/platform/HResultAssert.h"

using winport::ComPtr;

TEST(ComObjectTest, AnswersEveryListedInterfaceWithOneIdentityAndCountsFromManyThreads) {
    ComPtr<TestObject> object = winport::MakeComObject<TestObject>();
    ComPtr<IUnknown> viaCounter;
    ComPtr<IUnknown> viaNamed;
    ComPtr<ICounter> counter;
    ComPtr<INamed> named;
    EXPECT_HRESULT(S_OK, object->QueryInterface(IID_PPV_ARGS(counter.GetAddressOf())));
    EXPECT_HRESULT(S_OK, object->QueryInterface(IID_PPV_ARGS(named.GetAddressOf())));
    EXPECT_HRESULT(S_OK, counter->QueryInterface(IID_PPV_ARGS(viaCounter.GetAddressOf())));
    EXPECT_HRESULT(S_OK, named->QueryInterface(IID_PPV_ARGS(viaNamed.GetAddressOf())));

    EXPECT_EQ(viaCounter, viaNamed);
    EXPECT_EQ(viaCounter.Get(), object->Unknown());
    EXPECT_EQ(counter->Increment(), 1);
    EXPECT_STREQ(named->Name(), "test object");
    EXPECT_EQ(object->RefCount(), 5u);

    // Other interfaces are refused without taking a reference.
    void* out = &object;
    EXPECT_HRESULT(E_NOINTERFACE, object->QueryInterface(IAbsent::kIid, &out));
    EXPECT_EQ(out, nullptr);
    EXPECT_HRESULT(E_POINTER, object->QueryInterface(ICounter::kIid, nullptr));
    EXPECT_EQ(object->RefCount(), 5u);

    bool destroyed = false;
    ComPtr<ICounter> counted = winport::MakeComObject<TestObject>(&destroyed);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&counted] {
            for (int i = 0; i < 10000; ++i) ComPtr<ICounter> copy = counted;
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(counted.Reset(), 0u);
    EXPECT_TRUE(destroyed);
}
