#include "platform/controls/AnimationClip.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/core/LastError.h"

namespace winport {
namespace {

// The main AVI header: microseconds per frame at 0, total frames at 16, width and height at 32
// and 36, in 56 bytes.
constexpr std::size_t kMainHeaderSize = 56;
constexpr std::uintmax_t kMaxClipBytes = std::uintmax_t{256} << 20;

DWORD ReadDword(std::span<const BYTE> bytes, std::size_t at) {
    return static_cast<DWORD>(bytes[at]) | static_cast<DWORD>(bytes[at + 1]) << 8 |
           static_cast<DWORD>(bytes[at + 2]) << 16 | static_cast<DWORD>(bytes[at + 3]) << 24;
}

std::string FourCc(std::span<const BYTE> bytes, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + at), 4);
}

// One chunk of a RIFF list; a list's |data| starts after its type.
struct Chunk {
    std::string id;
    std::string listType;
    std::span<const BYTE> data;
};

// Splits |body| into its chunks; false with |error| when one runs past the end of its list.
bool ReadChunks(std::span<const BYTE> body, std::vector<Chunk>& chunks, std::string& error) {
    std::size_t at = 0;
    while (body.size() - at >= 8) {
        Chunk chunk{FourCc(body, at), {}, {}};
        const DWORD size = ReadDword(body, at + 4);
        if (size > body.size() - at - 8) {
            error = "the '" + chunk.id + "' chunk runs past the end of its list";
            return false;
        }
        chunk.data = body.subspan(at + 8, size);
        if (chunk.id == "LIST") {
            if (size < 4) {
                error = "a list without a type";
                return false;
            }
            chunk.listType = FourCc(chunk.data, 0);
            chunk.data = chunk.data.subspan(4);
        }
        chunks.push_back(chunk);
        at += 8 + size + (size & 1);  // Chunks start on even offsets.
        if (at > body.size()) break;
    }
    return true;
}

const Chunk* Find(const std::vector<Chunk>& chunks, const char* id, const char* listType = "") {
    for (const Chunk& chunk : chunks) {
        if (chunk.id == id && chunk.listType == listType) return &chunk;
    }
    return nullptr;
}

// The chunks of list |type| inside |parent|; false with |error| when it is missing or malformed.
bool ReadList(const std::vector<Chunk>& parent, const char* type, std::vector<Chunk>& chunks,
              std::string& error) {
    const Chunk* list = Find(parent, "LIST", type);
    if (!list) {
        error = std::string("no '") + type + "' list";
        return false;
    }
    return ReadChunks(list->data, chunks, error);
}

}  // namespace

std::optional<AviClip> ParseAviClip(std::span<const BYTE> bytes, std::string& error) {
    if (bytes.size() < 12 || FourCc(bytes, 0) != "RIFF") {
        error = "not a RIFF file";
        return std::nullopt;
    }
    const DWORD formSize = ReadDword(bytes, 4);
    if (formSize < 4 || formSize > bytes.size() - 8) {
        error = "the file is truncated: its RIFF form claims " + std::to_string(formSize) +
                " bytes, " + std::to_string(bytes.size() - 8) + " follow";
        return std::nullopt;
    }
    if (FourCc(bytes, 8) != "AVI ") {
        error = "a RIFF '" + FourCc(bytes, 8) + "' form, not an AVI clip";
        return std::nullopt;
    }
    std::vector<Chunk> form, header, stream, frames;
    if (!ReadChunks(bytes.subspan(12, formSize - 4), form, error) ||
        !ReadList(form, "hdrl", header, error)) {
        return std::nullopt;
    }
    const Chunk* mainHeader = Find(header, "avih");
    if (!mainHeader || mainHeader->data.size() < kMainHeaderSize) {
        error = "no complete 'avih' main header";
        return std::nullopt;
    }
    if (!ReadList(header, "strl", stream, error)) return std::nullopt;
    if (!Find(stream, "strh") || !Find(stream, "strf")) {
        error = "the stream list lacks its 'strh' or 'strf' header";
        return std::nullopt;
    }
    if (!ReadList(form, "movi", frames, error)) return std::nullopt;

    AviClip clip;
    clip.microSecondsPerFrame = ReadDword(mainHeader->data, 0);
    clip.frameCount = ReadDword(mainHeader->data, 16);
    clip.width = static_cast<LONG>(ReadDword(mainHeader->data, 32));
    clip.height = static_cast<LONG>(ReadDword(mainHeader->data, 36));
    if (frames.size() < clip.frameCount) {
        error = "the 'movi' list holds " + std::to_string(frames.size()) + " of the " +
                std::to_string(clip.frameCount) + " frames";
        return std::nullopt;
    }
    return clip;
}

std::optional<AviClip> ReadAviClip(const std::string& path) {
    std::error_code failure;
    const bool isFile = std::filesystem::is_regular_file(path, failure);
    const std::uintmax_t size = isFile ? std::filesystem::file_size(path, failure) : 0;
    std::ifstream file;
    if (isFile && !failure) file.open(path, std::ios::binary);
    if (!file.is_open()) {
        SetLastErrorText(ERROR_FILE_NOT_FOUND, "ACM_OPEN: cannot open the clip \"" + path + "\"");
        return std::nullopt;
    }
    if (size > kMaxClipBytes) {
        SetLastErrorText(ERROR_INVALID_DATA, "ACM_OPEN: \"" + path + "\" is too large for a clip");
        return std::nullopt;
    }
    std::vector<BYTE> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    std::string error;
    std::optional<AviClip> clip = ParseAviClip(bytes, error);
    if (!clip) SetLastErrorText(ERROR_INVALID_DATA, "ACM_OPEN: \"" + path + "\": " + error);
    return clip;
}

}  // namespace winport
