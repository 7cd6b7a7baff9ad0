// The names of the sample users, in every script they are written in, are drawn with real
// glyphs in the fonts of the view's fields: no character falls back to a missing-glyph box.
#include <QGlyphRun>
#include <QLineEdit>
#include <QTextLayout>

#include "ViewTestSupport.h"
#include "client/store/DataFolder.h"
#include "tests/client/ClientTestSupport.h"

namespace viewtest {
namespace {

// How many characters of |text| |font|, with the fallbacks the installed fonts give it, draws
// as the missing glyph.
int MissingGlyphs(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) missing += glyph == 0 ? 1 : 0;
    }
    return missing;
}

using ViewFontsTest = ViewFixture;

TEST_F(ViewFontsTest, EverySampleUsersNameIsDrawnInEveryScript) {
    const HWND window = OpenOwner();
    nuvview::View view(window);
    view.Sync();
    QWidget* field = view.WidgetFor(Item(MainPage(window), IDC_MAIN_FIRST_NAME));
    ASSERT_NE(field, nullptr);

    nuvclient::test::TempFolder temp;
    const auto store = nuvclient::OpenDataFolder(temp.Path() / "data", NUV_CLIENT_DATA_DIR);
    const std::vector<nuvclient::User> users = store->Users();
    ASSERT_GE(users.size(), 10u);
    for (const nuvclient::User& user : users) {
        const QString name = QString::fromStdString(user.name);
        EXPECT_EQ(MissingGlyphs(field->font(), name), 0) << user.name;
    }
}

}  // namespace
}  // namespace viewtest
