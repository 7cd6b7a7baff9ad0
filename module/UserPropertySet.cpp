#include "module/UserPropertySet.h"

#include "module/ModuleState.h"
#include "module/host/MIPropertySetSource.h"
#include "platform/com/ComPtr.h"

bool GetUserPropertySet(IUnknown* userObject, bool contactView, MCVariantPropertySet& set) {
    if (!userObject) return false;
    winport::ComPtr<MIPropertySetSource> source;
    if (FAILED(userObject->QueryInterface(IID_PPV_ARGS(source.GetAddressOf())))) return false;
    const std::string& view =
        contactView ? ModuleState().contactViewName : ModuleState().ownerViewName;
    winport::ComPtr<MINUVPropertySet> received;
    if (FAILED(source->GetPropertySet(view.c_str(), received.GetAddressOf())) || !received)
        return false;
    set.SetPropertySetInterface(received.Get());
    return true;
}
