// Opening the web pages the host registers by name, through the host's services object.
#pragma once

#include "module/host/MIHostServices.h"

// Gives the host library the host's services object; null takes it away. Borrowed: the host
// sets it when it starts and clears it before the object goes away.
void SetHostServices(MIHostServices* services);
MIHostServices* GetHostServices();

// Opens the web page the host registers under |name| (such as "Web Directories Update").
// Answers true when the page was handed to the browser; false, opening nothing, without a
// services object, for a null name or for a name the host does not know. With |tellIfMissing|
// such a failure is also shown to the user in a message box (kWebPageMissingText); without it
// the failure is silent, which is what a window that offers the link anyway wants.
bool BrowserGotoRegURL(const char* name, bool tellIfMissing);
