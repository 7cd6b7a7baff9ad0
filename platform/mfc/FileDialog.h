// CFileDialog: the common Open/Save As dialog as the framework wraps it. Only Save As is
// supported; DoModal asks the shell UI and keeps the chosen path.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

class CWnd;

class CFileDialog {
public:
    // |openFileDialog| must be FALSE: the module only saves. The filter is MFC's "Text|*.txt||".
    CFileDialog(BOOL openFileDialog, const char* defaultExtension = nullptr,
                const char* fileName = nullptr, DWORD flags = 0, const char* filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK with the path chosen, or IDCANCEL.
    INT_PTR DoModal();
    std::string GetPathName() const { return m_path; }
    // The chosen file's name and extension, without its folder.
    std::string GetFileName() const;
    std::string GetFileExt() const;

private:
    bool m_open;
    std::string m_defaultExtension;
    std::string m_fileName;
    DWORD m_flags;
    std::string m_filter;
    CWnd* m_parent;
    std::string m_path;
};
