// Every resource the windows are made from: the dialog templates of the module, the host library
// and the client (each control id once in its template), and every string the module and the
// host library name, found along the chain of a host that provides its strings.
#include <gtest/gtest.h>

#include "client/host/HostDialogTemplates.h"
#include "client/host/HostStrings.h"
#include "hostlib/res/HostResourceIds.h"
#include "hostlib/util/UtilityStrings.h"
#include "module/host/HostStringIds.h"
#include "platform/core/LastError.h"
#include "platform/resources/ResourceChain.h"
#include "platform/resources/ResourceValidation.h"
#include "res/ModuleResources.h"
#include "res/ResourceIds.h"

namespace {

TEST(ResourceTablesTest, EveryTemplateIsValidAndEveryNamedStringExists) {
    const nuvclient::HostStrings hostStrings;
    const nuvclient::HostDialogTemplates hostDialogs;

    std::vector<const winport::DialogTemplate*> templates;
    for (const winport::DialogTemplate& dialog : ModuleDialogs()) templates.push_back(&dialog);
    for (const int id : {IDD_BC_WARNING, nuvclient::IDD_SAVE_CONFIRMATION})
        templates.push_back(winport::FindDialogTemplate(id));
    for (const winport::DialogTemplate* dialog : templates) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(winport::ValidateDialogTemplate(*dialog)) << winport::GetLastErrorText();
    }
    EXPECT_TRUE(winport::ValidateResourceTable(ModuleResources())) << winport::GetLastErrorText();

    std::vector<unsigned> named(std::begin(kModuleStringIds), std::end(kModuleStringIds));
    named.insert(named.end(), std::begin(kHostStringsShown), std::end(kHostStringsShown));
    for (unsigned id = kEntryEmptyText; id <= kWebPageMissingText; ++id) named.push_back(id);
    for (const unsigned id : named) {
        const std::optional<std::string> text = winport::LoadStringResource(id);
        EXPECT_TRUE(text && !text->empty()) << "string " << id;
    }
}

}  // namespace
