// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/packed_bytes.h"

#include <zlib.h>

#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace zephra::runfile {

static_assert(std::endian::native == std::endian::little, "run files hold little-endian numbers");

namespace {

constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Fast rather than small: a history is some tens of megabytes, and saving must not hold the window.
constexpr int kLevel = 1;

template <typename Word>
void toDifferences(unsigned char* bytes, std::size_t count) {
    Word previous = 0;
    for (std::size_t e = 0; e < count; ++e) {
        Word v;
        std::memcpy(&v, bytes + e * sizeof(Word), sizeof(Word));
        const Word d = static_cast<Word>(v - previous);
        previous = v;
        std::memcpy(bytes + e * sizeof(Word), &d, sizeof(Word));
    }
}

template <typename Word>
void fromDifferences(unsigned char* bytes, std::size_t count) {
    Word previous = 0;
    for (std::size_t e = 0; e < count; ++e) {
        Word d;
        std::memcpy(&d, bytes + e * sizeof(Word), sizeof(Word));
        previous = static_cast<Word>(previous + d);
        std::memcpy(bytes + e * sizeof(Word), &previous, sizeof(Word));
    }
}

void differences(unsigned char* bytes, std::size_t count, std::size_t elementSize, bool back) {
    if (elementSize == 8)
        back ? fromDifferences<std::uint64_t>(bytes, count) : toDifferences<std::uint64_t>(bytes, count);
    if (elementSize == 4)
        back ? fromDifferences<std::uint32_t>(bytes, count) : toDifferences<std::uint32_t>(bytes, count);
}

bool deflateRuns(const std::vector<unsigned char>& in, std::vector<unsigned char>& out) {
    z_stream z{};
    if (deflateInit2(&z, kLevel, Z_DEFLATED, MAX_WBITS, 8, Z_RLE) != Z_OK) return false;
    out.resize(deflateBound(&z, static_cast<uLong>(in.size())));
    z.next_in = const_cast<unsigned char*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const bool done = deflate(&z, Z_FINISH) == Z_STREAM_END;
    out.resize(z.total_out);
    deflateEnd(&z);
    return done;
}

std::string base64(const std::vector<unsigned char>& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t k = 0;
    for (; k + 3 <= bytes.size(); k += 3) {
        const std::uint32_t v = bytes[k] << 16 | bytes[k + 1] << 8 | bytes[k + 2];
        for (int shift : {18, 12, 6, 0}) out += kDigits[(v >> shift) & 63];
    }
    if (const std::size_t rest = bytes.size() - k; rest > 0) {
        const std::uint32_t v = bytes[k] << 16 | (rest == 2 ? bytes[k + 1] << 8 : 0);
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += rest == 2 ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::vector<unsigned char>> fromBase64(std::string_view text) {
    std::array<int, 256> value;
    value.fill(-1);
    for (int k = 0; k < 64; ++k) value[static_cast<unsigned char>(kDigits[k])] = k;
    if (text.size() % 4 != 0) return std::nullopt;
    std::vector<unsigned char> out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t k = 0; k < text.size(); k += 4) {
        const bool last = k + 4 == text.size();
        const int pad = last ? (text[k + 3] == '=') + (text[k + 2] == '=' && text[k + 3] == '=') : 0;
        std::uint32_t v = 0;
        for (int d = 0; d < 4; ++d) {
            const int digit = d >= 4 - pad ? 0 : value[static_cast<unsigned char>(text[k + d])];
            if (digit < 0) return std::nullopt;
            v = v << 6 | static_cast<std::uint32_t>(digit);
        }
        out.push_back(static_cast<unsigned char>(v >> 16));
        if (pad < 2) out.push_back(static_cast<unsigned char>(v >> 8));
        if (pad < 1) out.push_back(static_cast<unsigned char>(v));
    }
    return out;
}

}  // namespace

std::string packBytes(const void* data, std::size_t count, std::size_t elementSize) {
    std::vector<unsigned char> in(count * elementSize);
    std::memcpy(in.data(), data, in.size());
    differences(in.data(), count, elementSize, false);
    std::vector<unsigned char> planes(in.size());
    for (std::size_t b = 0; b < elementSize; ++b)
        for (std::size_t e = 0; e < count; ++e) planes[b * count + e] = in[e * elementSize + b];
    std::vector<unsigned char> packed;
    if (!deflateRuns(planes, packed)) return {};
    return base64(packed);
}

std::optional<std::string> unpackBytes(std::string_view text, void* out, std::size_t count,
                                       std::size_t elementSize) {
    const std::optional<std::vector<unsigned char>> packed = fromBase64(text);
    if (!packed) return "not base64";
    const std::size_t expected = count * elementSize;
    if (expected > std::numeric_limits<uLong>::max()) return "too large";
    std::vector<unsigned char> planes(expected);
    uLongf size = static_cast<uLongf>(expected);
    const int result = uncompress(planes.data(), &size, packed->data(), static_cast<uLong>(packed->size()));
    if (result == Z_BUF_ERROR && size == expected)
        return "inflates to more than " + std::to_string(count) + " elements";
    if (result != Z_OK) return "does not inflate (zlib: " + std::string(zError(result)) + ")";
    if (size != expected)
        return "inflates to " + std::to_string(size / elementSize) + " elements, not " +
               std::to_string(count);
    auto* bytes = static_cast<unsigned char*>(out);
    for (std::size_t b = 0; b < elementSize; ++b)
        for (std::size_t e = 0; e < count; ++e) bytes[e * elementSize + b] = planes[b * count + e];
    differences(bytes, count, elementSize, true);
    return std::nullopt;
}

}  // namespace zephra::runfile
