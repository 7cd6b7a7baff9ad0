// Code points in UTF-8 text: decoding, encoding, counting and cutting on sequence boundaries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace winport {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

struct Utf8Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;  // bytes consumed; 0 only for empty text
};

// Decodes the code point at the front of |utf8|. An ill-formed sequence decodes as U+FFFD and
// consumes its longest valid beginning (at least one byte), as Unicode recommends.
Utf8Decoded DecodeUtf8(std::string_view utf8);

// Appends |codePoint| encoded as UTF-8; surrogates and values past U+10FFFF append U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);
std::string EncodeUtf8(char32_t codePoint);

// Counts code points; each ill-formed sequence counts as the one U+FFFD it decodes to.
std::size_t CodePointCount(std::string_view utf8);

// The byte offset where code point |index| starts, clamped to the size of |utf8|.
std::size_t Utf8OffsetOfCodePoint(std::string_view utf8, std::size_t index);

// The longest beginning of |utf8| holding at most |maxCodePoints| code points.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxCodePoints);

}  // namespace winport
