// What the e-mail tests share: the host strings the address dialogs name, a pane made inside
// a host window over a user's record as the Main page makes it, the rows of an e-mail list as
// a person reads them, and answers to the address dialogs.
#pragma once

#include <stdexcept>

#include "ModuleTestSupport.h"
#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"

namespace emailtest {

inline constexpr char kInvalidEmail[] = "That is not an e-mail address.";
inline constexpr char kNameRefusedCaption[] = "Not Your Address";
inline constexpr char kNameRefused[] = "Addresses with our names are ours.";
inline constexpr char kMailWarning[] = "Password mail does not reach our own mail service.";
inline constexpr char kMailWarningCaption[] = "Our Mail";
inline constexpr char kMailDomain[] = "Mail.Example.NET";
inline constexpr const char* kAppTitle = testhost::kApplicationTitle;

// Each row as "Kind|address|image", the image index or "-" for none.
std::vector<std::string> Rows(HWND list);
// The texts of the record's list |key|, or those under |field| of its nested sets.
std::vector<std::string> TextList(MCVariantPropertySet record, const char* key,
                                  const char* field = nullptr);

// Message box |index| a person was shown, as "text|caption|icon" (error, exclamation or none);
// "none" when there was no such box.
std::string Box(const winport::Agent& agent, size_t index);

// Types |address| into the address dialog (unless none), sets its check box (unless none) and
// presses OK (or Cancel).
struct DialogAnswer {
    std::optional<std::string> address;
    std::optional<bool> tick;
    bool ok = true;
};
void QueueAnswer(winport::Agent& agent, int templateId, DialogAnswer answer);

class EmailFixture : public moduletest::ModuleFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The pane made inside the host window and loaded, as the Main page does; its list. The test
    // fails when the pane cannot be made.
    template <class Pane>
    HWND OpenPane(BCUserInfo* user, UINT templateId, int listId) {
        m_record.emplace(host->Record(user));
        auto pane = std::make_unique<Pane>(user, &*m_record, CWnd::FromHandle(m_window));
        if (!pane->Create(templateId, CWnd::FromHandle(m_window)))
            throw std::runtime_error("the pane was not made");
        pane->PageReload();
        m_pane = std::move(pane);
        m_list = GetDlgItem(m_pane->m_hWnd, listId);
        return m_list;
    }
    template <class Pane>
    Pane& ThePane() const {
        return dynamic_cast<Pane&>(*m_pane);
    }
    HWND PaneItem(int id) const { return GetDlgItem(m_pane->m_hWnd, id); }
    // Whether each of the pane's items |ids| takes input, "+" or "-" each.
    std::string States(std::initializer_list<int> ids) const {
        std::string states;
        for (const int id : ids) states += IsWindowEnabled(PaneItem(id)) ? "+" : "-";
        return states;
    }
    // Selects |row| of the pane's list and clicks |button| of the pane.
    void Press(int row, int button) {
        ASSERT_TRUE(agent.SelectListViewRow(m_list, row));
        agent.Click(PaneItem(button));
    }
    void ClosePane() { m_pane.reset(); }
    HWND Window() const { return m_window; }
    MCVariantPropertySet& Record() { return *m_record; }

private:
    HWND m_window = nullptr;
    std::unique_ptr<BCInsideDialog> m_pane;
    HWND m_list = nullptr;
    std::optional<MCVariantPropertySet> m_record;
};

}  // namespace emailtest
