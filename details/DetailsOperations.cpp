#include "details/DetailsOperations.h"

#include <cstdio>

#include "hostlib/util/HostStrings.h"
#include "module/ModuleState.h"
#include "module/host/HostIds.h"
#include "module/host/HostStringIds.h"
#include "module/host/MIHostServices.h"
#include "module/host/MIRetrieveDetailsOp.h"
#include "module/host/MISaveConfirmation.h"
#include "module/host/MISaveDetailsOp.h"
#include "module/host/MIUpdateDetailsOp.h"
#include "module/host/MIUserObject.h"
#include "platform/com/ComRuntime.h"
#include "platform/shell/MessageBox.h"
#include "platform/text/Utf16.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// At this security level and above every upload is confirmed by the owner.
constexpr unsigned char kConfirmedSecurityLevel = 20;
// "UpdateInfoStatus" with every section bit set: nothing to upload.
constexpr unsigned short kNothingToUpload = 0xFFFF;

winport::ComPtr<MIUserObject> AsUserObject(IUnknown* object) {
    winport::ComPtr<MIUserObject> user;
    if (object) {
        object->QueryInterface(MIUserObject::kIid, reinterpret_cast<void**>(user.GetAddressOf()));
    }
    return user;
}

}  // namespace

CDetailsOperations::CDetailsOperations(Window& window, MCVariantPropertySet& record,
                                       Offered offered)
    : m_window(window),
      m_record(record),
      m_offered(offered),
      m_sink(CDetailsOpSink::Create(this)) {}

CDetailsOperations::~CDetailsOperations() {
    // A window that never existed, or was taken without WM_DESTROY, may still run one.
    End();
    m_sink->Disconnect();
}

bool CDetailsOperations::Save(IUnknown* owner) {
    if (!m_window.ValidatePages()) return false;
    if (!ConfirmUpload(owner)) return false;
    m_window.CommitPages();
    m_window.ReportPagesCommitted();
    const unsigned short status = m_record["UpdateInfoStatus"];
    if (status == kNothingToUpload) {
        m_window.SetItemText(IDC_DETAILS_CLOSE, "Done");
        return true;
    }
    const winport::ComPtr<MIUserObject> user = AsUserObject(owner);
    const std::string closeLabel = m_window.ItemText(IDC_DETAILS_CLOSE);
    ShowBusy();
    m_window.SetItemText(IDC_DETAILS_CLOSE, "Cancel");
    const HRESULT started =
        Start<MISaveDetailsOp>(Kind::Upload, [&](MISaveDetailsOp& op, MIDBOperation** operation) {
            return op.Start(user.Get(), 0, m_sink.Get(), operation);
        });
    if (FAILED(started)) {
        m_window.SetItemText(IDC_DETAILS_CLOSE, closeLabel.c_str());
        OnStartFailed(started);
        return false;
    }
    return true;
}

bool CDetailsOperations::ConfirmUpload(IUnknown* owner) {
    const unsigned char level = m_record["SecurityLevel"];
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
    const winport::ComPtr<MIUserObject> user = AsUserObject(owner);
    int answer = 0;
    const HWND window = m_window.QuestionOwner();
    const HRESULT asked =
        confirmation->Confirm(window, user.Get(), question.c_str(), explanation.c_str(), &answer);
    // The host may have closed the window while the owner was asked.
    return SUCCEEDED(asked) && answer == 1 && ::IsWindow(window);
}

void CDetailsOperations::Retrieve(IUnknown* contact) {
    const winport::ComPtr<MIUserObject> user = AsUserObject(contact);
    m_window.PlayAnimation();
    m_window.EnableItem(IDC_DETAILS_SAVE, ItemState::Disabled);
    const HRESULT started = Start<MIRetrieveDetailsOp>(
        Kind::Retrieval, [&](MIRetrieveDetailsOp& op, MIDBOperation** operation) {
            return op.Start(user.Get(), m_sink.Get(), 0, operation);
        });
    if (FAILED(started)) OnStartFailed(started);
}

void CDetailsOperations::UpdateFromDatabase(IUnknown* owner) {
    const HWND window = m_window.QuestionOwner();
    if (BResourceMessageBox(kUpdateFromDatabaseText, kUpdateFromDatabaseCaption,
                            MB_YESNO | MB_ICONQUESTION, window) != IDYES ||
        !::IsWindow(window)) {
        return;
    }
    const winport::ComPtr<MIUserObject> user = AsUserObject(owner);
    ShowBusy();
    const HRESULT started = Start<MIUpdateDetailsOp>(
        Kind::Refresh, [&](MIUpdateDetailsOp& op, MIDBOperation** operation) {
            return op.Start(user.Get(), m_sink.Get(), operation);
        });
    if (FAILED(started)) OnStartFailed(started);
}

template <class Op, class StartCall>
HRESULT CDetailsOperations::Start(Kind kind, StartCall start) {
    End();
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
    m_kind = kind;
    m_operation = std::move(operation);
    return S_OK;
}

void CDetailsOperations::EnableOperationButtons(ItemState state) {
    m_window.EnableItem(IDC_DETAILS_SAVE, state);
    if (m_offered == Offered::UploadAndRefresh) m_window.EnableItem(IDC_DETAILS_UPDATE, state);
    m_window.EnableItem(IDC_DETAILS_MORE_OPTIONS, state);
}

void CDetailsOperations::ShowBusy() {
    m_window.PlayAnimation();
    EnableOperationButtons(ItemState::Disabled);
    m_window.EnablePages(ItemState::Disabled);
}

void CDetailsOperations::ShowIdle() {
    m_window.StopAnimation();
    EnableOperationButtons(ItemState::Enabled);
    m_window.EnablePages(ItemState::Enabled);
}

void CDetailsOperations::OnDone() {
    if (!m_operation) return;
    ShowIdle();
    m_window.SetItemText(IDC_DETAILS_CLOSE, "Done");
    // What the owner typed meanwhile is kept: a contact's pages commit it before they reload.
    if (m_kind == Kind::Retrieval) m_window.CommitPages();
    // An upload leaves the pages showing what the owner entered.
    if (m_kind != Kind::Upload) m_window.ReloadPages();
    const bool uploaded = m_kind == Kind::Upload;
    End();
    if (uploaded) m_window.UploadEnded(true);
}

void CDetailsOperations::OnFailed(int, const std::string& text) {
    if (!m_operation) return;
    ShowIdle();
    // Ended before the box: no second result of it is handled while the box is up.
    const bool uploading = m_kind == Kind::Upload;
    End();
    if (uploading) m_window.UploadEnded(false);
    MessageBox(m_window.QuestionOwner(), text.c_str(), BRCString(AFX_IDS_APP_TITLE).c_str(),
               MB_OK | MB_ICONERROR);
}

void CDetailsOperations::OnStartFailed(HRESULT result) {
    ShowIdle();
    char text[256];
    std::snprintf(text, sizeof text, BRCString(IDS_OPERATION_NOT_STARTED).c_str(),
                  static_cast<unsigned>(result));
    MessageBox(m_window.QuestionOwner(), text, BRCString(AFX_IDS_APP_TITLE).c_str(),
               MB_OK | MB_ICONERROR);
}

void CDetailsOperations::End() {
    if (!m_operation) return;
    const winport::ComPtr<MIDBOperation> operation = std::move(m_operation);
    // End first: once it returns no report follows, and the flush catches every earlier one.
    operation->End();
    m_sink->Flush();
}
