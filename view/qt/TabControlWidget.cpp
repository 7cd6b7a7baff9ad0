#include "view/qt/TabControlWidget.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace nuvview {

namespace {

constexpr int kMargin = 6;
constexpr int kImageGap = 3;

}  // namespace

// Tabs with the narrow margins of the platform's, so as many fit in the same width: the style
// draws each tab's shape, the bar its image and text.
class TabControlWidget::SizedTabBar final : public QTabBar {
public:
    explicit SizedTabBar(QWidget* parent) : QTabBar(parent) {}
    int height = 0;
    std::vector<int> widths;

protected:
    // As high and as wide as the platform's tab; without its width, as wide as the image and
    // the text need in Qt's font.
    QSize tabSizeHint(int index) const override {
        const auto at = static_cast<size_t>(index);
        const int width = at < widths.size() && widths[at] > 0
                              ? widths[at]
                              : ImageWidth(index) + TextWidth(tabText(index)) + 2 * kMargin;
        // Qt's own hint lays the whole bar out again: asked only for a height the platform
        // did not give.
        if (height > 0) return {width, height};
        return {width, QTabBar::tabSizeHint(index).height()};
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // The current tab last, over its neighbours.
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < count(); ++i) {
                if ((i == currentIndex()) == (pass == 0)) continue;
                PaintTab(painter, i);
            }
        }
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange) m_textWidths.clear();
        QTabBar::changeEvent(event);
    }

private:
    // Measured once a text for the bar's font: the bar asks for every tab's size at each
    // layout, and shaping a text is dear.
    int TextWidth(const QString& text) const {
        const auto found = m_textWidths.constFind(text);
        if (found != m_textWidths.constEnd()) return *found;
        return *m_textWidths.insert(text, fontMetrics().horizontalAdvance(text));
    }
    mutable QHash<QString, int> m_textWidths;

    int ImageWidth(int index) const {
        return tabIcon(index).isNull() ? 0 : iconSize().width() + kImageGap;
    }

    void PaintTab(QPainter& painter, int index) {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
        QRect inside = option.rect.adjusted(kMargin, 0, -kMargin + 1, 0);
        if (!option.icon.isNull()) {
            const QSize image = iconSize();
            const QRect place(inside.left(), inside.center().y() - image.height() / 2 + 1,
                              image.width(), image.height());
            option.icon.paint(&painter, place, Qt::AlignCenter,
                              isEnabled() ? QIcon::Normal : QIcon::Disabled);
            inside.setLeft(place.right() + 1 + kImageGap);
        }
        style()->drawItemText(&painter, inside,
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                              option.palette, isEnabled(), option.text, QPalette::WindowText);
        if (hasFocus() && index == currentIndex()) {
            // The focus around the selected tab's text, as the platform draws it.
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = style()
                             ->itemTextRect(fontMetrics(), inside, Qt::AlignLeft | Qt::AlignVCenter,
                                            isEnabled(), option.text)
                             .adjusted(-2, -1, 2, 1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

TabControlWidget::TabControlWidget(QWidget* parent)
    : QWidget(parent), m_bar(new SizedTabBar(this)) {
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(true);
    m_bar->setElideMode(Qt::ElideNone);
    setFocusProxy(m_bar);
}

QTabBar* TabControlWidget::Bar() const {
    return m_bar;
}

void TabControlWidget::SetTabSizes(int height, std::vector<int> widths) {
    if (height == m_bar->height && widths == m_bar->widths) return;
    m_bar->height = height;
    m_bar->widths = std::move(widths);
    // Makes the bar ask for the sizes again.
    m_bar->setIconSize(m_bar->iconSize());
    PlaceBar();
}

int TabControlWidget::BarHeight() const {
    return m_bar->sizeHint().height();
}

void TabControlWidget::PlaceBar() {
    m_bar->setGeometry(0, 0, width(), BarHeight());
    update();
}

void TabControlWidget::resizeEvent(QResizeEvent*) {
    PlaceBar();
}

void TabControlWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = BarHeight();
    frame.rect = QRect(0, top - 1, width(), height() - top + 1);
    frame.tabBarSize = m_bar->sizeHint();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace nuvview
