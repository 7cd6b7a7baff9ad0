#include "view/qt/SimpleComboWidget.h"

#include <QComboBox>
#include <algorithm>

namespace nuvview {

SimpleComboWidget::SimpleComboWidget(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this)) {
    // The platform keeps the focus in the edit while its list is clicked.
    m_list->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);
}

void SimpleComboWidget::SetFieldHeight(int height) {
    if (height == m_fieldHeight) return;
    m_fieldHeight = height;
    Place();
}

void SimpleComboWidget::resizeEvent(QResizeEvent*) {
    Place();
}

void SimpleComboWidget::Place() {
    const int field = std::clamp(m_fieldHeight, 0, height());
    m_edit->setGeometry(0, 0, width(), field);
    m_list->setGeometry(0, field, width(), height() - field);
}

QLineEdit* ComboLineEdit(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    if (auto* simple = qobject_cast<SimpleComboWidget*>(widget)) return simple->Edit();
    return nullptr;
}

}  // namespace nuvview
