#include <string>

#include "platform/core/LastError.h"
#include "platform/dialog/DialogApi.h"
#include "platform/dialog/DialogProcedure.h"
#include "platform/gdi/DialogUnits.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/resources/ResourceChain.h"
#include "platform/resources/ResourceValidation.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

std::string Describe(const DialogTemplate& tmpl) {
    return "dialog template " + std::to_string(tmpl.id);
}

RECT ItemRect(const DluRect& rect, SIZE baseUnits) {
    return DialogItemToPixels(rect.x, rect.y, rect.cx, rect.cy, baseUnits);
}

HWND FailCreation(HWND dialog, const std::string& text) {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    SetLastErrorText(ERROR_INVALID_DATA, text);
    return nullptr;
}

// The dialog manager's default focus: the first tab stop, its text selected if it is an edit.
void SetDefaultFocus(HWND dialog, DWORD style) {
    if (const HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE)) {
        if (SendMessage(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
            SendMessage(focus, EM_SETSEL, 0, -1);
        }
        SetFocus(focus);
    } else if (!(style & WS_CHILD)) {
        SetFocus(dialog);  // Which gives it to the first control.
    }
}

}  // namespace

HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND parent, WindowProcedure* subclass,
                              LPARAM initParam) {
    if (!ValidateDialogTemplate(tmpl)) return nullptr;
    const bool child = (tmpl.style & WS_CHILD) != 0;
    if (child && !IsWindow(parent)) {
        SetLastErrorText(ERROR_INVALID_WINDOW_HANDLE,
                         Describe(tmpl) + ": a child dialog needs a parent window");
        return nullptr;
    }
    const HWND owner =
        (!child && parent && IsWindow(parent)) ? GetAncestor(parent, GA_ROOT) : parent;

    const HFONT font = CreateDialogFont(tmpl.font.pointSize, tmpl.font.face);
    const SIZE baseUnits = DialogBaseUnits(font);
    DWORD exStyle = tmpl.exStyle;
    if (tmpl.style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
    const std::string title(tmpl.title);
    const HWND dialog =
        CreateWindowWithSubclass(exStyle, kDialogClassName, title.c_str(), tmpl.style & ~WS_VISIBLE,
                                 ItemRect(tmpl.rect, baseUnits), owner, 0, subclass, nullptr);
    if (!dialog) {
        DeleteObject(font);
        return FailCreation(nullptr, Describe(tmpl) + ": " + GetLastErrorText());
    }
    DialogProcedure* procedure = FindDialogProcedure(dialog);
    procedure->templateId = tmpl.id;
    procedure->font = font;
    procedure->baseUnits = baseUnits;
    SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!IsWindow(dialog))
        return FailCreation(nullptr, Describe(tmpl) + ": destroyed while starting");

    for (const ControlTemplate& control : tmpl.controls) {
        const std::string className(control.className);
        const std::string text(control.text);
        const RECT rect = ItemRect(control.rect, baseUnits);
        // The dialog's own controls do not tell it of their creation and destruction.
        const HWND hwnd = CreateWindowEx(
            control.exStyle | WS_EX_NOPARENTNOTIFY, className.c_str(), text.c_str(),
            control.style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, dialog,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr, nullptr);
        if (!hwnd) {
            return FailCreation(dialog, Describe(tmpl) + ", control " + std::to_string(control.id) +
                                            ": " + GetLastErrorText());
        }
        SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    const HWND firstTabStop = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT wantsFocus =
        SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), initParam);
    if (!IsWindow(dialog))
        return FailCreation(nullptr, Describe(tmpl) + ": destroyed while starting");
    if (wantsFocus && (!(tmpl.style & DS_CONTROL) || (tmpl.style & WS_VISIBLE))) {
        SetDefaultFocus(dialog, tmpl.style);
    }
    if (tmpl.style & WS_VISIBLE) ShowWindow(dialog, SW_SHOWNORMAL);
    return dialog;
}

int DialogTemplateId(HWND dialog) {
    const DialogProcedure* procedure = FindDialogProcedure(dialog);
    return procedure ? procedure->templateId : 0;
}

bool IsDialogWindow(HWND hwnd) {
    return FindDialogProcedure(hwnd) != nullptr;
}

bool IsDialogEnded(HWND dialog) {
    const DialogProcedure* procedure = FindDialogProcedure(dialog);
    return !procedure || procedure->ended;
}

INT_PTR DialogResult(HWND dialog) {
    const DialogProcedure* procedure = FindDialogProcedure(dialog);
    return procedure ? procedure->result : -1;
}

}  // namespace winport

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    const winport::DialogProcedure* procedure = winport::FindDialogProcedure(dialog);
    if (!procedure || !rect) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *rect = winport::DialogUnitsToPixels(*rect, procedure->baseUnits);
    return TRUE;
}
