// CPagePhones: the numbers a page publishes in the phone directory (the Home page's phone, fax
// and cellular number, the Work page's phone and fax), each an edit that reports double clicks
// with a bitmap button beside it. A number typed afresh is confirmed in the phone location
// dialog when the person leaves its field or presses its button; a double click in the owner's
// form asks at once. The page hands the numbers' messages here first.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "hostlib/controls/BCBitmapButton.h"
#include "hostlib/controls/BCCatchDblClickEdit.h"
#include "hostlib/framework/BCInsideDialog.h"
#include "hostlib/property/MCVariantPropertySet.h"

class CPagePhones {
public:
    struct Number {
        int edit;
        int button;
        const char* key;     // The record's key.
        const char* prefix;  // The location the dialog reads before the number ("Home:").
        int image;           // The button's picture in the host's small image list.
    };

    // |page| owns this object; |numbers| live as long as it. |changed| tells the page that a
    // number was edited.
    CPagePhones(BCInsideDialog& page, bool editable, std::span<const Number> numbers,
                std::function<void()> changed);
    ~CPagePhones();
    CPagePhones(const CPagePhones&) = delete;
    CPagePhones& operator=(const CPagePhones&) = delete;

    // Subclasses the edits and buttons, gives the buttons their pictures and, in the owner's
    // form, the edits an underlined font. Once the page's window exists.
    void Initialize();
    // Each button is enabled when its stored number is not empty; the edits hold the record's
    // numbers.
    void Load(MCVariantPropertySet& data);
    // The numbers' messages (their edits changed or left, their buttons, every WM_NOTIFY);
    // nullopt for the page's others. |data| is the page's record, if it has one.
    std::optional<LRESULT> OnMessage(const winport::Message& m, MCVariantPropertySet* data);
    // BCM_PAGEFOCUSOUT: the focus moves from a number's edit to its button, which confirms it.
    LRESULT OnPageFocusOut();
    // BCM_PAGEDEFERRED: the dialog a number asked for.
    LRESULT OnPageDeferred(MCVariantPropertySet* data);

private:
    struct Field {
        const Number* number;
        bool needsConfirmation = true;
        // Whether the edit holds what the person typed rather than a number in the stored form
        // (the record's, or the dialog's answer).
        bool typed = false;
        BCCatchDblClickEdit edit;
        BCBitmapButton button;
    };
    struct Request {
        HWND focus;
        Field* field;
    };

    Field* FieldOf(int controlId, bool edit);
    void OnEdited(Field& field);
    void Ask(Field& field, HWND focus);
    bool InPagesWindow(HWND hwnd) const;
    bool RunDialog(Field& field, MCVariantPropertySet* data);
    HWND Item(int id) const;

    BCInsideDialog& m_page;
    bool m_editable;
    std::function<void()> m_changed;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::optional<Request> m_request;
    HFONT m_underlined = nullptr;
};
