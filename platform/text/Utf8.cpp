#include "platform/text/Utf8.h"

namespace winport {

namespace {

struct LeadByte {
    std::size_t length;  // 0: the byte cannot start a sequence
    char32_t payload;    // the value bits the lead byte carries
    unsigned char low;   // range of the second byte, which rules out overlong forms,
    unsigned char high;  // surrogates and values past U+10FFFF
};

constexpr LeadByte Classify(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1Fu, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x0D, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, lead & 0x0Fu, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, lead & 0x07u, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x04, 0x80, 0x8F};
    return {0, 0, 0, 0};
}

}  // namespace

Utf8Decoded DecodeUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80) return {lead, 1};
    const LeadByte shape = Classify(lead);
    if (shape.length == 0) return {kReplacementCharacter, 1};
    char32_t value = shape.payload;
    unsigned char low = shape.low;
    unsigned char high = shape.high;
    for (std::size_t i = 1; i < shape.length; ++i) {
        if (i >= utf8.size()) return {kReplacementCharacter, i};
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < low || byte > high) return {kReplacementCharacter, i};
        value = (value << 6) | (byte & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return {value, shape.length};
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
        codePoint = kReplacementCharacter;
    }
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::string EncodeUtf8(char32_t codePoint) {
    std::string out;
    AppendUtf8(out, codePoint);
    return out;
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < utf8.size(); ++count) {
        offset += DecodeUtf8(utf8.substr(offset)).length;
    }
    return count;
}

std::size_t Utf8OffsetOfCodePoint(std::string_view utf8, std::size_t index) {
    std::size_t offset = 0;
    for (; index > 0 && offset < utf8.size(); --index) {
        offset += DecodeUtf8(utf8.substr(offset)).length;
    }
    return offset;
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxCodePoints) {
    return utf8.substr(0, Utf8OffsetOfCodePoint(utf8, maxCodePoints));
}

}  // namespace winport
