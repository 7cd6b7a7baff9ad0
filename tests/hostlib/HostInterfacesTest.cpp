// The host interfaces are headers only; including each one here proves it stands on its own.
#include <gtest/gtest.h>

#include <tuple>

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

TEST(NUVIntegerOfTest, ConvertsAsC) {
    for (const auto& [type, value, held] :
         std::initializer_list<std::tuple<NUVValueType, std::int64_t, std::int64_t>>{
             {NUVValueType::Char, 255, static_cast<char>(255)},
             {NUVValueType::Bool, -4, 1},
             {NUVValueType::Bool, 0, 0},
             {NUVValueType::UChar, -1, 255},
             {NUVValueType::Short, 0x18000, -0x8000},
             {NUVValueType::UShort, -1, 65535},
             {NUVValueType::Int, 0x180000000, -0x80000000LL},
             {NUVValueType::UInt, -1, 0xFFFFFFFFLL},
             {NUVValueType::Long, -5, -5},
             {NUVValueType::ULong, -1, -1}}) {
        EXPECT_EQ(NUVIntegerOf(type, value), held) << static_cast<int>(type) << " " << value;
    }
}

}  // namespace
