#include "client/directory/DirectoryOperations.h"

namespace nuvclient {

HRESULT DirectoryOperation::End() {
    m_job->End();
    return S_OK;
}

HRESULT RetrieveDetailsOp::Start(MIUserObject* user, MIDBOpCallback* callback, DWORD,
                                 MIDBOperation** operation) {
    return m_service.Start(&RetrieveDetails, user, callback, operation);
}

HRESULT SaveDetailsOp::Start(MIUserObject* owner, DWORD, MIDBOpCallback* callback,
                             MIDBOperation** operation) {
    return m_service.Start(&UploadOwnerDetails, owner, callback, operation);
}

HRESULT UpdateDetailsOp::Start(MIUserObject* owner, MIDBOpCallback* callback,
                               MIDBOperation** operation) {
    return m_service.Start(&RefreshOwnerDetails, owner, callback, operation);
}

}  // namespace nuvclient
