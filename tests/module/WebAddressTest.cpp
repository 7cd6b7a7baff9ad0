// Addresses from a record as the browser gets them, and values escaped for a query.
#include <gtest/gtest.h>

#include "pages/WebAddress.h"

namespace {

TEST(WebAddressTest, OnlyWebPagesAreOpenedAndASchemeIsAddedWhereThereIsNone) {
    using Opened = std::optional<std::string>;
    for (const auto& [address, opened] :
         {std::pair<const char*, Opened>{"https://example.org/a?b=1", "https://example.org/a?b=1"},
          {"  HTTP://Example.org  ", "HTTP://Example.org"},
          {"ftp://files.example.org", "ftp://files.example.org"},
          {"www.example.org", "http://www.example.org"},
          {"localhost:8080/x", "http://localhost:8080/x"},
          {"//example.org", "http://example.org"},
          {"file:///etc/passwd", std::nullopt},
          {"javascript:alert(1)", std::nullopt},
          {"mailto:someone@example.org", std::nullopt},
          {"data:text/html,x", std::nullopt},
          {"https://example.org/\nfile:///", std::nullopt},
          {"   ", std::nullopt},
          {"", std::nullopt}}) {
        EXPECT_EQ(BrowsableAddress(address), opened) << address;
    }
}

TEST(WebAddressTest, EveryByteButTheUnreservedIsEscaped) {
    EXPECT_EQ(PercentEncoded("Az09-._~"), "Az09-._~");
    EXPECT_EQ(PercentEncoded("1 A&B St#2/?=+%"), "1%20A%26B%20St%232%2F%3F%3D%2B%25");
    EXPECT_EQ(PercentEncoded("Métiers 東京"), "M%C3%A9tiers%20%E6%9D%B1%E4%BA%AC");
    EXPECT_EQ(PercentEncoded(""), "");
}

}  // namespace
