#include "platform/com/ComPtr.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/platform/ComTestObjects.h"
#include "tests/platform/HResultAssert.h"

using winport::ComPtr;

class ComPtrTest : public testing::Test {
protected:
    bool destroyed = false;
    TestObject* object = new TestObject(&destroyed);  // no reference until a ComPtr takes one
};

TEST_F(ComPtrTest, CopyAddsAReferenceAndMoveTransfersIt) {
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
    first = nullptr;
    EXPECT_TRUE(destroyed);
}

TEST_F(ComPtrTest, AssignmentReleasesTheOldObjectAndSurvivesSelfAssignment) {
    ComPtr<ICounter> holder(object);
    ComPtr<ICounter>& alias = holder;
    holder = alias;
    EXPECT_EQ(object->RefCount(), 1u);
    EXPECT_EQ(holder->Increment(), 1);

    bool otherDestroyed = false;
    holder = new TestObject(&otherDestroyed);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(otherDestroyed);
    holder = ComPtr<ICounter>();
    EXPECT_TRUE(otherDestroyed);
}

TEST_F(ComPtrTest, ResetAnswersTheRemainingCount) {
    ComPtr<ICounter> first(object);
    ComPtr<ICounter> second(first);
    EXPECT_EQ(second.Reset(), 1u);
    EXPECT_EQ(second.Reset(), 0u);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(first.Reset(), 0u);
    EXPECT_TRUE(destroyed);
}

TEST_F(ComPtrTest, AttachAndDetachHandOverAReferenceWithoutCounting) {
    ComPtr<ICounter> holder(object);
    ICounter* raw = holder.Detach();
    EXPECT_EQ(holder, nullptr);
    EXPECT_EQ(object->RefCount(), 1u);

    ComPtr<ICounter> other;
    other.Attach(raw);
    EXPECT_EQ(object->RefCount(), 1u);
    other.Attach(nullptr);
    EXPECT_TRUE(destroyed);
}

TEST_F(ComPtrTest, ReleaseAndGetAddressOfReleasesButGetAddressOfDoesNot) {
    ComPtr<ICounter> holder(object);
    ComPtr<ICounter> keeper(holder);
    EXPECT_EQ(*holder.GetAddressOf(), object);
    EXPECT_EQ(object->RefCount(), 2u);
    EXPECT_EQ(*holder.ReleaseAndGetAddressOf(), nullptr);
    EXPECT_EQ(object->RefCount(), 1u);
}

TEST_F(ComPtrTest, CopyToHandsOutAnExtraReference) {
    ComPtr<ICounter> holder(object);
    ICounter* out = nullptr;
    EXPECT_HRESULT(S_OK, holder.CopyTo(&out));
    EXPECT_EQ(out, object);
    EXPECT_EQ(object->RefCount(), 2u);
    out->Release();
    EXPECT_HRESULT(E_POINTER, holder.CopyTo(nullptr));
}

TEST_F(ComPtrTest, AsQueriesForAnotherInterfaceOfTheSameObject) {
    ComPtr<ICounter> counter(object);
    ComPtr<INamed> named;
    EXPECT_HRESULT(S_OK, counter.As(&named));
    EXPECT_STREQ(named->Name(), "test object");
    EXPECT_EQ(object->RefCount(), 2u);
    ComPtr<ICounter> back;
    EXPECT_HRESULT(S_OK, named.As(&back));
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

TEST_F(ComPtrTest, ConvertsFromTheClassToItsInterfaces) {
    ComPtr<TestObject> concrete(object);
    ComPtr<INamed> named = concrete;
    ComPtr<ICounter> counter = std::move(concrete);
    EXPECT_EQ(concrete, nullptr);
    EXPECT_EQ(object->RefCount(), 2u);
    EXPECT_EQ(counter->Increment(), 1);
    EXPECT_TRUE(named);
    EXPECT_FALSE(ComPtr<INamed>());
}
