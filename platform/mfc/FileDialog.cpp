#include "platform/mfc/FileDialog.h"

#include "platform/core/WinMessages.h"
#include "platform/mfc/Wnd.h"
#include "platform/shell/SaveAsDialog.h"
#include "platform/window/WindowApi.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : m_open(openFileDialog != FALSE),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_fileName(fileName ? fileName : ""),
      m_flags(flags),
      m_filter(filter ? filter : ""),
      m_parent(parent) {}

INT_PTR CFileDialog::DoModal() {
    if (m_open) return IDCANCEL;
    winport::SaveAsRequest request;
    request.owner = m_parent ? m_parent->m_hWnd : GetActiveWindow();
    request.fileName = m_fileName;
    request.defaultExtension = m_defaultExtension;
    request.filter = m_filter;
    request.flags = m_flags;
    std::optional<std::string> path = winport::ShowSaveAsDialog(request);
    if (!path) return IDCANCEL;
    m_path = std::move(*path);
    return IDOK;
}

std::string CFileDialog::GetFileName() const {
    const size_t slash = m_path.find_last_of('/');
    return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

std::string CFileDialog::GetFileExt() const {
    const std::string name = GetFileName();
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
