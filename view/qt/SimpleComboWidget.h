// A combo box of the simple kind as a person sees it: its edit field on top and its list always
// shown below, no drop-down button. The field is as high as the platform's, the list fills the
// rest. Also the one answer to "where does this combo widget take typing".
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace nuvview {

class SimpleComboWidget final : public QWidget {
    Q_OBJECT

public:
    explicit SimpleComboWidget(QWidget* parent);
    QLineEdit* Edit() const { return m_edit; }
    QListWidget* List() const { return m_list; }
    // The height of the platform's field, from the combo's top to its list.
    void SetFieldHeight(int height);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();

    QLineEdit* m_edit;
    QListWidget* m_list;
    int m_fieldHeight = 0;
};

// The edit of a combo box's widget (either kind of QComboBox or a simple one); null for a
// drop-down list and for widgets of other controls.
QLineEdit* ComboLineEdit(QWidget* widget);

}  // namespace nuvview
