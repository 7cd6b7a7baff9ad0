// BCInsideDialog: a page of a tabbed framework dialog, a child dialog made from its template.
// Its page operations follow the base dialog's virtual operations in this order; the tabbed
// dialog drives them (CheckNext, DoNext, DoRefresh, DoCustom) and owns the page object.
#pragma once

#include "hostlib/framework/BCDialog.h"

class BCInsideDialog : public BCDialog {
public:
    BCInsideDialog(BCUserInfo* user, UINT templateId, int contextNumber, CWnd* parent);

    // Writes the controls into the page's data; nonzero on success.
    virtual int PageCommit() = 0;
    // Empties every field.
    virtual void PageClear() = 0;
    // 1 valid, 0 invalid (the page has told the user), -1 nothing changed.
    virtual int PageValidate() = 0;
    // Whether the page lets the dialog step back; the default lets it.
    virtual BOOL DoCheckPrev();
    // The dialog is closing; the default keeps the page's state in the registry.
    virtual void DoClose();
    // Loads the controls from the page's data.
    virtual void PageReload() = 0;
    // |value| is the page's new data; the page reloads from it.
    virtual void PageSetData(int code, void* value) = 0;
    // The page's own state (not its data) across runs; the defaults keep none.
    virtual void WriteStateToRegistry();
    virtual void ReadStateFromRegistry();

    // BCM_PAGEFOCUSOUT: the page confirms a field being typed in; the default has none, 1.
    virtual LRESULT OnPageFocusOut();
    // BCM_PAGEDEFERRED: the action the page posted to itself; the default has none, 1.
    virtual LRESULT OnPageDeferred();

    // A page is not closed on its own: Enter and Escape belong to the dialog around it.
    void OnOK() override {}
    void OnCancel() override {}

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<BCInsideDialog> kRoutes[];

    LRESULT OnPageValidateMessage(WPARAM, LPARAM);
    LRESULT OnPageFocusOutMessage(WPARAM, LPARAM);
    LRESULT OnPageDeferredMessage(WPARAM, LPARAM);
};
