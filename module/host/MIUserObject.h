// A user object: the host's COM object for one user (the owner, a contact or an e-mail group).
#pragma once

#include "platform/com/Unknown.h"

// It has no operations of its own: its data comes through MIPropertySetSource, and an e-mail
// group also answers MIEmailGroup.
class MIUserObject : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{975D1069-D03B-426E-A975-3BB357D583C4}");
};
