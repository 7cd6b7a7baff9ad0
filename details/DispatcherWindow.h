// The host window that the registry names under "Homepage Factory Dispatcher": while it is
// shown, a details window opening or showing another user comes to the top of the window order.
#pragma once

// Whether a top-level window carries exactly the title the registry value names; false when
// the value is missing or empty.
bool IsDispatcherWindowShown();
