#include "text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <iconv.h>

namespace quendal {

std::int32_t textLength(const Text& t)
{
    return static_cast<std::int32_t>(std::min<std::size_t>(t.size(), INT32_MAX));
}

Text leftBytes(const Text& t, std::int32_t n)
{
    if (n <= 0) {
        return {};
    }
    return t.substr(0, static_cast<std::size_t>(n));
}

namespace {

// Length of the UTF-8 sequence that starts with lead, so that an unmappable
// character is skipped whole and replaced by a single '?'.
std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

std::size_t gbkSequenceLength(unsigned char lead)
{
    return lead >= 0x80 ? 2 : 1;
}

constexpr std::ptrdiff_t pieceBytes = 256;

// iconv descriptors are reused per thread: opening one costs far more than
// converting a short caption.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string convert(std::string_view in, std::size_t (*sequenceLength)(unsigned char)) const
    {
        std::string out;
        if (!valid()) {
            return out;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 4);
        const char* src = in.data();
        const char* const end = in.data() + in.size();
        std::size_t used = 0;
        while (src < end) {
            // Small pieces that end on a character boundary: after a failed
            // character iconv redoes the work of the whole piece, so a text
            // full of characters GBK lacks would otherwise take quadratic time.
            const char* pieceEnd = src;
            while (pieceEnd < end && pieceEnd - src < pieceBytes) {
                pieceEnd += sequenceLength(static_cast<unsigned char>(*pieceEnd));
            }
            pieceEnd = std::min(pieceEnd, end);
            char* cursor = const_cast<char*>(src);
            std::size_t inLeft = static_cast<std::size_t>(pieceEnd - src);
            while (inLeft > 0) {
                if (out.size() - used < 16 + inLeft * 2) {
                    out.resize(out.size() * 2 + inLeft * 2 + 16);
                }
                char* dst = out.data() + used;
                std::size_t dstLeft = out.size() - used;
                const std::size_t result = iconv(handle_, &cursor, &inLeft, &dst, &dstLeft);
                used = out.size() - dstLeft;
                if (result != static_cast<std::size_t>(-1) || errno == E2BIG) {
                    continue;
                }
                // EILSEQ or EINVAL: the character here becomes one '?'.
                out[used++] = '?';
                const std::size_t skip =
                    std::min(inLeft, sequenceLength(static_cast<unsigned char>(*cursor)));
                cursor += skip;
                inLeft -= skip;
            }
            src = pieceEnd;
        }
        out.resize(used);
        return out;
    }

private:
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
};

}  // namespace

Text toGbk(std::string_view utf8)
{
    thread_local const Converter converter("GBK", "UTF-8");
    return converter.convert(utf8, utf8SequenceLength);
}

std::string fromGbk(const Text& gbk)
{
    thread_local const Converter converter("UTF-8", "GBK");
    return converter.convert(gbk, gbkSequenceLength);
}

}  // namespace quendal
