#include "hostlib/util/UtilityStrings.h"

#include "platform/resources/ResourceChain.h"

namespace {

// "%1" is the field's name, "%2" and "%3" the numbers.
constexpr winport::StringResource kStrings[] = {
    {kEntryEmptyText, "Please enter the %1."},
    {kEntryTooLongText, "The %1 can be at most %2 characters long."},
    {kEntryBadCharacterText, "The %1 contains characters that cannot be used."},
    {kIntegerRangeText, "The %1 must be a whole number from %2 to %3."},
    {kIntegerRangeUnnamedText, "Please enter a whole number from %2 to %3."},
    {kWebPageMissingText, "This web page is not available."},
};

constexpr winport::ResourceTable kTable{"host utility strings", {}, {}, {}, kStrings};

// Joins the chain when the library loads and leaves it when the library unloads.
struct Registration {
    Registration() { winport::AddResourceTable(kTable); }
    ~Registration() { winport::RemoveResourceTable(kTable); }
} const kRegistration;

}  // namespace
