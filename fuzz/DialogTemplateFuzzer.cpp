// Any dialog template, as a host or a resource table may hand one over, is refused with a
// reason or made into a dialog that is destroyed again whole: a template that fails the
// validation never makes a dialog, and no window is left behind.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/core/LastError.h"
#include "platform/core/WinStyles.h"
#include "platform/dialog/DialogApi.h"
#include "platform/resources/ResourceValidation.h"
#include "platform/window/WindowApi.h"

namespace {

constexpr const char* kClasses[] = {"Button",
                                    "Edit",
                                    "Static",
                                    "ComboBox",
                                    "ListBox",
                                    "SysListView32",
                                    "SysTreeView32",
                                    "SysTabControl32",
                                    "msctls_updown32",
                                    "RichEdit20W",
                                    "SysAnimate32",
                                    "NoSuchClass",
                                    ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 24);
    // The texts the template's views point into, kept in place.
    std::vector<std::string> texts;
    texts.reserve(2 * count + 2);
    std::vector<winport::ControlTemplate> controls;
    const auto rect = [&in] {
        return winport::DluRect{in.ConsumeIntegral<short>(), in.ConsumeIntegral<short>(),
                                in.ConsumeIntegral<short>(), in.ConsumeIntegral<short>()};
    };
    for (std::size_t n = 0; n < count; ++n) {
        winport::ControlTemplate control;
        control.id = in.ConsumeIntegralInRange<int>(-2, 40);
        if (in.ConsumeBool()) {
            control.className = in.PickValueInArray(kClasses);
        } else {
            control.className = texts.emplace_back(in.ConsumeRandomLengthString(16));
        }
        control.text = texts.emplace_back(in.ConsumeRandomLengthString(40));
        control.style = in.ConsumeIntegral<DWORD>();
        control.rect = rect();
        control.exStyle = in.ConsumeIntegral<DWORD>();
        controls.push_back(control);
    }
    winport::DialogTemplate dialog;
    dialog.id = in.ConsumeIntegral<int>();
    dialog.title = texts.emplace_back(in.ConsumeRandomLengthString(40));
    dialog.style = in.ConsumeIntegral<DWORD>() & ~static_cast<DWORD>(WS_VISIBLE);
    dialog.rect = rect();
    dialog.controls = controls;
    dialog.font.pointSize = in.ConsumeIntegralInRange<int>(-4, 80);
    dialog.exStyle = in.ConsumeIntegral<DWORD>();

    const bool valid = winport::ValidateDialogTemplate(dialog);
    if (!valid && winport::GetLastErrorText().empty()) std::abort();
    const HWND window = winport::CreateDialogFromTemplate(dialog, nullptr, nullptr, 0);
    if (window && !valid) std::abort();
    if (window) DestroyWindow(window);
    if (!winport::TopLevelWindows().empty()) std::abort();
    return 0;
}
