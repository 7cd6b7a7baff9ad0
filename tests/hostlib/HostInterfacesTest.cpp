// The host interfaces are headers only; including each one here proves it stands on its own.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hostlib/com/ComUtils.h"
#include "module/host/HostIds.h"
#include "module/host/MIDBOpCallback.h"
#include "module/host/MIDBOperation.h"
#include "module/host/MIDataListService.h"
#include "module/host/MIEmailGroup.h"
#include "module/host/MIExternalPage.h"
#include "module/host/MIHostApplication.h"
#include "module/host/MIHostServices.h"
#include "module/host/MIInterestPicker.h"
#include "module/host/MINUVDataList.h"
#include "module/host/MINUVPropertySet.h"
#include "module/host/MIPageSite.h"
#include "module/host/MIPropertySetSource.h"
#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveConfirmation.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MITabConnection.h"
#include "module/host/MITabProvider.h"
#include "module/host/MIUpdateDetailsOp.h"
#include "module/host/MIUserObject.h"

namespace {

TEST(HostInterfacesTest, EveryIdIsDistinct) {
    const std::vector<GUID> ids = {
        IUnknown::kIid,
        MIDBOpCallback::kIid,
        MIDBOperation::kIid,
        MIDataListService::kIid,
        MIEmailGroup::kIid,
        MIExternalPage::kIid,
        MIHostApplication::kIid,
        MIHostServices::kIid,
        MIInterestPicker::kIid,
        MINUVDataList::kIid,
        MINUVPropertySet::kIid,
        MIPageSite::kIid,
        MIPropertySetSource::kIid,
        MIRetrieveDetailsOp::kIid,
        MISaveConfirmation::kIid,
        MISaveDetailsOp::kIid,
        MITabConnection::kIid,
        MITabProvider::kIid,
        MIUpdateDetailsOp::kIid,
        MIUserObject::kIid,
        OwnerDetailsView,
        ContactDetailsView,
        kHostDialogsClsid,
        kDataListServiceClsid,
    };
    std::set<std::string> seen;
    for (const GUID& id : ids) {
        EXPECT_TRUE(seen.insert(ComUtils::CLSIDToString(id)).second)
            << ComUtils::CLSIDToString(id) << " is used twice";
    }
}

struct IntegerCase {
    NUVValueType type;
    std::int64_t value;
    std::int64_t held;
};

class NUVIntegerOfTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(NUVIntegerOfTest, ConvertsAsC) {
    EXPECT_EQ(NUVIntegerOf(GetParam().type, GetParam().value), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(
    Types, NUVIntegerOfTest,
    ::testing::Values(IntegerCase{NUVValueType::Char, 255, static_cast<char>(255)},
                      IntegerCase{NUVValueType::Bool, -4, 1}, IntegerCase{NUVValueType::Bool, 0, 0},
                      IntegerCase{NUVValueType::UChar, -1, 255},
                      IntegerCase{NUVValueType::Short, 0x18000, -0x8000},
                      IntegerCase{NUVValueType::UShort, -1, 65535},
                      IntegerCase{NUVValueType::Int, 0x180000000, -0x80000000LL},
                      IntegerCase{NUVValueType::UInt, -1, 0xFFFFFFFFLL},
                      IntegerCase{NUVValueType::Long, -5, -5},
                      IntegerCase{NUVValueType::ULong, -1, -1}));

}  // namespace
