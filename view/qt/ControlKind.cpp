#include "view/qt/ControlKind.h"

#include <cctype>
#include <string>

#include "platform/controls/AnimationApi.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/RichEditApi.h"
#include "platform/controls/TabControlApi.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/controls/TreeViewApi.h"
#include "platform/controls/UpDownApi.h"
#include "platform/core/WinStyles.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvview {
namespace {

bool SameClass(const std::string& name, const char* className) {
    if (name.size() != std::char_traits<char>::length(className)) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(className[i])))
            return false;
    }
    return true;
}

ControlKind ButtonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return ControlKind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return ControlKind::RadioButton;
        case BS_GROUPBOX: return ControlKind::GroupBox;
        default: return ControlKind::PushButton;
    }
}

ControlKind StaticKind(DWORD style) {
    switch (style & SS_TYPEMASK) {
        case SS_ICON:
        case SS_BITMAP: return ControlKind::Picture;
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT:
        case SS_ETCHEDFRAME: return ControlKind::Etched;
        default: return ControlKind::Label;
    }
}

}  // namespace

ControlKind ClassifyWindow(HWND hwnd) {
    const std::string name = winport::GetClassNameOf(hwnd);
    const auto style = static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
    if (SameClass(name, "Button")) return ButtonKind(style);
    if (SameClass(name, "Static")) {
        // A top-level "Static" is a host's plain window, not a label.
        return (style & WS_CHILD) ? StaticKind(style) : ControlKind::Container;
    }
    if (SameClass(name, "Edit"))
        return (style & ES_MULTILINE) ? ControlKind::TextArea : ControlKind::LineEdit;
    if (SameClass(name, kComboBoxClassName)) return ControlKind::ComboBox;
    if (SameClass(name, kListBoxClassName)) return ControlKind::ListBox;
    if (SameClass(name, WC_LISTVIEW)) return ControlKind::ListView;
    if (SameClass(name, WC_TREEVIEW)) return ControlKind::TreeView;
    if (SameClass(name, WC_TABCONTROL)) return ControlKind::TabControl;
    if (SameClass(name, UPDOWN_CLASS)) return ControlKind::UpDown;
    if (SameClass(name, RICHEDIT_CLASS) || SameClass(name, MSFTEDIT_CLASS))
        return ControlKind::RichText;
    if (SameClass(name, ANIMATE_CLASS)) return ControlKind::Animation;
    if (SameClass(name, TOOLTIPS_CLASS)) return ControlKind::NotShown;
    return ControlKind::Container;
}

bool DrawsOwnChildren(ControlKind kind) {
    return kind == ControlKind::ComboBox || kind == ControlKind::ListView ||
           kind == ControlKind::TreeView;
}

}  // namespace nuvview
