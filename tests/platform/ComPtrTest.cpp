#include "platform/com/ComPtr.h"

#include <thread>
#include <utility>
#include <vector>

#include "platform/com/ComObject.h"
#include "tests/platform/ComTestObjects.h"
#include "tests/platform/HResultAssert.h"

using winport::ComPtr;

class ComPtrTest : public testing::Test {
protected:
    bool destroyed = false;
    TestObject* object = new TestObject(&destroyed);  // no reference until a ComPtr takes one
};

TEST_F(ComPtrTest, CopyCountsMoveTransfersAndAssignmentReleasesTheOldObjectEvenOnItself) {
    ComPtr<ICounter> first(object);
    EXPECT_EQ(object->RefCount(), 1u);
    {
        ComPtr<ICounter> copy = first;
        EXPECT_EQ(object->RefCount(), 2u);
        ComPtr<ICounter> moved = std::move(copy);
        EXPECT_EQ(object->RefCount(), 2u);
        EXPECT_EQ(copy, nullptr);
        EXPECT_EQ(moved, first);
    }
    EXPECT_EQ(object->RefCount(), 1u);
    ComPtr<ICounter>& alias = first;
    first = alias;
    EXPECT_EQ(object->RefCount(), 1u);
    EXPECT_EQ(first->Increment(), 1);

    bool otherDestroyed = false;
    first = new TestObject(&otherDestroyed);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(otherDestroyed);
    ComPtr<ICounter> second = first;
    second = ComPtr<ICounter>();
    first = nullptr;
    EXPECT_TRUE(otherDestroyed);
}

TEST_F(ComPtrTest, ResetAnswersTheRemainingCountAndAttachDetachAndAddressOfDoNotCount) {
    ComPtr<ICounter> first(object);
    ComPtr<ICounter> second(first);
    EXPECT_EQ(second.Reset(), 1u);
    EXPECT_EQ(second.Reset(), 0u);
    EXPECT_FALSE(destroyed);

    ICounter* raw = first.Detach();
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(object->RefCount(), 1u);
    second.Attach(raw);
    EXPECT_EQ(object->RefCount(), 1u);
    ComPtr<ICounter> keeper(second);
    EXPECT_EQ(*second.GetAddressOf(), object);
    EXPECT_EQ(object->RefCount(), 2u);
    EXPECT_EQ(*second.ReleaseAndGetAddressOf(), nullptr);
    EXPECT_EQ(object->RefCount(), 1u);

    ICounter* out = nullptr;
    EXPECT_HRESULT(S_OK, keeper.CopyTo(&out));
    EXPECT_EQ(out, object);
    EXPECT_EQ(object->RefCount(), 2u);
    out->Release();
    EXPECT_HRESULT(E_POINTER, keeper.CopyTo(nullptr));
    EXPECT_FALSE(destroyed);
    keeper.Attach(nullptr);
    EXPECT_TRUE(destroyed);
}

TEST_F(ComPtrTest, ConvertsFromTheClassAndAsQueriesTheSameObject) {
    ComPtr<TestObject> concrete(object);
    ComPtr<INamed> named = concrete;
    ComPtr<ICounter> counter = std::move(concrete);
    EXPECT_EQ(concrete, nullptr);
    EXPECT_EQ(object->RefCount(), 2u);
    EXPECT_EQ(counter->Increment(), 1);
    EXPECT_TRUE(named);
    EXPECT_FALSE(ComPtr<INamed>());

    ComPtr<INamed> queried;
    EXPECT_HRESULT(S_OK, counter.As(&queried));
    EXPECT_STREQ(queried->Name(), "test object");
    EXPECT_EQ(object->RefCount(), 3u);
    ComPtr<ICounter> back;
    EXPECT_HRESULT(S_OK, queried.As(&back));
    EXPECT_EQ(back, counter);
}

TEST_F(ComPtrTest, FailedAsEmptiesTheTargetAndLeaksNothing) {
    ComPtr<ICounter> counter(object);
    bool targetDestroyed = false;
    ComPtr<IUnknown> target = static_cast<ICounter*>(new TestObject(&targetDestroyed));
    ComPtr<IAbsent> absent;
    EXPECT_HRESULT(E_NOINTERFACE, counter.As(&absent));
    EXPECT_EQ(absent, nullptr);
    EXPECT_EQ(object->RefCount(), 1u);

    ComPtr<ICounter> empty;
    EXPECT_HRESULT(E_POINTER, empty.As(&target));
    EXPECT_EQ(target, nullptr);
    EXPECT_TRUE(targetDestroyed);
    EXPECT_HRESULT(E_POINTER, counter.As<INamed>(nullptr));
    EXPECT_EQ(object->RefCount(), 1u);
}

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
