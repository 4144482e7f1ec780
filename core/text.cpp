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
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        while (srcLeft > 0) {
            if (iconv(handle_, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) {
                break;
            }
            if (errno == E2BIG) {
                const std::size_t used = out.size() - dstLeft;
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
                continue;
            }
            // EILSEQ or EINVAL: replace the offending character by '?'.
            if (dstLeft == 0) {
                const std::size_t used = out.size();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = out.size() - used;
            }
            *dst++ = '?';
            --dstLeft;
            const std::size_t skip =
                std::min(srcLeft, sequenceLength(static_cast<unsigned char>(*src)));
            src += skip;
            srcLeft -= skip;
        }
        out.resize(out.size() - dstLeft);
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
