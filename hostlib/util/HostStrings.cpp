#include "hostlib/util/HostStrings.h"

#include "platform/resources/ResourceChain.h"
#include "platform/shell/MessageBox.h"

std::string BRCString(UINT id) {
    return winport::LoadStringResource(id).value_or(std::string());
}

int BResourceMessageBox(UINT textId, UINT captionId, UINT style, HWND parent) {
    const std::string text = BRCString(textId);
    const std::string caption = BRCString(captionId ? captionId : AFX_IDS_APP_TITLE);
    return MessageBox(parent, text.c_str(), caption.c_str(), style);
}
