// The host library's resource table. It joins the resource chain when the library is loaded
// and leaves it when the library is unloaded.
#include <cstdio>

#include "hostlib/reference/ZodiacBitmap.h"
#include "hostlib/res/HostResourceIds.h"
#include "platform/core/LastError.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/resources/ResourceChain.h"

namespace {

constexpr winport::ControlTemplate kWarningControls[] = {
    {IDC_BC_WARNING_ICON, "Static", "", WS_VISIBLE | SS_ICON, {7, 7, 21, 20}},
    {IDC_BC_WARNING_TEXT, "Static", "", WS_VISIBLE, {36, 7, 190, 48}},
    {IDC_BC_WARNING_DONTSHOW,
     "Button",
     "&Don't show this message again",
     WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
     {36, 60, 190, 10}},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {122, 78, 50, 14}},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP, {176, 78, 50, 14}},
};

constexpr winport::DialogTemplate kDialogs[] = {
    {IDD_BC_WARNING,
     "Warning",
     WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
     {0, 0, 233, 99},
     kWarningControls},
};

constexpr winport::BitmapResource kBitmaps[] = {
    {IDB_BC_ZODIAC, kZodiacStripWidth, kZodiacImageSize, kZodiacPixels},
};

constexpr winport::ResourceTable kHostResources{"host library", kDialogs, {}, kBitmaps, {}};

// Keeps the table in the chain for as long as the library is loaded.
class HostResourceRegistration {
public:
    HostResourceRegistration() : m_added(winport::AddResourceTable(kHostResources)) {
        if (!m_added) {
            std::fprintf(stderr, "host library: resources not available: %s\n",
                         winport::GetLastErrorText().c_str());
        }
    }
    ~HostResourceRegistration() {
        if (m_added) winport::RemoveResourceTable(kHostResources);
    }
    HostResourceRegistration(const HostResourceRegistration&) = delete;
    HostResourceRegistration& operator=(const HostResourceRegistration&) = delete;

private:
    bool m_added;
};

const HostResourceRegistration g_registration;

}  // namespace
