#include "details/EmptyPage.h"

CEmptyPage::CEmptyPage(BCUserInfo* user, UINT templateId, int contextNumber,
                       MCVariantPropertySet* data, CWnd* parent)
    : BCInsideDialog(user, templateId, contextNumber, parent), m_data(data) {}

int CEmptyPage::PageCommit() {
    return 1;
}

void CEmptyPage::PageClear() {}

int CEmptyPage::PageValidate() {
    return -1;
}

void CEmptyPage::PageReload() {}

void CEmptyPage::PageSetData(int code, void* value) {
    if (code == 0) m_data = static_cast<MCVariantPropertySet*>(value);
}
