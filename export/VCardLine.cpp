#include "export/VCardLine.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kEncoded[] = ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";

bool IsControlOrBeyondAscii(unsigned char byte) {
    return byte < 0x20 || byte >= 0x7F;
}

// Whether |parts| can stand on a plain line: printable ASCII, and for a text property no "\" or
// ";", which readers unescape differently there.
bool FitsPlainLine(const std::vector<std::string>& parts, VCardValue kind) {
    return std::none_of(parts.begin(), parts.end(), [kind](const std::string& part) {
        return std::any_of(part.begin(), part.end(), [kind](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return IsControlOrBeyondAscii(byte) || byte == '\\' ||
                   (kind == VCardValue::Text && byte == ';');
        });
    });
}

// |parts| with "\", ";" and "," escaped by a backslash, joined by ";".
std::string PlainValue(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        if (&part != &parts.front()) out += ';';
        for (const char c : part) {
            if (c == '\\' || c == ';' || c == ',') out += '\\';
            out += c;
        }
    }
    return out;
}

// One piece of a quoted-printable value: a character as it stands, a byte encoded as "=XX", or
// a piece that must stand as it is: an escaped ";" or the ";" between the parts of a structured
// value.
struct Piece {
    std::string text;
    bool encoded = false;
    bool fixed = false;
};

Piece Encoded(unsigned char byte) {
    char text[4];
    std::snprintf(text, sizeof text, "=%02X", byte);
    return {text, true, false};
}

std::vector<Piece> PiecesOf(const std::vector<std::string>& parts, VCardValue kind) {
    std::vector<Piece> pieces;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (p > 0) pieces.push_back({";", false, true});
        const std::string& part = parts[p];
        for (std::size_t i = 0; i < part.size(); ++i) {
            const auto byte = static_cast<unsigned char>(part[i]);
            const bool endsValue = p + 1 == parts.size() && i + 1 == part.size();
            if (byte == ';' && kind == VCardValue::Structured) {
                pieces.push_back({"\\;", false, true});
            } else if (IsControlOrBeyondAscii(byte) || byte == '=' || byte == '\\' || byte == ',' ||
                       byte == ';' || (byte == ' ' && endsValue)) {
                // A blank that ends the value would end its line, where readers may drop it.
                pieces.push_back(Encoded(byte));
            } else {
                pieces.push_back({std::string(1, static_cast<char>(byte)), false, false});
            }
        }
    }
    return pieces;
}

// |head| then |pieces|: physical lines of at most 76 characters joined by soft line breaks ("="
// before the CR LF). A line that goes on ends with an encoded byte, never with a plain character
// (one common reader then keeps the break in the value) nor inside a piece, and no line but the
// first begins with a blank, which a reader could take for folding.
std::string QuotedPrintable(const std::string& head, const std::vector<Piece>& pieces) {
    constexpr std::size_t kMaxLine = 76;
    // Plain pieces moved to the next line to end this one after an encoded byte; past this many
    // characters the line ends where it is.
    constexpr std::size_t kMaxCarried = 24;
    std::vector<std::vector<Piece>> lines(1);
    std::size_t length = head.size();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece piece = pieces[i];
        // A line that goes on needs room for its soft break.
        const std::size_t room = i + 1 == pieces.size() ? kMaxLine : kMaxLine - 1;
        if (length + piece.text.size() > room) {
            std::vector<Piece>& line = lines.back();
            std::vector<Piece> carried;
            std::size_t carriedLength = 0;
            while (!line.empty() && !line.back().encoded && carriedLength < kMaxCarried) {
                const Piece& last = line.back();
                if (!last.fixed && length + 2 <= kMaxLine - 1) {
                    line.back() = Encoded(static_cast<unsigned char>(last.text[0]));
                    break;
                }
                carriedLength += last.text.size();
                length -= last.text.size();
                carried.insert(carried.begin(), last);
                line.pop_back();
            }
            if (!line.empty() && !line.back().encoded) {
                // Nothing to end on within reach: the line keeps what it had.
                line.insert(line.end(), carried.begin(), carried.end());
                carried.clear();
            }
            lines.push_back(std::move(carried));
            length = 0;
            for (const Piece& moved : lines.back()) length += moved.text.size();
        }
        std::vector<Piece>& line = lines.back();
        const bool continued = lines.size() > 1;
        if (continued && line.empty() && piece.text == " ") piece = Encoded(' ');
        if (continued && !line.empty() && line.front().text == " ") {
            line.front() = Encoded(' ');
            length += 2;
        }
        length += piece.text.size();
        line.push_back(std::move(piece));
    }
    std::string out = head;
    for (const std::vector<Piece>& line : lines) {
        if (&line != &lines.front()) out += std::string("=") + kLineEnd;
        for (const Piece& piece : line) out += piece.text;
    }
    return out;
}

}  // namespace

std::string VCardLine(const std::string& name, const std::vector<std::string>& parts,
                      VCardValue kind, VCardEncoding encoding) {
    if (encoding == VCardEncoding::AsNeeded && FitsPlainLine(parts, kind))
        return name + ":" + PlainValue(parts) + kLineEnd;
    return QuotedPrintable(name + kEncoded + ":", PiecesOf(parts, kind)) + kLineEnd;
}
