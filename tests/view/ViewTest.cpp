// The view of each details window form: the widget tree matches the window tree and follows it
// as it changes, and a picture of a window has the window's size and shows it.
#include "view/qt/View.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>
#include <map>
#include <set>

#include "ViewTestSupport.h"
#include "client/host/DataLists.h"
#include "hostlib/util/HostImages.h"
#include "module/host/DetailsWindowMessages.h"
#include "view/qt/ControlState.h"
#include "view/qt/Render.h"
#include "view/qt/TabControlWidget.h"
#include "view/qt/ViewSession.h"

namespace viewtest {
namespace {

using ViewTest = ViewFixture;

QStringList TabTexts(const QWidget* tabs) {
    const QTabBar* bar = static_cast<const nuvview::TabControlWidget*>(tabs)->Bar();
    QStringList texts;
    for (int i = 0; i < bar->count(); ++i) texts.push_back(bar->tabText(i));
    return texts;
}

constexpr winport::StringResource kStrings[] = {{kCopySummaryTip, "Copy details"}};
constexpr winport::ResourceTable kTable{"view test strings", {}, {}, {}, kStrings};

// Their images and tool tips are the platform's.
TEST_F(ViewTest, OwnerWindowIsDrawnWithNativeWidgets) {
    UseStrings(kTable);
    host->Record(owner)["FirstName"] = "Ann";
    const HWND window = OpenOwner();
    nuvview::View& view = ViewOf(window);
    ExpectMirrors(view, window);  // The widgets' kinds, texts, states and places.
    const QWidget* tabs = view.WidgetFor(Item(window, IDC_DETAILS_TAB));
    EXPECT_EQ(TabTexts(tabs), QStringList({"Main", "Home", "Work", "More", "Info/About",
                                           "Affiliations", "Interests"}));
    const QTabBar* bar = static_cast<const nuvview::TabControlWidget*>(tabs)->Bar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_FALSE(bar->tabIcon(i).isNull()) << "tab " << i << " has no image";
    EXPECT_EQ(bar->currentIndex(), 0);

    const HWND page = MainPage(window);
    auto* first = WidgetOf<QLineEdit>(view, Item(page, IDC_MAIN_FIRST_NAME));
    EXPECT_EQ(first->text(), "Ann");
    EXPECT_FALSE(first->isReadOnly()) << "the owner edits his own names";

    auto* copy = WidgetOf<QPushButton>(view, Item(page, IDC_MAIN_COPY_SUMMARY));
    EXPECT_FALSE(copy->icon().isNull()) << "the button shows the platform's image";
    EXPECT_EQ(copy->iconSize(), QSize(16, 16));

    // Qt shows tips in the active window.
    ASSERT_TRUE(Activate(view.WidgetFor(window)));
    const QPoint inside(4, 4);
    QHelpEvent elsewhere(QEvent::ToolTip, inside, inside);
    QApplication::sendEvent(view.WidgetFor(Item(window, IDC_DETAILS_SAVE)), &elsewhere);
    EXPECT_FALSE(QToolTip::isVisible()) << "a control without a tip shows none";
    QHelpEvent rest(QEvent::ToolTip, inside, copy->mapToGlobal(inside));
    QApplication::sendEvent(copy, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Copy details");
}

TEST_F(ViewTest, ContactWindowAndPaneAreDrawnAsTheyAre) {
    host->Record(contact)["NickName"] = "Bo";
    host->Record(contact)["UserKind"] = static_cast<unsigned char>(3);
    const HWND window = OpenContact(contact);
    nuvview::View& contactView = ViewOf(window);
    ExpectMirrors(contactView, window);
    EXPECT_EQ(TabTexts(contactView.WidgetFor(Item(window, IDC_DETAILS_TAB))),
              QStringList({"Main", "Home", "Work", "More", "Info/About", "Interests / Past"}));
    auto* nick = WidgetOf<QLineEdit>(contactView, Item(MainPage(window), IDC_MAIN_NICKNAME));
    EXPECT_TRUE(nick->isReadOnly()) << "a contact's names are his own";
    auto* display = WidgetOf<QComboBox>(contactView, Item(MainPage(window), IDC_MAIN_DISPLAY));
    EXPECT_TRUE(display->isEditable());
    EXPECT_GT(display->count(), 0);
    EXPECT_FALSE(contactView.WidgetFor(Item(window, IDC_DETAILS_UPDATE))->isVisible());
    // The labels of his kind are bold, the display name's is not, in the dialog font's size.
    const auto font = [&](int id) {
        return contactView.WidgetFor(Item(MainPage(window), id))->font();
    };
    EXPECT_TRUE(font(IDC_MAIN_NICKNAME_LABEL).bold() && font(IDC_MAIN_FIRST_NAME_LABEL).bold() &&
                !font(IDC_MAIN_DISPLAY_LABEL).bold());
    EXPECT_EQ(font(IDC_MAIN_DISPLAY_LABEL).pixelSize(), 11) << "8 points at 96 pixels an inch";

    const HWND pane = OpenPane();
    SendMessage(pane, NUVM_SHOWUSER, reinterpret_cast<WPARAM>(contact), 0);
    nuvview::View& paneView = ViewOf(pane);
    ExpectMirrors(paneView, pane);
}

// The owner-drawn interest rows show as drawn, icon and text, also while the list is disabled;
// the affiliations show the category name in bold before the plain keywords; a line that draws
// itself shows what it draws.
TEST_F(ViewTest, DrawnRowsAndBoldRunsShowAsTheyAreDrawn) {
    const nuvclient::DataListServiceClass lists{NUV_CLIENT_DATA_DIR};
    MCVariantPropertySet record = host->Record(contact);
    record["InterestCategory"][0] = 117;  // Music, with the icon of a note
    record["InterestText"][0] = std::string("ρεμπέτικο");
    record["GroupCategory"][0] = 201;  // Sports Club
    record["GroupText"][0] = std::string("Tennis");
    const HWND window = OpenContact(contact, 5);
    nuvview::View& view = ViewOf(window);
    const HWND page = Dialog(window)->GetPage(5)->m_hWnd;
    ExpectMirrors(view, window);

    auto* list = WidgetOf<QListWidget>(view, Item(page, IDC_INTERESTS_VIEW_LIST));
    ASSERT_EQ(list->count(), 2) << "Music and the blank row";
    RECT row{};
    SendMessage(Item(page, IDC_INTERESTS_VIEW_LIST), LB_GETITEMRECT, 0,
                reinterpret_cast<LPARAM>(&row));
    const QImage drawn = list->item(0)->icon().pixmap(list->iconSize(), QIcon::Disabled).toImage();
    ASSERT_EQ(drawn.size(), QSize(row.right - row.left, row.bottom - row.top));
    // The note's dark pixels at the left, the text's after it, the row's background elsewhere.
    const auto darkIn = [&](int from, int to) {
        for (int x = from; x < to; ++x) {
            for (int y = 0; y < drawn.height(); ++y) {
                if (qGray(drawn.pixel(x, y)) < 100) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(darkIn(0, 20)) << "the icon";
    EXPECT_TRUE(darkIn(22, 120)) << "the text";
    EXPECT_FALSE(darkIn(drawn.width() - 20, drawn.width())) << "nothing past the text";

    auto* groups = WidgetOf<QTextEdit>(view, Item(page, IDC_INTERESTS_VIEW_GROUPS));
    EXPECT_EQ(groups->toPlainText(), "Sports Club: Tennis");
    QTextCursor cursor(groups->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(16);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Normal);

    // The owner's interest line draws itself: its icon and text show, not the bare text.
    host->Record(owner)["InterestCategory"][0] = 117;
    const HWND ownerWindow = OpenOwner(6);
    nuvview::View& ownerView = ViewOf(ownerWindow);
    auto* line = WidgetOf<QLabel>(
        ownerView, Item(Dialog(ownerWindow)->GetPage(6)->m_hWnd, IDC_INTERESTS_LINE1));
    EXPECT_FALSE(line->pixmap().isNull());
    EXPECT_TRUE(line->text().isEmpty());
}

// The windows a person sees among the view's top-level widgets.
std::vector<QWidget*> Shown(const nuvview::View& view) {
    std::vector<QWidget*> shown;
    for (QWidget* widget : view.TopLevelWidgets()) {
        if (!widget->isHidden()) shown.push_back(widget);
    }
    return shown;
}

TEST_F(ViewTest, WidgetsFollowTheWindowTreeAndWindowsOpeningAndClosing) {
    const HWND window = OpenOwner();
    nuvview::View& view = ViewOf(window);
    const HWND tab = Item(window, IDC_DETAILS_TAB);
    ASSERT_TRUE(agent.SelectTab(tab, "Home"));
    const HWND page = MainPage(window);
    const HWND label = Item(page, IDC_MAIN_FIRST_NAME_LABEL);
    SetWindowText(label, "Given &name:");
    EnableWindow(Item(window, IDC_DETAILS_SAVE), FALSE);
    const HWND extra = CreateWindowEx(0, "Button", "&Extra", WS_CHILD | WS_VISIBLE, 5, 6, 70, 20,
                                      window, reinterpret_cast<HMENU>(4242), nullptr, nullptr);
    view.Sync();
    ExpectMirrors(view, window);  // The hidden page, the disabled button, the new one.
    EXPECT_EQ(
        static_cast<const nuvview::TabControlWidget*>(view.WidgetFor(tab))->Bar()->currentIndex(),
        1);
    // The hidden page's new label is read when the page shows again.
    ASSERT_TRUE(agent.SelectTab(tab, "Main"));
    view.Sync();
    EXPECT_EQ(WidgetOf<QLabel>(view, label)->text(), "Given name:");

    QPointer<QWidget> gone = view.WidgetFor(extra);
    DestroyWindow(extra);
    view.Sync();
    EXPECT_EQ(view.WidgetFor(extra), nullptr);
    DeleteDropped();
    EXPECT_TRUE(gone.isNull()) << "a destroyed window's widget is deleted";
    ExpectMirrors(view, window);

    // A view of every window follows windows opening and closing.
    DestroyWindow(window);
    nuvview::View& every = ViewOf(nullptr);
    EXPECT_TRUE(Shown(every).empty());
    const HWND contactWindow = OpenContact(contact);
    every.Sync();
    EXPECT_EQ(Shown(every), std::vector<QWidget*>{every.WidgetFor(contactWindow)});
    EXPECT_EQ(every.TopLevelWidgets().size(), winport::TopLevelWindows().size() - 1)
        << "every window but the tool tip has a widget";
    ExpectMirrors(every, contactWindow);

    ASSERT_TRUE(agent.Click(Item(contactWindow, IDC_DETAILS_CLOSE)));
    ASSERT_FALSE(IsWindow(contactWindow));
    every.Sync();
    EXPECT_TRUE(Shown(every).empty());
    EXPECT_EQ(every.WidgetFor(contactWindow), nullptr);
}

// Where |image| shows in |picture| pixel for pixel (its opaque pixels), if anywhere.
std::optional<QPoint> Find(const QImage& picture, const QImage& image) {
    for (int y = 0; y + image.height() <= picture.height(); ++y) {
        for (int x = 0; x + image.width() <= picture.width(); ++x) {
            bool same = true;
            for (int v = 0; same && v < image.height(); ++v) {
                for (int u = 0; same && u < image.width(); ++u) {
                    const QRgb pixel = image.pixel(u, v);
                    same = qAlpha(pixel) < 255 || picture.pixel(x + u, y + v) == pixel;
                }
            }
            if (same) return QPoint(x, y);
        }
    }
    return std::nullopt;
}

// The session saves a picture of a window and says why it cannot.
TEST_F(ViewTest, PictureHasTheWindowsSizeAndShowsIt) {
    nuvview::ViewSession session(nuvview::ViewSession::Display::Offscreen);
    const HWND window = OpenOwner();
    // The host's own tab images, which have pictures to find.
    const HIMAGELIST images = CreateHostSmallImageList();
    const HWND tab = Item(window, IDC_DETAILS_TAB);
    SendMessage(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("owner.png");
    ASSERT_TRUE(session.SavePicture(window, file.toStdString())) << session.Error();
    EXPECT_GT(QFileInfo(file).size(), 1000);
    const QImage picture = QImage(file).convertToFormat(QImage::Format_ARGB32);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(picture.size(), QSize(client.right, client.bottom));
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20u) << "texts, frames and images are drawn";
    // Each tab's image is drawn in the tab strip, left to right.
    int left = -1;
    for (const int image : TabImages(window)) {
        const QImage wanted = nuvview::ImageListPixmap(images, image)
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        const std::optional<QPoint> at = Find(picture.copy(0, 0, picture.width(), 30), wanted);
        ASSERT_TRUE(at.has_value()) << "image " << image << " is not in the tab strip";
        EXPECT_GT(at->x(), left);
        left = at->x();
    }

    const std::string unwritable = folder.filePath("no/such/folder.png").toStdString();
    EXPECT_FALSE(session.SavePicture(window, unwritable));
    EXPECT_EQ(session.Error(), unwritable + ": cannot write the picture");
    DestroyWindow(window);
    EXPECT_FALSE(session.SavePicture(window, file.toStdString()));
    EXPECT_EQ(session.Error(), "there is no window to take a picture of");
    ImageList_Destroy(images);
}

TEST_F(ViewTest, SessionKnowsWhetherWindowsCanBeShown) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    EXPECT_TRUE(nuvview::ViewSession::ScreenAvailable()) << "the tests name the offscreen one";
    std::map<std::string, QByteArray> saved;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        saved[name] = qgetenv(name);
        qunsetenv(name);
    }
    EXPECT_FALSE(nuvview::ViewSession::ScreenAvailable());
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(nuvview::ViewSession::ScreenAvailable());
    qunsetenv("WAYLAND_DISPLAY");
    for (const auto& [name, value] : saved) {
        if (!value.isEmpty()) qputenv(name.c_str(), value);
    }
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), platform);
}

}  // namespace
}  // namespace viewtest
