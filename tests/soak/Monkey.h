// A person at random: clicks, types, picks, ticks, presses keys in the windows of the module, and
// answers every question it is asked with any of the answers offered, nested dialogs included.
// It is the shell UI while it lives.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "platform/automation/Agent.h"
#include "platform/shell/HeadlessShellUi.h"

namespace nuvsoak {

struct MonkeyCounts {
    long actions = 0;
    long messageBoxes = 0;
    long menus = 0;
    long saveAs = 0;
    long dialogs = 0;
};

class Monkey final : public winport::HeadlessShellUi {
public:
    // Cards it saves go into |saveFolder|.
    Monkey(std::uint32_t seed, std::filesystem::path saveFolder);
    ~Monkey() override;
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Does up to |count| things in |window|; stops early once the window is gone or hidden.
    void Play(HWND window, int count);
    // A number in [low, high], from the same draw as everything it does.
    int Draw(int low, int high);
    const MonkeyCounts& Counts() const { return m_counts; }

    int ShowMessageBox(const winport::MessageBoxRequest& request) override;
    std::optional<std::string> ShowSaveAs(const winport::SaveAsRequest& request) override;
    UINT ShowPopupMenu(const winport::PopupMenuRequest& request) override;
    // Plays a few things in the dialog; whatever is left open is cancelled once it idles.
    void ModalDialogStarted(HWND dialog, int templateId) override;

private:
    // One thing done to a control of |window| or to the keyboard.
    void Act(HWND window);
    std::string RandomText();

    winport::Agent m_agent;
    winport::ShellUi* m_previous;
    std::mt19937 m_random;
    std::filesystem::path m_saveFolder;
    int m_depth = 0;
    MonkeyCounts m_counts;
};

}  // namespace nuvsoak
