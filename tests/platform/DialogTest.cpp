#include "ControlTestSupport.h"
#include "DialogTestSupport.h"
#include "platform/dialog/DialogApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"

namespace winport::test {
namespace {

// The form: a name of at most 5 characters, a button that opens the inner dialog modally, and
// one that ends the dialog with 42.
class CFormDialog : public CDialog {
public:
    explicit CFormDialog(CWnd* parent = nullptr) : CDialog(kFormDialog, parent) {}

    std::string name = "Ann";
    INT_PTR innerResult = 0;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kNameEdit, name);
        DDV_MaxChars(dx, name, 5);
    }
    void OnInner() {
        CDialog inner(kInnerDialog, this);
        innerResult = inner.DoModal();
    }
    void OnAnswer() { EndDialog(42); }

    std::optional<LRESULT> OnMessage(const Message& m) override {
        if (auto result = RouteMessage(*this, kRoutes, m)) return result;
        return CDialog::OnMessage(m);
    }

private:
    static constexpr Route<CFormDialog> kRoutes[] = {
        {WM_COMMAND, BN_CLICKED, kInnerButton, &CFormDialog::OnInner},
        {WM_COMMAND, BN_CLICKED, kAnswerButton, &CFormDialog::OnAnswer},
    };
};

class DialogTest : public ControlParentTest {
protected:
    ScopedResourceTable resources;
    Agent agent;
};

TEST_F(DialogTest, ModalRunReturnsTheEndDialogValueLeavesNoWindowAndEscapeOrNobodyCancels) {
    std::string titleSeen;
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        titleSeen = GetWindowTextUtf8(dialog);
        ASSERT_TRUE(agent.Click(GetDlgItem(dialog, kAnswerButton)));
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), 42);
    EXPECT_EQ(titleSeen, "Form");
    EXPECT_EQ(form.m_hWnd, nullptr);
    EXPECT_EQ(agent.ModalDialogs(), std::vector<int>{kFormDialog});

    EXPECT_EQ(form.DoModal(), IDCANCEL);
    agent.QueueDialogHandler(kFormDialog, [&](HWND) { agent.PressKey(VK_ESCAPE); });
    EXPECT_EQ(form.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, ModalDialogInsideAModalDialogWorks) {
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        agent.Click(GetDlgItem(dialog, kInnerButton));
        agent.Click(GetDlgItem(dialog, IDOK));
    });
    agent.QueueDialogHandler(kInnerDialog, [&](HWND inner) {
        // The form, its owner, is disabled while the inner dialog runs.
        EXPECT_FALSE(IsWindowEnabled(GetWindow(inner, GW_OWNER)));
        agent.Click(GetDlgItem(inner, IDOK));
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.innerResult, IDOK);
    EXPECT_EQ(agent.ModalDialogs(), (std::vector<int>{kFormDialog, kInnerDialog}));
}

// The owner is disabled while its dialog runs and enabled after; a dialog that ends itself while
// it starts is never shown and leaves its owner enabled; after a dialog closes, the focus is back
// on the control that had it before.
TEST_F(DialogTest, OwnerIsDisabledDuringTheRunKeepsItsFocusAndADialogEndedAtTheStartIsNeverShown) {
    const HWND owner = spy.CreateSpyWindow("owner");
    const HWND field = CreateChild(owner, "Edit", WS_TABSTOP, 0, {0, 0, 50, 12});
    SetFocus(field);
    bool enabledDuring = true;
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        EXPECT_NE(GetFocus(), field);
        enabledDuring = IsWindowEnabled(owner);
        agent.Click(GetDlgItem(dialog, IDCANCEL));
    });
    CFormDialog form(CWnd::FromHandle(owner));
    EXPECT_EQ(form.DoModal(), IDCANCEL);
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), field) << "the keyboard works on where it was";

    class CEndsAtOnce : public CDialog {
    public:
        explicit CEndsAtOnce(CWnd* parent) : CDialog(kInnerDialog, parent) {}
        BOOL OnInitDialog() override {
            shown = ::IsWindowVisible(m_hWnd) != FALSE;
            EndDialog(7);
            return TRUE;
        }
        bool shown = true;
    } quick(CWnd::FromHandle(owner));
    const size_t dialogsBefore = agent.ModalDialogs().size();
    EXPECT_EQ(quick.DoModal(), 7);
    EXPECT_FALSE(quick.shown);
    EXPECT_EQ(agent.ModalDialogs().size(), dialogsBefore) << "no modal run for it";
    EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner can still be used";
    EXPECT_EQ(GetFocus(), field);
}

// Reports what the dialog manager tells the form of its own window: the font, the children
// created and destroyed, the activation.
class CWatchedForm : public CFormDialog {
public:
    std::optional<LRESULT> OnMessage(const Message& m) override {
        if (m.id == WM_SETFONT) fontBeforeControls = !::GetWindow(m_hWnd, GW_CHILD);
        if (m.id == WM_PARENTNOTIFY) {
            notes.push_back((LOWORD(m.wParam) == WM_CREATE ? "create " : "destroy ") +
                            std::to_string(HIWORD(m.wParam)));
        }
        return CFormDialog::OnMessage(m);
    }
    bool fontBeforeControls = false;
    std::vector<std::string> notes;
};

// A control added by the program tells the dialog of its creation and destruction (its own
// template controls do not); destroyed with the focus, it leaves the focus to the dialog, which
// gives it to the first tab stop.
TEST_F(DialogTest, AFocusedControlDestroyedLeavesTheFocusInTheDialog) {
    CWatchedForm form;
    ASSERT_TRUE(form.Create(kFormDialog));
    EXPECT_TRUE(form.fontBeforeControls) << "WM_SETFONT came before the controls";
    ShowWindow(form.m_hWnd, SW_SHOW);
    const HWND extra = CreateChild(form.m_hWnd, "Edit", WS_TABSTOP, 1400, {0, 90, 50, 12});
    DestroyWindow(CreateWindowEx(WS_EX_NOPARENTNOTIFY, "Edit", "", WS_CHILD, 0, 0, 50, 12,
                                 form.m_hWnd, nullptr, nullptr, nullptr));
    const HWND name = GetDlgItem(form.m_hWnd, kNameEdit);
    ASSERT_TRUE(agent.Focus(extra));
    DestroyWindow(extra);
    EXPECT_EQ(form.notes, (std::vector<std::string>{"create 1400", "destroy 1400"}));
    EXPECT_EQ(GetFocus(), name) << "the keyboard still works";
    EXPECT_EQ(EditSelection(name), std::make_pair(DWORD{0}, DWORD{3}));
}

// Activated again, a dialog gives the focus back to the control that had it, as it was: after a
// modal dialog it owned, and after another window was in front.
TEST_F(DialogTest, ADialogActivatedAgainGivesTheFocusBackWithoutSelecting) {
    CFormDialog form;
    ASSERT_TRUE(form.Create(kFormDialog));
    ShowWindow(form.m_hWnd, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), form.m_hWnd);
    const HWND city = GetDlgItem(form.m_hWnd, kCityEdit);
    SetWindowText(city, "Lyon");
    SetFocus(city);
    SendMessage(city, EM_SETSEL, 1, 3);

    CDialog inner(kInnerDialog, &form);
    EXPECT_EQ(inner.DoModal(), IDCANCEL);  // Nobody answers: it is cancelled.
    EXPECT_EQ(GetActiveWindow(), form.m_hWnd);
    EXPECT_EQ(GetFocus(), city);
    EXPECT_EQ(EditSelection(city), std::make_pair(DWORD{1}, DWORD{3}));

    CFormDialog other;
    ASSERT_TRUE(other.Create(kFormDialog));
    ShowWindow(other.m_hWnd, SW_SHOW);
    EXPECT_EQ(GetFocus(), GetDlgItem(other.m_hWnd, kNameEdit));
    SetActiveWindow(form.m_hWnd);
    EXPECT_EQ(GetFocus(), city);
    EXPECT_EQ(EditSelection(city), std::make_pair(DWORD{1}, DWORD{3}));

    // The focus given to the dialog itself goes on to its first tab stop, all its text selected.
    SetFocus(other.m_hWnd);
    const HWND otherName = GetDlgItem(other.m_hWnd, kNameEdit);
    EXPECT_EQ(GetFocus(), otherName);
    EXPECT_EQ(EditSelection(otherName), std::make_pair(DWORD{0}, DWORD{3}));
}

TEST_F(DialogTest, DataExchangeLoadsRefusesTooLongTextAndSavesOnOk) {
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        const HWND edit = GetDlgItem(dialog, kNameEdit);
        EXPECT_EQ(GetWindowTextUtf8(edit), "Ann");
        // Loading limited the edit to five characters: a person cannot type more.
        agent.Type(edit, "Ελένη Π");
        EXPECT_EQ(GetWindowTextUtf8(edit), "Ελένη");
        SetWindowText(edit, "Ελένη Π");
        agent.Click(GetDlgItem(dialog, IDOK));
        // Refused: the dialog is still up and the name edit has the focus back.
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), edit);
        agent.Type(edit, "Ελένη");
        agent.PressKey(VK_RETURN);
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.name, "Ελένη");
    ASSERT_EQ(agent.MessageBoxes().size(), 1u);
    EXPECT_EQ(agent.MessageBoxes()[0].request.text, "Please enter no more than 5 characters.");
    EXPECT_EQ(agent.MessageBoxes()[0].request.style & MB_ICONMASK, MB_ICONEXCLAMATION);
}

// Tabbing into an edit selects all its text.
TEST_F(DialogTest, TabAndShiftTabVisitEnabledTabStopsAndEnterPressesTheDefaultButton) {
    std::vector<int> visited;
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        visited.push_back(GetDlgCtrlID(GetFocus()));  // The default focus: the first tab stop.
        SetWindowText(GetDlgItem(dialog, kCityEdit), "Lyon");
        for (int i = 0; i < 5; ++i) {
            agent.PressKey(VK_TAB);
            visited.push_back(GetDlgCtrlID(GetFocus()));
            if (i == 0) {
                EXPECT_EQ(EditSelection(GetFocus()), std::make_pair(DWORD{0}, DWORD{4}));
            }
        }
        agent.PressKey(VK_TAB, KeyModifier::Shift);
        visited.push_back(GetDlgCtrlID(GetFocus()));
        agent.Focus(GetDlgItem(dialog, kCityEdit));
        agent.PressKey(VK_RETURN);
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(visited, (std::vector<int>{kNameEdit, kCityEdit, kInnerButton, kAnswerButton, IDOK,
                                         IDCANCEL, IDOK}));
}

// A push button that takes the focus is the default while it has it, so Enter presses it; the
// focus back on an edit gives the default back to OK.
TEST_F(DialogTest, TheFocusedPushButtonIsTheDefaultWhileItHasTheFocus) {
    // The focused control and the default push buttons, as ids.
    std::vector<std::vector<int>> seen;
    agent.QueueDialogHandler(kFormDialog, [&](HWND dialog) {
        const auto defaults = [&] {
            std::vector<int> shown{GetDlgCtrlID(GetFocus())};
            for (int id : {kInnerButton, kAnswerButton, IDOK, IDCANCEL}) {
                const auto style = GetWindowLongPtr(GetDlgItem(dialog, id), GWL_STYLE);
                if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) shown.push_back(id);
            }
            seen.push_back(shown);
        };
        defaults();
        agent.PressKey(VK_TAB);  // the city edit
        agent.PressKey(VK_TAB);  // the inner dialog's button
        defaults();
        agent.PressKey(VK_TAB, KeyModifier::Shift);
        defaults();
        agent.PressKey(VK_TAB);
        agent.PressKey(VK_TAB);  // the answer button, which ends the dialog with 42
        defaults();
        agent.PressKey(VK_RETURN);
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), 42) << "Enter pressed the focused button, not OK";
    EXPECT_EQ(seen, (std::vector<std::vector<int>>{{kNameEdit, IDOK},
                                                   {kInnerButton, kInnerButton},
                                                   {kCityEdit, IDOK},
                                                   {kAnswerButton, kAnswerButton}}));
}

// In a dialog, Tab and Shift+Tab leave a multi-line edit for the next and previous controls,
// Enter in one without ES_WANTRETURN presses the default button, and Escape cancels.
TEST_F(DialogTest, TabAndEnterLeaveAMultiLineEditThatDoesNotWantThem) {
    std::vector<int> focus;
    std::string notes;
    agent.QueueDialogHandler(kNotesDialog, [&](HWND dialog) {
        focus.push_back(GetDlgCtrlID(GetFocus()));
        agent.Type(GetDlgItem(dialog, kNotesEdit), "ab");
        agent.PressKey(VK_TAB);
        focus.push_back(GetDlgCtrlID(GetFocus()));
        agent.PressKey(VK_TAB, KeyModifier::Shift);
        focus.push_back(GetDlgCtrlID(GetFocus()));
        notes = GetWindowTextUtf8(GetDlgItem(dialog, kNotesEdit));
        agent.PressKey(VK_RETURN);
    });
    CDialog dialog(kNotesDialog);
    EXPECT_EQ(dialog.DoModal(), IDOK) << "Enter pressed OK";
    EXPECT_EQ(focus, (std::vector<int>{kNotesEdit, kCityEdit, kNotesEdit}));
    EXPECT_EQ(notes, "ab") << "no tab typed into the notes";

    // The edit takes every key, Escape too, and closes the dialog with it.
    class CNotesDialog : public CDialog {
    public:
        CNotesDialog() : CDialog(kNotesDialog) {}
        std::optional<LRESULT> OnMessage(const Message& m) override {
            closeAsked |= m.id == WM_CLOSE;
            return CDialog::OnMessage(m);
        }
        bool closeAsked = false;
    } escaped;
    agent.QueueDialogHandler(kNotesDialog, [&](HWND) { agent.PressKey(VK_ESCAPE); });
    EXPECT_EQ(escaped.DoModal(), IDCANCEL);
    EXPECT_TRUE(escaped.closeAsked);
}

// Enter and Escape with a combo's list down end the pick and leave the dialog up; the same key
// once the list is up again ends the dialog. Both kinds of drop-down, the edit's and the list's.
TEST_F(DialogTest, EnterAndEscapeWithAComboListDownOnlyCloseTheList) {
    using Notes = std::vector<std::pair<int, int>>;  // Control id and notification code.
    class CChoiceDialog : public CDialog {
    public:
        CChoiceDialog() : CDialog(kChoiceDialog) {}
        std::optional<LRESULT> OnMessage(const Message& m) override {
            if (m.id == WM_COMMAND && LOWORD(m.wParam) != IDOK && LOWORD(m.wParam) != IDCANCEL) {
                notes.emplace_back(LOWORD(m.wParam), HIWORD(m.wParam));
            }
            return CDialog::OnMessage(m);
        }
        Notes notes;
    };
    for (const int id : {kDropDownCombo, kDropListCombo}) {
        for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
            SCOPED_TRACE(std::to_string(id) + (key == VK_ESCAPE ? " Escape" : " Enter"));
            CChoiceDialog dialog;
            agent.QueueDialogHandler(kChoiceDialog, [&](HWND hwnd) {
                const HWND combo = GetDlgItem(hwnd, id);
                for (const char* item : {"Lyon", "Oslo"})
                    SendMessage(combo, CB_ADDSTRING, 0, Ptr(item));
                SendMessage(combo, CB_SETCURSEL, 1, 0);
                ASSERT_TRUE(agent.OpenDropDown(combo));
                dialog.notes.clear();
                agent.PressKey(key);
                EXPECT_TRUE(IsWindowVisible(hwnd) && !IsDialogEnded(hwnd))
                    << "the first key only closed the list";
                EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
                EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
                EXPECT_EQ(dialog.notes,
                          (Notes{{id, key == VK_ESCAPE ? CBN_SELENDCANCEL : CBN_SELENDOK},
                                 {id, CBN_CLOSEUP}}));
                agent.PressKey(key);
            });
            EXPECT_EQ(dialog.DoModal(), key == VK_ESCAPE ? IDCANCEL : IDOK);
        }
    }
}

// Destroyed, a modeless dialog takes its controls and child dialogs along and leaves no handle
// valid (the order of WM_DESTROY and WM_NCDESTROY is WindowTreeTest's).
TEST_F(DialogTest, ChildDialogLivesInItsParentAndTabbingWalksIntoIt) {
    CFormDialog form;
    ASSERT_TRUE(form.Create(kFormDialog));
    ShowWindow(form.m_hWnd, SW_SHOW);
    CDialog page;
    ASSERT_TRUE(page.Create(kPageDialog, &form));
    EXPECT_EQ(GetParent(page.m_hWnd), form.m_hWnd);
    EXPECT_EQ(WindowRect(page.m_hWnd).left, 15);  // 10 dialog units inside the form.
    // The page joined the form's tab order after the form's own controls.
    agent.Focus(GetDlgItem(form.m_hWnd, IDCANCEL));
    agent.PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(page.m_hWnd, kPageEdit));
    agent.PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(page.m_hWnd, kPageCheck));
    agent.PressKey(VK_SPACE);
    EXPECT_EQ(SendDlgItemMessage(page.m_hWnd, kPageCheck, BM_GETCHECK, 0, 0), BST_CHECKED);

    // Tabbing moves on from the control that holds the focused edit, a combo's.
    const HWND combo =
        CreateChild(form.m_hWnd, "ComboBox", WS_TABSTOP | CBS_DROPDOWN, 1300, {0, 0, 80, 60});
    ASSERT_TRUE(agent.Focus(GetWindow(combo, GW_CHILD)));
    agent.PressKey(VK_TAB, KeyModifier::Shift);
    EXPECT_EQ(GetFocus(), GetDlgItem(page.m_hWnd, kPageCheck));
    const HWND dialog = form.m_hWnd;
    const HWND pageWindow = page.m_hWnd;
    const HWND name = GetDlgItem(dialog, kNameEdit);
    ASSERT_TRUE(form.DestroyWindow());
    for (HWND hwnd : {dialog, pageWindow, name, combo}) EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(std::pair(form.m_hWnd, page.m_hWnd), std::pair(HWND{}, HWND{}));
}

TEST_F(DialogTest, ModalLoopWaitsThroughTheViewsWaiterWhenOneIsInstalled) {
    // The view answers the dialog as a person at a real window would: while the loop waits.
    int waits = 0;
    const ScopedInputWaiter waiter([&](std::optional<TimerClock::time_point>) {
        ++waits;
        if (const HWND dialog = FindWindow(nullptr, "Form")) {
            agent.Click(GetDlgItem(dialog, kAnswerButton));
        }
    });
    CFormDialog form;
    EXPECT_EQ(form.DoModal(), 42);
    EXPECT_EQ(waits, 1);
}

TEST_F(DialogTest, ControlsAreLaidOutInDialogUnitsOfTheTemplateFontAndAMissingTemplateFails) {
    CDialog missing;
    EXPECT_FALSE(missing.Create(9999));
    EXPECT_NE(GetLastErrorText().find("9999"), std::string::npos);
    CDialog modal(9999);
    EXPECT_EQ(modal.DoModal(), -1);
    CFormDialog form;
    ASSERT_TRUE(form.Create(kFormDialog));
    RECT rect{50, 5, 150, 17};
    ASSERT_TRUE(MapDialogRect(form.m_hWnd, &rect));
    EXPECT_EQ(rect, (RECT{75, 8, 225, 28}));  // 6 x 13 base units for 8 point at 96 dpi.
    EXPECT_EQ(ClientRect(GetDlgItem(form.m_hWnd, kNameEdit)), (RECT{0, 0, 150, 20}));
}

}  // namespace
}  // namespace winport::test
