#include "platform/controls/richedit/RichEditFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/MulDiv.h"

namespace winport {
namespace {

constexpr int kTwipsPerInch = 1440;

struct Effect {
    DWORD flag;  // The CFM_* mask bit, equal to its CFE_* effect bit.
    bool RichEditFormat::*member;
    const char* name;
};

constexpr Effect kEffects[] = {
    {CFM_BOLD, &RichEditFormat::bold, "bold"},
    {CFM_ITALIC, &RichEditFormat::italic, "italic"},
    {CFM_UNDERLINE, &RichEditFormat::underline, "underline"},
    {CFM_STRIKEOUT, &RichEditFormat::strikeout, "strikeout"},
    {CFM_LINK, &RichEditFormat::link, "link"},
};

bool SameColor(const RichEditFormat& a, const RichEditFormat& b) {
    return a.autoColor == b.autoColor && (a.autoColor || a.color == b.color);
}

}  // namespace

bool IsCharFormatSize(UINT cbSize) {
    return cbSize == sizeof(CHARFORMATA) || cbSize == sizeof(CHARFORMAT2A);
}

RichEditFormat Applied(RichEditFormat format, const CHARFORMATA& change) {
    for (const Effect& effect : kEffects) {
        if (change.dwMask & effect.flag)
            format.*effect.member = (change.dwEffects & effect.flag) != 0;
    }
    if (change.dwMask & CFM_COLOR) {
        format.autoColor = (change.dwEffects & CFE_AUTOCOLOR) != 0;
        format.color = change.crTextColor;
    }
    // A height that is not positive is not a size: the old one stays.
    if ((change.dwMask & CFM_SIZE) && change.yHeight > 0) format.height = change.yHeight;
    if (change.dwMask & CFM_FACE) {
        format.face.assign(change.szFaceName, strnlen(change.szFaceName, LF_FACESIZE));
    }
    return format;
}

DWORD SharedMask(const RichEditFormat& a, const RichEditFormat& b) {
    DWORD mask = kKeptFormatMask;
    for (const Effect& effect : kEffects) {
        if (a.*effect.member != b.*effect.member) mask &= ~effect.flag;
    }
    if (!SameColor(a, b)) mask &= ~CFM_COLOR;
    if (a.height != b.height) mask &= ~CFM_SIZE;
    if (a.face != b.face) mask &= ~CFM_FACE;
    return mask;
}

void FillCharFormat(CHARFORMATA& out, const RichEditFormat& format, DWORD mask) {
    out.dwMask = mask;
    out.dwEffects = format.autoColor ? CFE_AUTOCOLOR : 0;
    for (const Effect& effect : kEffects) {
        if (format.*effect.member) out.dwEffects |= effect.flag;
    }
    out.yHeight = format.height;
    out.yOffset = 0;
    out.crTextColor = format.color;
    std::memset(out.szFaceName, 0, sizeof out.szFaceName);
    format.face.copy(out.szFaceName, sizeof out.szFaceName - 1);
}

CHARFORMATA FontChange(const LOGFONT& font, int dpi) {
    CHARFORMATA change{};
    change.cbSize = sizeof change;
    change.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_FACE;
    if (font.lfWeight > FW_NORMAL) change.dwEffects |= CFE_BOLD;
    if (font.lfItalic) change.dwEffects |= CFE_ITALIC;
    if (font.lfUnderline) change.dwEffects |= CFE_UNDERLINE;
    if (font.lfStrikeOut) change.dwEffects |= CFE_STRIKEOUT;
    change.yHeight = MulDiv(std::abs(font.lfHeight), kTwipsPerInch, dpi);
    std::memcpy(change.szFaceName, font.lfFaceName, sizeof change.szFaceName);
    change.szFaceName[LF_FACESIZE - 1] = '\0';
    return change;
}

std::string DescribeFormat(const RichEditFormat& format, const RichEditFormat& plain) {
    std::string text;
    const auto add = [&text](const std::string& word) { text += (text.empty() ? "" : " ") + word; };
    for (const Effect& effect : kEffects) {
        if (format.*effect.member != plain.*effect.member) {
            add(format.*effect.member ? effect.name : std::string("not ") + effect.name);
        }
    }
    if (!SameColor(format, plain))
        add(format.autoColor ? "autocolor" : "color=" + ColorText(format.color));
    if (format.height != plain.height) {
        // Twips to points, in halves as a font dialog offers them.
        const LONG halves = (format.height + 5) / 10;
        add("size=" + std::to_string(halves / 2) + (halves % 2 ? ".5pt" : "pt"));
    }
    if (format.face != plain.face) add("face=" + format.face);
    return text;
}

std::string ColorText(COLORREF color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color),
                  GetBValue(color));
    return text;
}

}  // namespace winport
