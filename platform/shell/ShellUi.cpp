#include "platform/shell/ShellUi.h"

#include <atomic>

#include "platform/shell/HeadlessShellUi.h"

namespace winport {
namespace {

HeadlessShellUi& HeadlessDefault() {
    // Never destroyed, so the shell UI can still be asked from static destructors.
    static auto* ui = new HeadlessShellUi;
    return *ui;
}

// Null while the headless default answers.
std::atomic<ShellUi*> g_installed{nullptr};

}  // namespace

ShellUi& GetShellUi() {
    ShellUi* installed = g_installed.load();
    return installed ? *installed : HeadlessDefault();
}

// Answers null when the headless default was in place, so that installing the answer again
// restores exactly what was there.
ShellUi* SetShellUi(ShellUi* ui) {
    return g_installed.exchange(ui);
}

}  // namespace winport
