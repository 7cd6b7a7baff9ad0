// The details window's database operations: the owner's Save and Update From Database, and a
// contact's Retrieve, with the busy state while one runs and the handling of its result.
#include <cstdio>

#include "details/UserDetailsDialog.h"
#include "hostlib/util/HostStrings.h"
#include "module/host/HostIds.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostServices.h"
#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveConfirmation.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MIUpdateDetailsOp.h"
#include "platform/com/ComRuntime.h"
#include "platform/controls/AnimationApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// At this security level and above every upload is confirmed by the owner.
constexpr unsigned char kConfirmedSecurityLevel = 20;
// "UpdateInfoStatus" with every section bit set: nothing to upload.
constexpr unsigned short kNothingToUpload = 0xFFFF;

winport::ComPtr<MIUserObject> AsUserObject(const winport::ComPtr<IUnknown>& object) {
    winport::ComPtr<MIUserObject> user;
    if (object) {
        object->QueryInterface(MIUserObject::kIid, reinterpret_cast<void**>(user.GetAddressOf()));
    }
    return user;
}

}  // namespace

void CUserDetailsDialog::OnSaveOrRetrieve() {
    if (m_owner && !m_embedded) {
        Save();
    } else {
        Retrieve();
    }
}

void CUserDetailsDialog::Save() {
    if (!CheckNext()) return;
    if (!ConfirmUpload()) return;
    DoNext();
    if (m_connection) m_connection->PagesCommitted();
    const unsigned short status = m_propertySet["UpdateInfoStatus"];
    if (status == kNothingToUpload) {
        SetItemText(IDC_DETAILS_CLOSE, "Done");
        return;
    }
    const winport::ComPtr<MIUserObject> owner = AsUserObject(m_ownerUser);
    const std::string closeLabel = GetDlgItemText(IDC_DETAILS_CLOSE);
    SetBusy(true);
    SetItemText(IDC_DETAILS_CLOSE, "Cancel");
    const HRESULT started =
        StartOperation<MISaveDetailsOp>(true, [&](MISaveDetailsOp& op, MIDBOperation** operation) {
            return op.Start(owner.Get(), 0, m_sink.Get(), operation);
        });
    if (FAILED(started)) {
        SetItemText(IDC_DETAILS_CLOSE, closeLabel.c_str());
        OnStartFailed(started);
    }
}

bool CUserDetailsDialog::ConfirmUpload() {
    const unsigned char level = m_propertySet["SecurityLevel"];
    if (level < kConfirmedSecurityLevel) return true;
    winport::ComPtr<MISaveConfirmation> confirmation;
    if (FAILED(CoCreateInstance(kHostDialogsClsid, nullptr, CLSCTX_INPROC_SERVER,
                                MISaveConfirmation::kIid,
                                reinterpret_cast<void**>(confirmation.GetAddressOf()))) ||
        !confirmation) {
        return false;
    }
    const std::u16string question = winport::Utf8ToUtf16(BRCString(kSaveConfirmationQuestion));
    const std::u16string explanation =
        winport::Utf8ToUtf16(BRCString(kSaveConfirmationExplanation));
    const winport::ComPtr<MIUserObject> owner = AsUserObject(m_ownerUser);
    int answer = 0;
    const HWND self = m_hWnd;
    const HRESULT asked =
        confirmation->Confirm(self, owner.Get(), question.c_str(), explanation.c_str(), &answer);
    // The host may have closed the window while the owner was asked.
    return SUCCEEDED(asked) && answer == 1 && ::IsWindow(self);
}

void CUserDetailsDialog::Retrieve() {
    // Also when the command comes without the button.
    if (m_showsOwner) return;
    const winport::ComPtr<MIUserObject> contact = AsUserObject(m_contactUser);
    PlayAnimation(true);
    EnableItem(IDC_DETAILS_SAVE, false);
    const HRESULT started = StartOperation<MIRetrieveDetailsOp>(
        false, [&](MIRetrieveDetailsOp& op, MIDBOperation** operation) {
            return op.Start(contact.Get(), m_sink.Get(), 0, operation);
        });
    if (FAILED(started)) OnStartFailed(started);
}

void CUserDetailsDialog::OnUpdateFromDatabase() {
    // In the other forms the button is hidden; its White Pages action comes with that page.
    if (!m_owner || m_embedded) return;
    const HWND self = m_hWnd;
    if (BResourceMessageBox(kUpdateFromDatabaseText, kUpdateFromDatabaseCaption,
                            MB_YESNO | MB_ICONQUESTION, self) != IDYES ||
        !::IsWindow(self)) {
        return;
    }
    const winport::ComPtr<MIUserObject> owner = AsUserObject(m_ownerUser);
    SetBusy(true);
    const HRESULT started = StartOperation<MIUpdateDetailsOp>(
        false, [&](MIUpdateDetailsOp& op, MIDBOperation** operation) {
            return op.Start(owner.Get(), m_sink.Get(), operation);
        });
    if (FAILED(started)) OnStartFailed(started);
}

template <class Op, class StartCall>
HRESULT CUserDetailsDialog::StartOperation(bool upload, StartCall start) {
    EndOperation();
    MIHostServices* services = ModuleState().hostServices;
    if (!services) return E_UNEXPECTED;
    winport::ComPtr<IUnknown> object;
    HRESULT result = services->CreateHostObject(Op::kIid, object.GetAddressOf());
    if (FAILED(result)) return result;
    if (!object) return E_NOINTERFACE;
    winport::ComPtr<Op> op;
    result = object->QueryInterface(Op::kIid, reinterpret_cast<void**>(op.GetAddressOf()));
    if (FAILED(result)) return result;
    if (!op) return E_NOINTERFACE;
    winport::ComPtr<MIDBOperation> operation;
    result = start(*op.Get(), operation.GetAddressOf());
    if (FAILED(result)) return result;
    // Without a handle the operation cannot be ended: it is not taken as running.
    if (!operation) return E_POINTER;
    m_upload = upload;
    m_operation = std::move(operation);
    return S_OK;
}

void CUserDetailsDialog::PlayAnimation(bool play) {
    const HWND animation = ::GetDlgItem(m_hWnd, IDC_DETAILS_ANIMATION);
    if (play) {
        Animate_Play(animation, 0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    } else {
        Animate_Stop(animation);
    }
}

void CUserDetailsDialog::EnableOperationButtons(bool enable) {
    EnableItem(IDC_DETAILS_SAVE, enable);
    if (m_owner && !m_embedded) EnableItem(IDC_DETAILS_UPDATE, enable);
    EnableItem(IDC_DETAILS_MORE_OPTIONS, enable);
}

void CUserDetailsDialog::SetBusy(bool busy) {
    PlayAnimation(busy);
    EnableOperationButtons(!busy);
    EnableDialogs(busy ? FALSE : TRUE);
}

void CUserDetailsDialog::OnOperationDone() {
    if (!m_operation) return;
    SetBusy(false);
    SetItemText(IDC_DETAILS_CLOSE, "Done");
    if (!m_upload) {
        // What the owner typed meanwhile is kept: the pages commit it before they reload.
        if (!m_owner) DoNext();
        DoRefresh();
    }
    EndOperation();
}

void CUserDetailsDialog::OnOperationFailed(int, const std::string& text) {
    if (!m_operation) return;
    SetBusy(false);
    // Ended before the box: no second result of it is handled while the box is up.
    EndOperation();
    MessageBox(m_hWnd, text.c_str(), BRCString(AFX_IDS_APP_TITLE).c_str(), MB_OK | MB_ICONERROR);
}

void CUserDetailsDialog::OnStartFailed(HRESULT result) {
    SetBusy(false);
    char text[256];
    std::snprintf(text, sizeof text, BRCString(IDS_OPERATION_NOT_STARTED).c_str(),
                  static_cast<unsigned>(result));
    MessageBox(m_hWnd, text, BRCString(AFX_IDS_APP_TITLE).c_str(), MB_OK | MB_ICONERROR);
}

void CUserDetailsDialog::EndOperation() {
    if (!m_operation) return;
    const winport::ComPtr<MIDBOperation> operation = std::move(m_operation);
    // End first: once it returns no report follows, and the flush catches every earlier one.
    operation->End();
    m_sink->Flush();
}
