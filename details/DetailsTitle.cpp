#include "details/DetailsTitle.h"

#include "platform/text/Utf8.h"

std::string FormatDetailsTitle(std::string_view format, std::string_view name) {
    if (format.empty()) return std::string(winport::Utf8Prefix(name, kMaxTitleLength));
    std::string title;
    bool nameUsed = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next == '%') {
            title += '%';
            ++i;
        } else if (format[i] == '%' && next == 's' && !nameUsed) {
            title += name;
            nameUsed = true;
            ++i;
        } else {
            title += format[i];
        }
    }
    return std::string(winport::Utf8Prefix(title, kMaxTitleLength));
}
