// A tab control as Qt draws one: the tab bar along the top of a framed panel, the tabs as high as
// the platform's, so the platform's pages (sibling windows laid over the panel) fit below them.
#pragma once

#include <QTabBar>
#include <QWidget>

namespace nuvview {

class TabControlWidget final : public QWidget {
    Q_OBJECT

public:
    explicit TabControlWidget(QWidget* parent);
    QTabBar* Bar() const;
    // The height of the platform's tabs.
    void SetTabHeight(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class SizedTabBar;

    void PlaceBar();
    int BarHeight() const;

    SizedTabBar* m_bar;
};

}  // namespace nuvview
