#include "pages/work/MissingKeywords.h"

#include "hostlib/util/HostStrings.h"
#include "module/host/HostStringIds.h"
#include "platform/shell/MessageBox.h"

int AskAboutMissingKeywords(HWND page) {
    const int answer = BResourceMessageBox(kMissingKeywordsText, kMissingKeywordsCaption,
                                           MB_YESNO | MB_ICONSTOP, page);
    return answer == IDYES ? 0 : 1;
}
