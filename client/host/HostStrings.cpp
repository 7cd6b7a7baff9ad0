#include "client/host/HostStrings.h"

#include <stdexcept>

#include "hostlib/util/HostStrings.h"
#include "module/host/HostStringIds.h"
#include "platform/core/LastError.h"
#include "platform/resources/ResourceChain.h"

namespace nuvclient {

namespace {

constexpr winport::StringResource kStrings[] = {
    {AFX_IDS_APP_TITLE, "NUV"},
    {kOwnerTitleString, "NUV Global Directory - My Info: %s"},
    {kContactTitleString, "NUV Global Directory - User Info On: %s"},
    {kUpdateWarningCaption, "Your Published Details"},
    {kUpdateWarningText,
     "The details on these pages are published in the global directory. Changes you make are "
     "uploaded when you press Save; Update From Database replaces them with what the directory "
     "holds now."},
};

constexpr winport::ResourceTable kTable{"host client strings", {}, {}, {}, kStrings};

}  // namespace

HostStrings::HostStrings() {
    if (!winport::AddResourceTable(kTable)) throw std::runtime_error(winport::GetLastErrorText());
}

HostStrings::~HostStrings() {
    winport::RemoveResourceTable(kTable);
}

}  // namespace nuvclient
