// A fixture owning an in-memory record and the set over it; TearDown fails when a reference
// or a BSTR handed out during the test is still held.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "hostlib/property/MCMemoryPropertySet.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "platform/text/Bstr.h"

class VariantPropertySetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_bstrsBefore = winport::LiveBstrCount();
        set.SetPropertySetInterface(store.Get());
    }
    void TearDown() override {
        set.SetPropertySetInterface(nullptr);
        EXPECT_EQ(store->RefCount(), 1u) << "the record is still referenced";
        EXPECT_EQ(winport::LiveBstrCount(), m_bstrsBefore) << "a BSTR was not freed";
    }

    winport::ComPtr<MCMemoryPropertySet> store = MCMemoryPropertySet::Create();
    MCVariantPropertySet set;

private:
    std::size_t m_bstrsBefore = 0;
};
