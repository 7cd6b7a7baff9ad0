#include "platform/controls/listbox/ListBoxText.h"

#include <algorithm>

#include "platform/controls/EditText.h"
#include "platform/text/Utf8.h"

namespace winport {
namespace {

// A key element is a class (symbols, then digits, then letters) above the letter's code point.
constexpr char32_t kSymbolClass = 1;
constexpr char32_t kDigitClass = 2;
constexpr char32_t kLetterClass = 3;
constexpr unsigned kClassShift = 21;  // Every code point fits in 21 bits.

// The base letters of U+00E0 to U+00FF and of U+0100 to U+017F once lowercased; '*' marks a
// letter that sorts as two, '-' a character that is no letter.
constexpr std::string_view kLatin1Bases = "aaaaaa*ceeeeiiiidnooooo-ouuuuy*y";
constexpr std::string_view kLatinExtendedABases =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkkllllllllllnnnnnnnnnoooooo**"
    "rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kLatin1Bases.size() == 0x20 && kLatinExtendedABases.size() == 0x80);

// What one lowercase character sorts as: one or two base letters, and the accent that puts it
// after them (0 for none).
struct Collation {
    char32_t first = 0;
    char32_t second = 0;
    char32_t accent = 0;
};

Collation Collate(char32_t c) {
    switch (c) {
        case U'ß': return {U's', U's', c};
        case U'æ': return {U'a', U'e', c};
        case U'þ': return {U't', U'h', c};
        case U'ĳ': return {U'i', U'j', c};
        case U'œ': return {U'o', U'e', c};
        case U'ά': return {U'α', 0, c};
        case U'έ': return {U'ε', 0, c};
        case U'ή': return {U'η', 0, c};
        case U'ί':
        case U'ϊ':
        case U'ΐ': return {U'ι', 0, c};
        case U'ό': return {U'ο', 0, c};
        case U'ύ':
        case U'ϋ':
        case U'ΰ': return {U'υ', 0, c};
        case U'ώ': return {U'ω', 0, c};
        case U'ς': return {U'σ', 0, 0};
        case U'ё': return {U'е', 0, c};
        default: break;
    }
    char base = 0;
    if (c >= 0xE0 && c <= 0xFF) base = kLatin1Bases[c - 0xE0];
    if (c >= 0x100 && c <= 0x17F) base = kLatinExtendedABases[c - 0x100];
    if (base >= 'a' && base <= 'z') return {static_cast<char32_t>(base), 0, c};
    return {c, 0, 0};
}

bool IsSymbol(char32_t c) {
    if (c < 0x80) return !(c >= U'0' && c <= U'9') && !(c >= U'a' && c <= U'z');
    return c < 0xC0 || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c < 0x2C00) ||
           (c >= 0x3000 && c < 0x3040);
}

char32_t Weight(char32_t base) {
    const char32_t kind = IsSymbol(base)                   ? kSymbolClass
                          : (base >= U'0' && base <= U'9') ? kDigitClass
                                                           : kLetterClass;
    return (kind << kClassShift) | base;
}

char32_t AsciiLower(char c) {
    return static_cast<char32_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

std::u32string ListSortKey(std::string_view text) {
    // The letters' weights come first, then a 0, then the accents when there are any: texts that
    // differ only in accents sort by their first differing accent, the unaccented one first.
    std::u32string key;
    key.reserve(text.size() + 1);
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        for (const char c : text) key.push_back(Weight(AsciiLower(c)));
        key.push_back(0);
        return key;
    }
    std::u32string accents;
    bool accented = false;
    const std::string lower = ConvertCase(text, LetterCase::Lower);
    for (std::string_view rest = lower; !rest.empty();) {
        const Utf8Decoded decoded = DecodeUtf8(rest);
        rest.remove_prefix(decoded.length);
        const Collation collation = Collate(decoded.codePoint);
        key.push_back(Weight(collation.first));
        accents.push_back(collation.accent);
        if (collation.second) {
            key.push_back(Weight(collation.second));
            accents.push_back(0);
        }
        accented = accented || collation.accent != 0;
    }
    key.push_back(0);
    if (accented) {
        while (accents.back() == 0) accents.pop_back();
        key += accents;
    }
    return key;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    const std::string_view head = Utf8Prefix(text, CodePointCount(prefix));
    return ConvertCase(head, LetterCase::Lower) == ConvertCase(prefix, LetterCase::Lower);
}

}  // namespace winport
