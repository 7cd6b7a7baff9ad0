#include "client/script/ScriptSupport.h"

#include <charconv>

#include "platform/controls/TabControlApi.h"
#include "platform/message/MessageApi.h"

namespace nuvclient {

int ToInt(const std::string& word) {
    int value = 0;
    const char* end = word.data() + word.size();
    auto [at, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || at != end) throw ScriptError("not a number: " + word);
    return value;
}

void RequireArgs(const std::vector<std::string>& args, size_t least, size_t most,
                 const char* usage) {
    if (args.size() < least || args.size() > most) {
        throw ScriptError(std::string("usage: ") + usage);
    }
}

std::vector<std::string> TabCaptions(HWND tab) {
    std::vector<std::string> captions;
    const int count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char buffer[256] = {};
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(tab, TCM_GETITEM, index, reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(buffer);
    }
    return captions;
}

}  // namespace nuvclient
