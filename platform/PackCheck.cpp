#include "platform/PackCheck.h"

#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kMagic = "qres";
constexpr std::uint32_t kFirstVersion = 1;
constexpr std::uint32_t kLastVersion = 3;
constexpr std::uint64_t kHeaderSize = 20;
constexpr std::uint64_t kNodeSize = 14;     // name, flags, and child count and first child, or payload
constexpr std::uint64_t kModifiedSize = 8;  // the time of change, from version 2 on
constexpr std::uint16_t kCompressed = 0x01; // zlib, with the size it unpacks to first
constexpr std::uint16_t kDirectory = 0x02;
// No bitmap of the course comes near this; a larger claim is damage.
constexpr std::uint64_t kLargestUnpacked = 64u << 20;

std::uint64_t Be(std::string_view b, std::uint64_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(b[at + static_cast<std::uint64_t>(i)]);
    return value;
}

// A length-prefixed field of `unit`-byte items at `at`, after `skip` more
// header bytes, lies inside the pack.
bool Fits(std::string_view b, std::uint64_t at, int lengthBytes, std::uint64_t skip, std::uint64_t unit)
{
    const std::uint64_t head = at + static_cast<std::uint64_t>(lengthBytes) + skip;
    return head <= b.size() && head + Be(b, at, lengthBytes) * unit <= b.size();
}

// A name is one path element: not empty, not "." or "..", without a slash
// (else a folder would hold itself). It is big-endian UTF-16 after its
// length and hash.
bool IsPathElement(std::string_view b, std::uint64_t at)
{
    const std::uint64_t length = Be(b, at, 2);
    bool dotsOnly = true;
    for (std::uint64_t i = 0; i < length; ++i) {
        const std::uint64_t unit = Be(b, at + 6 + 2 * i, 2);
        if (unit == '/' || unit == '\\')
            return false;
        dotsOnly = dotsOnly && unit == '.';
    }
    return length > 0 && !(dotsOnly && length <= 2);
}

} // namespace

bool IsWholePack(std::string_view b)
{
    if (b.size() < kHeaderSize || b.substr(0, kMagic.size()) != kMagic)
        return false;
    const std::uint64_t version = Be(b, 4, 4);
    const std::uint64_t tree = Be(b, 8, 4), data = Be(b, 12, 4), names = Be(b, 16, 4);
    if (version < kFirstVersion || version > kLastVersion || tree >= b.size() || data >= b.size() ||
        names >= b.size())
        return false;
    const std::uint64_t nodeSize = kNodeSize + (version >= 2 ? kModifiedSize : 0);
    const std::uint64_t nodeCount = (b.size() - tree) / nodeSize;
    if (nodeCount == 0)
        return false;

    // Every node reachable from the root (node 0), each reached once.
    std::vector<bool> reached(nodeCount);
    std::vector<std::uint64_t> pending{0};
    reached[0] = true;
    while (!pending.empty()) {
        const std::uint64_t node = pending.back();
        pending.pop_back();
        const std::uint64_t at = tree + node * nodeSize;
        // The root has no name; a name is its length, a hash and UTF-16 units.
        if (node != 0 && (!Fits(b, names + Be(b, at, 4), 2, 4, 2) || !IsPathElement(b, names + Be(b, at, 4))))
            return false;
        const auto flags = static_cast<std::uint16_t>(Be(b, at + 4, 2));
        if (flags & kDirectory) {
            const std::uint64_t count = Be(b, at + 6, 4), first = Be(b, at + 10, 4);
            if (first > nodeCount || count > nodeCount - first)
                return false;
            for (std::uint64_t child = first; child < first + count; ++child) {
                if (reached[child])
                    return false;
                reached[child] = true;
                pending.push_back(child);
            }
            continue;
        }
        const std::uint64_t payload = data + Be(b, at + 10, 4);
        if (!Fits(b, payload, 4, 0, 1))
            return false;
        if ((flags & kCompressed) && (Be(b, payload, 4) < 4 || Be(b, payload + 4, 4) > kLargestUnpacked))
            return false;
    }
    return true;
}

} // namespace platform
