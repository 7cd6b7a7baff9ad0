// Answered by a user object that stands for an e-mail group.
#pragma once

#include "platform/com/Unknown.h"

// Only asked for by a query; no operation of it is used.
class MIEmailGroup : public IUnknown {
public:
    // The host's own id.
    static constexpr IID kIid = winport::MakeGuid("{28B241A8-00BB-4648-A6D0-831C29F4B8A3}");
};
