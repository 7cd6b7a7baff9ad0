// A tab control as Qt draws one: the tab bar along the top of a framed panel, the tabs as high as
// the platform's, so the platform's pages (sibling windows laid over the panel) fit below them.
#pragma once

#include <QTabBar>
#include <QWidget>
#include <vector>

namespace nuvview {

class TabControlWidget final : public QWidget {
    Q_OBJECT

public:
    explicit TabControlWidget(QWidget* parent);
    QTabBar* Bar() const;
    // The height of the platform's tabs and the width of each, so every tab lies where the
    // platform has it.
    void SetTabSizes(int height, std::vector<int> widths);

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
