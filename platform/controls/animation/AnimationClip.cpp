#include "platform/controls/AnimationClip.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/controls/animation/AviFrames.h"
#include "platform/core/LastError.h"

namespace winport {
namespace {

// The main AVI header: microseconds per frame at 0, total frames at 16, width and height at 32
// and 36, in 56 bytes.
constexpr std::size_t kMainHeaderSize = 56;
// The stream format starts with a bitmap header of at least 40 bytes: its size at 0, width and
// height at 4 and 8, bits a pixel at 14, compression at 16, colours used at 32.
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::uintmax_t kMaxClipBytes = std::uintmax_t{256} << 20;
// The decoded frames of one clip are kept in memory; a clip larger than this is refused.
constexpr std::size_t kMaxFramePixels = std::size_t{256} << 20;

DWORD ReadDword(std::span<const BYTE> bytes, std::size_t at) {
    return static_cast<DWORD>(bytes[at]) | static_cast<DWORD>(bytes[at + 1]) << 8 |
           static_cast<DWORD>(bytes[at + 2]) << 16 | static_cast<DWORD>(bytes[at + 3]) << 24;
}

WORD ReadWord(std::span<const BYTE> bytes, std::size_t at) {
    return static_cast<WORD>(bytes[at] | bytes[at + 1] << 8);
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

// The frame format and palette from the stream's 'strf' bitmap header; false with |error| for a
// format the control cannot draw.
bool ReadFrameFormat(std::span<const BYTE> format, AviClip& clip, AviFrameFormat& frames,
                     std::string& error) {
    if (format.size() < kBitmapHeaderSize || ReadDword(format, 0) < kBitmapHeaderSize ||
        ReadDword(format, 0) > format.size()) {
        error = "the stream format is not a complete bitmap header";
        return false;
    }
    const auto width = static_cast<LONG>(ReadDword(format, 4));
    const auto height = static_cast<LONG>(ReadDword(format, 8));
    const WORD bits = ReadWord(format, 14);
    frames.compression = ReadDword(format, 16);
    if (bits != 8 || (frames.compression != BI_RGB && frames.compression != BI_RLE8)) {
        error = "the frames are " + std::to_string(bits) + "-bit of compression " +
                std::to_string(frames.compression) +
                "; only 8-bit frames, uncompressed or run-length encoded, are played";
        return false;
    }
    frames.bottomUp = height > 0 || frames.compression == BI_RLE8;
    frames.width = width;
    frames.height = height < 0 ? static_cast<LONG>(-static_cast<long long>(height)) : height;
    if (frames.width != clip.width || frames.height != clip.height) {
        error = "the frames are " + std::to_string(width) + " x " + std::to_string(height) +
                " in a clip of " + std::to_string(clip.width) + " x " + std::to_string(clip.height);
        return false;
    }
    const DWORD colors = ReadDword(format, 32) ? ReadDword(format, 32) : 256;
    const std::size_t paletteAt = ReadDword(format, 0);
    if (colors > 256 || format.size() - paletteAt < std::size_t{colors} * 4) {
        error = "the stream format lacks its palette of " + std::to_string(colors) + " colours";
        return false;
    }
    for (std::size_t at = paletteAt; clip.palette.size() < colors; at += 4)
        clip.palette.push_back(RGB(format[at + 2], format[at + 1], format[at]));
    return true;
}

// Decodes the video frames of the 'movi' list (the '##db' and '##dc' chunks, in order).
bool ReadFrames(const std::vector<Chunk>& movie, const AviFrameFormat& format, AviClip& clip,
                std::string& error) {
    const std::size_t pixels =
        static_cast<std::size_t>(clip.width) * static_cast<std::size_t>(clip.height);
    if (clip.width <= 0 || clip.height <= 0 || clip.frameCount == 0 ||
        pixels > kMaxFramePixels / clip.frameCount) {
        error = "a clip of " + std::to_string(clip.frameCount) + " frames of " +
                std::to_string(clip.width) + " x " + std::to_string(clip.height) +
                " cannot be played";
        return false;
    }
    std::vector<BYTE> frame(pixels, 0);
    for (const Chunk& chunk : movie) {
        if (clip.frames.size() == clip.frameCount) break;
        const bool video = chunk.id.ends_with("db") || chunk.id.ends_with("dc");
        if (!video || !chunk.listType.empty()) continue;
        if (!DecodeAviFrame(chunk.data, format, frame, error)) {
            error = "frame " + std::to_string(clip.frames.size()) + " " + error;
            return false;
        }
        clip.frames.push_back(frame);
    }
    if (clip.frames.size() < clip.frameCount) {
        error = "the 'movi' list holds " + std::to_string(clip.frames.size()) + " of the " +
                std::to_string(clip.frameCount) + " frames";
        return false;
    }
    return true;
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
    const Chunk* format = Find(stream, "strf");
    if (!Find(stream, "strh") || !format) {
        error = "the stream list lacks its 'strh' or 'strf' header";
        return std::nullopt;
    }
    if (!ReadList(form, "movi", frames, error)) return std::nullopt;

    AviClip clip;
    clip.microSecondsPerFrame = ReadDword(mainHeader->data, 0);
    clip.frameCount = ReadDword(mainHeader->data, 16);
    clip.width = static_cast<LONG>(ReadDword(mainHeader->data, 32));
    clip.height = static_cast<LONG>(ReadDword(mainHeader->data, 36));
    AviFrameFormat frameFormat;
    if (!ReadFrameFormat(format->data, clip, frameFormat, error) ||
        !ReadFrames(frames, frameFormat, clip, error)) {
        return std::nullopt;
    }
    return clip;
}

std::optional<AviClip> ReadAviClipFile(const std::string& path, ClipFileProblem& problem) {
    std::error_code failure;
    const bool isFile = std::filesystem::is_regular_file(path, failure);
    const std::uintmax_t size = isFile ? std::filesystem::file_size(path, failure) : 0;
    std::ifstream file;
    if (isFile && !failure) file.open(path, std::ios::binary);
    if (!file.is_open()) {
        const std::string reason = failure   ? failure.message()
                                   : !isFile ? std::string("not a file")
                                             : std::string(std::strerror(errno));
        problem = {ClipFileProblem::Kind::CannotOpen, "cannot be opened (" + reason + ")"};
        return std::nullopt;
    }
    if (size > kMaxClipBytes) {
        problem = {ClipFileProblem::Kind::NotAClip, "is too large for a clip"};
        return std::nullopt;
    }
    std::vector<BYTE> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    std::string error;
    std::optional<AviClip> clip = ParseAviClip(bytes, error);
    if (!clip)
        problem = {ClipFileProblem::Kind::NotAClip, "is not an animation clip (" + error + ")"};
    return clip;
}

std::optional<AviClip> ReadAviClip(const std::string& path) {
    ClipFileProblem problem;
    std::optional<AviClip> clip = ReadAviClipFile(path, problem);
    if (!clip)
        SetLastErrorText(problem.kind == ClipFileProblem::Kind::CannotOpen ? ERROR_FILE_NOT_FOUND
                                                                           : ERROR_INVALID_DATA,
                         "ACM_OPEN: \"" + path + "\" " + problem.text);
    return clip;
}

}  // namespace winport
