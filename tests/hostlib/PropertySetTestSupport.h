// A fixture owning an in-memory record and the set over it; TearDown fails when a reference
// or a BSTR handed out during the test is still held.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "hostlib/property/MCMemoryPropertySet.h"
#include "hostlib/property/MCVariantPropertySet.h"
#include "platform/text/Bstr.h"

// Every read conversion of |property| gives what C gives for |stored| converted to that type.
template <class T>
void ExpectReadsAsC(const MCVariantProperty& property, T stored) {
    EXPECT_EQ(static_cast<char>(property), static_cast<char>(stored)) << "as char";
    EXPECT_EQ(static_cast<bool>(property), static_cast<bool>(stored)) << "as bool";
    EXPECT_EQ(static_cast<unsigned char>(property), static_cast<unsigned char>(stored))
        << "as unsigned char";
    EXPECT_EQ(static_cast<short>(property), static_cast<short>(stored)) << "as short";
    EXPECT_EQ(static_cast<unsigned short>(property), static_cast<unsigned short>(stored))
        << "as unsigned short";
    EXPECT_EQ(static_cast<int>(property), static_cast<int>(stored)) << "as int";
    EXPECT_EQ(static_cast<unsigned int>(property), static_cast<unsigned int>(stored))
        << "as unsigned int";
    EXPECT_EQ(static_cast<long>(property), static_cast<long>(stored)) << "as long";
    EXPECT_EQ(static_cast<unsigned long>(property), static_cast<unsigned long>(stored))
        << "as unsigned long";
}

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
