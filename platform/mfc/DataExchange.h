// Dialog data exchange: copying values between a dialog's controls and its members, with the
// checks that refuse bad entries.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    // The control with |id|, remembered as the one to focus if a check fails.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Marks the exchange failed and, while saving, focuses the last prepared control.
    void Fail();
    bool Failed() const { return m_failed; }
    HWND LastControl() const { return m_lastControl; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_lastControl = nullptr;
    bool m_lastIsEdit = false;
    bool m_failed = false;
};

// Each does nothing once the exchange has failed, as if the failure had stopped it.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// |value| is the index of the checked radio button in the group that starts at |id|, or -1.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Subclasses the control with |control| the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Saving: refuses a text of more than |count| characters. Loading: limits the edit to them.
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
