#include "hostlib/property/MCVariantPropertySet.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/hostlib/PropertySetTestSupport.h"

namespace {

using MCVariantPropertySetTest = VariantPropertySetFixture;

TEST_F(MCVariantPropertySetTest, MissingKeysReadAsZeroFalseOrEmptyAndAreNotCreated) {
    const MCVariantProperty missing = set["NoSuchKey"];
    ExpectReadsAsC(missing, 0);
    EXPECT_EQ(std::string(missing), "");
    EXPECT_EQ(missing.GetSize(), 0);
    EXPECT_EQ(static_cast<int>(set["NoSuchKey"][3]), 0);
    EXPECT_EQ(std::string(set["NoSuchKey"]["Inner"]), "");
    EXPECT_EQ(std::string(set["NoSuchKey"][1]["Email"]), "");
    // Reading them created nothing.
    NUVValueType type = NUVValueType::Text;
    ASSERT_EQ(store->GetValue(u"NoSuchKey", -1, &type, nullptr, nullptr), S_OK);
    EXPECT_EQ(type, NUVValueType::Missing);
}

TEST_F(MCVariantPropertySetTest, ListsAndNestedSetsRoundTripAndOnlyListsHaveElements) {
    const std::vector<std::string> emails = {"a@example.org", "", "b@example.org"};
    for (int k = 0; k < 3; ++k) set["AdditionalEmails"][k] = emails[static_cast<size_t>(k)];
    ASSERT_EQ(set["AdditionalEmails"].GetSize(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(std::string(set["AdditionalEmails"][k]), emails[static_cast<size_t>(k)]);
    }
    EXPECT_EQ(std::string(set["AdditionalEmails"][3]), "");

    set["AdditionalOwnerEmails"][0]["Email"] = "first@example.org";
    set["AdditionalOwnerEmails"][0]["HideEmail"] = false;
    set["AdditionalOwnerEmails"][1]["Email"] = "second@example.org";
    set["AdditionalOwnerEmails"][1]["HideEmail"] = true;
    ASSERT_EQ(set["AdditionalOwnerEmails"].GetSize(), 2);
    EXPECT_EQ(std::string(set["AdditionalOwnerEmails"][0]["Email"]), "first@example.org");
    EXPECT_FALSE(static_cast<bool>(set["AdditionalOwnerEmails"][0]["HideEmail"]));
    EXPECT_EQ(std::string(set["AdditionalOwnerEmails"][1]["Email"]), "second@example.org");
    EXPECT_TRUE(static_cast<bool>(set["AdditionalOwnerEmails"][1]["HideEmail"]));

    set["InterestCategory"][0] = 0;
    set["InterestCategory"][1] = 150;
    set["InterestCategory"][3] = 70000;
    EXPECT_EQ(set["InterestCategory"].GetSize(), 4);
    EXPECT_EQ(static_cast<int>(set["InterestCategory"][1]), 150);
    EXPECT_EQ(static_cast<int>(set["InterestCategory"][2]), 0);
    EXPECT_EQ(static_cast<unsigned short>(set["InterestCategory"][3]), 70000 - 65536);

    set["Work"]["Address"]["City"] = "Lyon";
    set["Work"]["Floor"] = static_cast<short>(-2);
    EXPECT_EQ(std::string(set["Work"]["Address"]["City"]), "Lyon");
    EXPECT_EQ(static_cast<short>(set["Work"]["Floor"]), -2);
    EXPECT_EQ(std::string(set["Work"]["City"]), "");

    // Removed and written again, a list is shorter.
    for (int k = 0; k < 4; ++k) set["MoreEmails"][k] = "old" + std::to_string(k);
    EXPECT_TRUE(set.Remove("MoreEmails"));
    EXPECT_FALSE(set.Remove("MoreEmails")) << "a key removed is no longer there";
    EXPECT_EQ(set["MoreEmails"].GetSize(), 0);
    EXPECT_EQ(std::string(set["MoreEmails"][0]), "");
    set["MoreEmails"][0] = "new0";
    set["MoreEmails"][1] = "new1";
    EXPECT_EQ(set["MoreEmails"].GetSize(), 2);
    EXPECT_EQ(std::string(set["MoreEmails"][1]), "new1");
    EXPECT_EQ(std::string(set["MoreEmails"][2]), "");

    // Scalars, elements of elements and negative indexes are no lists.
    set["HomeCity"] = "Oslo";
    EXPECT_EQ(set["HomeCity"].GetSize(), 0);
    EXPECT_EQ(std::string(set["HomeCity"][0]), "");
    set["List"][0] = "kept";
    set["List"][0][0] = "lost";
    set["List"][-1] = "lost";
    EXPECT_EQ(set["List"].GetSize(), 1);
    EXPECT_EQ(std::string(set["List"][0]), "kept");
    EXPECT_EQ(std::string(set["List"][0][0]), "");
    EXPECT_EQ(std::string(set["List"][-1]), "");
}

// Without a record (a set never given one reads the same) a set reads nothing and writes nowhere.
TEST_F(MCVariantPropertySetTest, DetachedSetStopsWritingToItsRecord) {
    set["HomeCity"] = "Oslo";
    set.SetPropertySetInterface(nullptr);
    EXPECT_EQ(set.GetPropertySetInterface(), nullptr);
    EXPECT_EQ(store->RefCount(), 1u) << "the set gave its reference back";
    set["HomeCity"] = "Bergen";
    set["List"][0]["Email"] = "a@example.org";
    EXPECT_EQ(std::string(set["HomeCity"]), "");
    EXPECT_EQ(static_cast<int>(set["HomeCity"]), 0);
    EXPECT_EQ(set["List"].GetSize(), 0);
    EXPECT_FALSE(set.Remove("HomeCity"));
    set.SetPropertySetInterface(store.Get());
    const MCVariantPropertySet& view = set;  // Reads through a const set as well.
    EXPECT_EQ(std::string(view["HomeCity"]), "Oslo");
}

TEST_F(MCVariantPropertySetTest, CopiesAndPropertiesBalanceTheirReferences) {
    EXPECT_EQ(store->RefCount(), 2u);
    set.SetPropertySetInterface(store.Get());
    EXPECT_EQ(store->RefCount(), 2u) << "the same record again takes no second reference";
    {
        MCVariantPropertySet copy(set);
        EXPECT_EQ(store->RefCount(), 3u);
        MCVariantPropertySet assigned;
        assigned = copy;
        EXPECT_EQ(store->RefCount(), 4u);
        winport::ComPtr<MCMemoryPropertySet> other = MCMemoryPropertySet::Create();
        assigned = MCVariantPropertySet(other.Get());
        EXPECT_EQ(store->RefCount(), 3u);
        EXPECT_EQ(other->RefCount(), 2u);
        MCVariantPropertySet moved(std::move(copy));
        EXPECT_EQ(store->RefCount(), 3u);
        moved["HomeCity"] = "Oslo";
    }
    EXPECT_EQ(store->RefCount(), 2u);
    EXPECT_EQ(std::string(set["HomeCity"]), "Oslo");

    // Properties release what they open, and outlive their set.
    set["Work"]["Address"]["City"] = "Lyon";
    set["Emails"][0]["Email"] = "a@example.org";
    {
        const MCVariantProperty held = set["Work"]["Address"];
        EXPECT_EQ(store->RefCount(), 3u);
        EXPECT_EQ(std::string(held["City"]), "Lyon");
    }
    EXPECT_EQ(store->RefCount(), 2u);
    winport::ComPtr<MINUVPropertySet> work;
    ASSERT_EQ(store->OpenPropertySet(u"Work", -1, NUVOpenMode::Existing, work.GetAddressOf()),
              S_OK);
    winport::ComPtr<MINUVPropertySet> element;
    ASSERT_EQ(store->OpenPropertySet(u"Emails", 0, NUVOpenMode::Existing, element.GetAddressOf()),
              S_OK);
    // Only the record's own reference and this test's remain on the nested sets.
    EXPECT_EQ(work->AddRef(), 3u);
    EXPECT_EQ(work->Release(), 2u);
    EXPECT_EQ(element->AddRef(), 3u);
    EXPECT_EQ(element->Release(), 2u);

    // A property outlives its set.
    std::optional<MCVariantProperty> property;
    {
        MCVariantPropertySet local(store.Get());
        property.emplace(local["HomeCity"]);
    }
    *property = "Oslo";
    EXPECT_EQ(std::string(set["HomeCity"]), "Oslo");
    property.reset();
    EXPECT_EQ(store->RefCount(), 2u);
}

}  // namespace
