#include "platform/shell/RegistryText.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace winport {

namespace {

constexpr std::string_view kHeader = "winport registry 1";
constexpr std::string_view kHexDigits = "0123456789abcdef";

struct TypeName {
    DWORD type;
    std::string_view name;
};

constexpr TypeName kTypeNames[] = {
    {REG_NONE, "none"},     {REG_SZ, "sz"},       {REG_EXPAND_SZ, "expand_sz"},
    {REG_BINARY, "binary"}, {REG_DWORD, "dword"}, {REG_MULTI_SZ, "multi_sz"},
};

std::optional<std::string_view> NameOfType(DWORD type) {
    for (const TypeName& entry : kTypeNames) {
        if (entry.type == type) return entry.name;
    }
    return std::nullopt;
}

std::optional<DWORD> TypeOfName(std::string_view name) {
    for (const TypeName& entry : kTypeNames) {
        if (entry.name == name) return entry.type;
    }
    return std::nullopt;
}

std::optional<unsigned> HexValue(char c) {
    const auto position = kHexDigits.find(static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c));
    if (position == std::string_view::npos) return std::nullopt;
    return static_cast<unsigned>(position);
}

std::string_view AsChars(const std::vector<BYTE>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void AppendHexByte(std::string& out, unsigned char byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

void AppendEscaped(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == '"') {
            out += '%';
            AppendHexByte(out, byte);
        } else {
            out += c;
        }
    }
}

void AppendData(std::string& out, const RegistryValue& value) {
    const auto name = NameOfType(value.type);
    if (IsRegistryStringType(value.type)) {
        out.append(*name).append(":\"");
        AppendEscaped(out, AsChars(value.data));
        out += '"';
        return;
    }
    if (value.type == REG_DWORD && value.data.size() == 4) {
        out += "dword:";
        std::for_each(value.data.rbegin(), value.data.rend(),
                      [&](BYTE byte) { AppendHexByte(out, byte); });
        return;
    }
    if (value.type == REG_NONE || value.type == REG_BINARY) {
        out.append(*name).append(":");
    } else {
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, value.type, 16).ptr;
        out.append("hex(").append(number, end).append("):");
    }
    for (const BYTE byte : value.data) AppendHexByte(out, byte);
}

void AppendKey(std::string& out, const std::string& path, const RegistryKey& key) {
    out += '[';
    AppendEscaped(out, path);
    out += "]\n";
    for (const RegistryValue& value : key.Values()) {
        out += '"';
        AppendEscaped(out, value.name);
        out += "\"=";
        AppendData(out, value);
        out += '\n';
    }
    for (const auto& [name, subkey] : key.Subkeys()) AppendKey(out, path + '\\' + name, *subkey);
}

bool Unescape(std::string_view text, std::string& out, std::string& problem) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const auto high = i + 1 < text.size() ? HexValue(text[i + 1]) : std::nullopt;
        const auto low = i + 2 < text.size() ? HexValue(text[i + 2]) : std::nullopt;
        if (!high || !low) {
            problem = "bad escape '" + std::string(text.substr(i, 3)) + "'";
            return false;
        }
        out += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    return true;
}

bool ParseHexBytes(std::string_view text, std::vector<BYTE>& out, std::string& problem) {
    if (text.size() % 2 != 0) {
        problem = "odd number of hex digits in '" + std::string(text) + "'";
        return false;
    }
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto high = HexValue(text[i]);
        const auto low = HexValue(text[i + 1]);
        if (!high || !low) {
            problem = "bad hex byte '" + std::string(text.substr(i, 2)) + "'";
            return false;
        }
        out.push_back(static_cast<BYTE>(*high * 16 + *low));
    }
    return true;
}

bool ParseQuoted(std::string_view text, std::vector<BYTE>& out, std::string& problem) {
    if (text.size() < 2 || !text.starts_with('"') || !text.ends_with('"') ||
        text.substr(1, text.size() - 2).find('"') != std::string_view::npos) {
        problem = "expected one quoted string, found '" + std::string(text) + "'";
        return false;
    }
    std::string bytes;
    if (!Unescape(text.substr(1, text.size() - 2), bytes, problem)) return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
}

bool ParseDword(std::string_view text, std::vector<BYTE>& out, std::string& problem) {
    std::vector<BYTE> bigEndian;
    if (text.size() != 8 || !ParseHexBytes(text, bigEndian, problem)) {
        problem = "a dword needs 8 hex digits, found '" + std::string(text) + "'";
        return false;
    }
    out.assign(bigEndian.rbegin(), bigEndian.rend());
    return true;
}

bool ParseData(std::string_view token, std::string_view payload, DWORD& type,
               std::vector<BYTE>& data, std::string& problem) {
    if (const auto named = TypeOfName(token)) {
        type = *named;
        if (IsRegistryStringType(type)) return ParseQuoted(payload, data, problem);
        if (type == REG_DWORD) return ParseDword(payload, data, problem);
        return ParseHexBytes(payload, data, problem);
    }
    if (token.starts_with("hex(") && token.ends_with(')') && token.size() > 5) {
        const std::string_view number = token.substr(4, token.size() - 5);
        const auto result = std::from_chars(number.data(), number.data() + number.size(), type, 16);
        if (result.ec == std::errc() && result.ptr == number.data() + number.size()) {
            return ParseHexBytes(payload, data, problem);
        }
    }
    problem = "unknown value type '" + std::string(token) + "'";
    return false;
}

bool ParseValueLine(std::string_view line, RegistryKey& key, std::string& problem) {
    const auto close = line.find('"', 1);
    if (close == std::string_view::npos || line.substr(close + 1, 1) != "=") {
        problem = "expected \"name\"=type:data";
        return false;
    }
    std::string name;
    if (!Unescape(line.substr(1, close - 1), name, problem)) return false;
    const std::string_view rest = line.substr(close + 2);
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos) {
        problem = "expected type:data after '='";
        return false;
    }
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!ParseData(rest.substr(0, colon), rest.substr(colon + 1), type, data, problem))
        return false;
    key.SetValue(name, type, std::move(data));
    return true;
}

std::shared_ptr<RegistryKey> ParseKeyLine(std::string_view line, const RegistryRoots& roots,
                                          std::string& problem) {
    if (!line.ends_with(']')) {
        problem = "a key line must end with ']'";
        return nullptr;
    }
    std::string_view path = line.substr(1, line.size() - 2);
    std::vector<std::string> names;
    while (true) {
        const auto separator = path.find('\\');
        std::string name;
        if (!Unescape(path.substr(0, separator), name, problem)) return nullptr;
        if (name.empty() || name.find('\\') != std::string::npos) {
            problem = "bad key name '" + name + "' in the path";
            return nullptr;
        }
        names.push_back(std::move(name));
        if (separator == std::string_view::npos) break;
        path.remove_prefix(separator + 1);
    }
    const auto root = std::find_if(
        kRegistryRootNames.begin(), kRegistryRootNames.end(),
        [&](std::string_view root) { return RegistryNamesEqual(root, names.front()); });
    if (root == kRegistryRootNames.end()) {
        problem = "unknown root key '" + names.front() + "'";
        return nullptr;
    }
    const std::vector<std::string_view> below(names.begin() + 1, names.end());
    return CreateRegistryPath(roots[static_cast<std::size_t>(root - kRegistryRootNames.begin())],
                              below);
}

bool ParseLine(std::string_view line, const RegistryRoots& roots,
               std::shared_ptr<RegistryKey>& current, std::string& problem) {
    if (line.starts_with('[')) {
        current = ParseKeyLine(line, roots, problem);
        return current != nullptr;
    }
    if (line.starts_with('"')) {
        if (!current) {
            problem = "a value before any [key] line";
            return false;
        }
        return ParseValueLine(line, *current, problem);
    }
    problem = "expected a [key] line or a \"value\" line";
    return false;
}

}  // namespace

std::string FormatRegistryText(const RegistryRoots& roots) {
    std::string out(kHeader);
    out += '\n';
    for (std::size_t i = 0; i < kRegistryRootCount; ++i) {
        AppendKey(out, std::string(kRegistryRootNames[i]), *roots[i]);
    }
    return out;
}

std::optional<RegistryRoots> ParseRegistryText(std::string_view text, RegistryTextError& error) {
    RegistryRoots roots = MakeEmptyRegistryRoots();
    std::shared_ptr<RegistryKey> current;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::string problem;
        bool parsed = true;
        if (number == 1) {
            parsed = line == kHeader;
            if (!parsed) problem = "not a registry file (no '" + std::string(kHeader) + "')";
        } else if (!line.empty() && !line.starts_with(';')) {
            parsed = ParseLine(line, roots, current, problem);
        }
        if (!parsed) {
            error = {number, std::move(problem)};
            return std::nullopt;
        }
    }
    return roots;
}

}  // namespace winport
