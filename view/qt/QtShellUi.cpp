#include "view/qt/QtShellUi.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/core/WinMessages.h"
#include "platform/shell/MenuApi.h"
#include "platform/shell/MessageBox.h"
#include "platform/window/WindowApi.h"
#include "view/qt/View.h"

namespace nuvview {
namespace {

QString ButtonText(int id) {
    static const std::map<int, const char*> kTexts = {
        {IDOK, "OK"},        {IDCANCEL, "Cancel"},       {IDABORT, "&Abort"},
        {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"},      {IDYES, "&Yes"},
        {IDNO, "&No"},       {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"},
    };
    const auto found = kTexts.find(id);
    return QString::fromUtf8(found == kTexts.end() ? "?" : found->second);
}

QMessageBox::Icon BoxIcon(UINT style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND: return QMessageBox::Critical;
        case MB_ICONQUESTION: return QMessageBox::Question;
        case MB_ICONEXCLAMATION: return QMessageBox::Warning;
        case MB_ICONASTERISK: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// "Text (*.vcf)|*.vcf|All (*.*)|*.*||" as Qt writes filters: "Text (*.vcf);;All (*.*)".
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters.push_back(parts[i].contains(u'(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return filters.join(QStringLiteral(";;"));
}

void AddItems(QMenu& menu, const std::vector<winport::MenuItemSnapshot>& items) {
    for (const winport::MenuItemSnapshot& item : items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        const QString text = QString::fromStdString(item.text);
        if (item.flags & MF_POPUP) {
            AddItems(*menu.addMenu(text), item.submenu);
            continue;
        }
        QAction* action = menu.addAction(text);
        action->setData(item.id);
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        action->setCheckable((item.flags & MF_CHECKED) != 0);
        action->setChecked((item.flags & MF_CHECKED) != 0);
    }
}

}  // namespace

QtShellUi::QtShellUi(const View& view) : m_view(view), m_previous(winport::SetShellUi(this)) {}

QtShellUi::~QtShellUi() {
    winport::SetShellUi(m_previous);
}

QWidget* QtShellUi::OwnerWidget(HWND owner) const {
    return owner ? m_view.WidgetFor(GetAncestor(owner, GA_ROOT)) : nullptr;
}

int QtShellUi::ShowMessageBox(const winport::MessageBoxRequest& request) {
    QMessageBox box(BoxIcon(request.style), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton,
                    OwnerWidget(request.owner));
    const std::vector<int> ids = winport::MessageBoxButtons(request.style);
    const int cancel = winport::MessageBoxCancelAnswer(request.style);
    const auto defaultIndex = static_cast<size_t>((request.style & MB_DEFMASK) >> 8);
    std::map<QAbstractButton*, int> answers;
    for (size_t i = 0; i < ids.size(); ++i) {
        QPushButton* button = box.addButton(ButtonText(ids[i]), QMessageBox::ActionRole);
        answers[button] = ids[i];
        if (i == defaultIndex) box.setDefaultButton(button);
        if (ids[i] == cancel) box.setEscapeButton(button);
    }
    box.exec();
    const auto found = answers.find(box.clickedButton());
    return found == answers.end() ? cancel : found->second;
}

std::optional<std::string> QtShellUi::ShowSaveAs(const winport::SaveAsRequest& request) {
    QFileDialog dialog(OwnerWidget(request.owner), QString::fromStdString(request.title),
                       QString::fromStdString(request.fileName), QtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

UINT QtShellUi::ShowPopupMenu(const winport::PopupMenuRequest& request) {
    QMenu menu(OwnerWidget(request.owner));
    AddItems(menu, request.items);
    // The point is the menu's left, centre or right, and its top, middle or bottom, as the flags
    // say.
    const QSize size = menu.sizeHint();
    QPoint place(request.position.x, request.position.y);
    if (request.flags & TPM_CENTERALIGN) place.rx() -= size.width() / 2;
    if (request.flags & TPM_RIGHTALIGN) place.rx() -= size.width();
    if (request.flags & TPM_VCENTERALIGN) place.ry() -= size.height() / 2;
    if (request.flags & TPM_BOTTOMALIGN) place.ry() -= size.height();
    const QAction* chosen = menu.exec(place);
    return chosen ? chosen->data().toUInt() : 0;
}

void QtShellUi::ModalDialogStarted(HWND, int) {}

void QtShellUi::ModalDialogIdle(HWND) {}

}  // namespace nuvview
