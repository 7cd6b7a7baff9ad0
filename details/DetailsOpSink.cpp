#include "details/DetailsOpSink.h"

#include "details/DetailsOperations.h"
#include "hostlib/com/UnicodeUtils.h"

winport::ComPtr<CDetailsOpSink> CDetailsOpSink::Create(CDetailsOperations* operations) {
    return winport::ComPtr<CDetailsOpSink>(new CDetailsOpSink(operations));
}

void CDetailsOpSink::Disconnect() {
    m_operations = nullptr;
    Close();
}

HRESULT CDetailsOpSink::OnError(const DBOpErrorRecord* error) {
    if (!error) return E_POINTER;
    // A failure without a text is still a failure, with an empty text.
    const std::string text = UnicodeUtils::UnicodeToString(error->text);
    Post(1, std::make_unique<DBOpErrorResult>(text, error->code));
    return S_OK;
}

HRESULT CDetailsOpSink::OnDone() {
    Post(0, nullptr);
    return S_OK;
}

LRESULT CDetailsOpSink::OnResult(int code, DBOpResult* result) {
    const winport::ComPtr<CDetailsOpSink> self(this);
    if (!m_operations) return 0;
    if (code == 0) {
        m_operations->OnDone();
        return 0;
    }
    const auto* error = dynamic_cast<DBOpErrorResult*>(result);
    m_operations->OnFailed(error ? error->Code() : code, error ? error->Text() : "");
    return 0;
}
