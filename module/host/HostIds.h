// Ids the module and the host share besides the interface ids: the two views of a user's
// property set and the classes of the host components created in-process.
#pragma once

#include "platform/com/Guid.h"

// The owner's own details.
inline constexpr GUID OwnerDetailsView =
    winport::MakeGuid("{7762FBE0-7059-11D3-8DD2-00104B06462E}");
// A contact's details with the owner's local settings about him.
inline constexpr GUID ContactDetailsView =
    winport::MakeGuid("{9A621830-7059-11D3-8DD2-00104B06462E}");

// Hands out MISaveConfirmation and MIInterestPicker.
inline constexpr CLSID kHostDialogsClsid =
    winport::MakeGuid("{C8D02300-6A47-11D3-BCF0-0050048EBC8A}");
// Hands out MIDataListService.
inline constexpr CLSID kDataListServiceClsid =
    winport::MakeGuid("{D28EB020-65E1-11D3-BCEF-0050048EBC8A}");
