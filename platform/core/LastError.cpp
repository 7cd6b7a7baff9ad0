#include "platform/core/LastError.h"

namespace {

struct LastError {
    DWORD code = ERROR_SUCCESS;
    std::string text;
};

LastError& ThreadLastError() {
    thread_local LastError error;
    return error;
}

}  // namespace

DWORD GetLastError() {
    return ThreadLastError().code;
}

void SetLastError(DWORD code) {
    LastError& error = ThreadLastError();
    error.code = code;
    error.text.clear();
}

namespace winport {

void SetLastErrorText(DWORD code, std::string_view text) {
    LastError& error = ThreadLastError();
    error.code = code;
    error.text.assign(text);
}

const std::string& GetLastErrorText() {
    return ThreadLastError().text;
}

}  // namespace winport
