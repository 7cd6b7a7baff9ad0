#include "hostlib/com/ComUtils.h"

#include <gtest/gtest.h>

#include "module/host/HostIds.h"

namespace {

TEST(ComUtilsTest, CLSIDToStringGivesTheBracedRegistryForm) {
    EXPECT_EQ(ComUtils::CLSIDToString(OwnerDetailsView), "{7762FBE0-7059-11D3-8DD2-00104B06462E}");
    EXPECT_EQ(ComUtils::CLSIDToString(winport::MakeGuid("{0a0b0c0d-0e0f-1011-a2b3-c4d5e6f70819}")),
              "{0A0B0C0D-0E0F-1011-A2B3-C4D5E6F70819}");
    EXPECT_EQ(ComUtils::CLSIDToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

}  // namespace
