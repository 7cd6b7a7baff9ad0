#include "pages/RecordPage.h"

#include "module/HostNumbers.h"

void MarkForUpload(MCVariantPropertySet& record, UploadSection section) {
    const unsigned short status = record["UpdateInfoStatus"];
    record["UpdateInfoStatus"] = static_cast<int>(status & ~static_cast<unsigned>(section));
}

CRecordPage::CRecordPage(BCUserInfo* user, UINT templateId, bool editable,
                         MCVariantPropertySet* data, CWnd* parent)
    : BCInsideDialog(user, templateId, editable ? kEditableContext : kViewOnlyContext, parent),
      m_editable(editable),
      m_data(data) {}

void CRecordPage::PageSetData(int code, void* value) {
    if (code != 0) return;
    m_data = static_cast<MCVariantPropertySet*>(value);
    PageReload();
}
