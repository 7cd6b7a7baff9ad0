// Addresses from a record as the browser gets them, and values escaped for a query.
#include <gtest/gtest.h>

#include "pages/WebAddress.h"

namespace {

TEST(WebAddressTest, OnlyWebPagesAreOpenedAndASchemeIsAddedWhereThereIsNone) {
    const struct {
        const char* address;
        const char* opened;  // Null: nothing is opened.
    } cases[] = {
        {"https://example.org/a?b=1", "https://example.org/a?b=1"},
        {"  HTTP://Example.org  ", "HTTP://Example.org"},
        {"ftp://files.example.org", "ftp://files.example.org"},
        {"www.example.org", "http://www.example.org"},
        {"localhost:8080/x", "http://localhost:8080/x"},
        {"//example.org", "http://example.org"},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)", nullptr},
        {"mailto:someone@example.org", nullptr},
        {"data:text/html,x", nullptr},
        {"https://example.org/\nfile:///", nullptr},
        {"   ", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        const std::optional<std::string> opened = BrowsableAddress(c.address);
        if (c.opened) {
            EXPECT_EQ(opened, std::optional<std::string>(c.opened));
        } else {
            EXPECT_EQ(opened, std::nullopt);
        }
    }
}

TEST(WebAddressTest, EveryByteButTheUnreservedIsEscaped) {
    EXPECT_EQ(PercentEncoded("Az09-._~"), "Az09-._~");
    EXPECT_EQ(PercentEncoded("1 A&B St#2/?=+%"), "1%20A%26B%20St%232%2F%3F%3D%2B%25");
    EXPECT_EQ(PercentEncoded("Métiers 東京"), "M%C3%A9tiers%20%E6%9D%B1%E4%BA%AC");
    EXPECT_EQ(PercentEncoded(""), "");
}

}  // namespace
