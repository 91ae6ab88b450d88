#include "vststring.h"

#include <cstring>

char* vst_strncpy(char* dst, const char* src, VstInt32 n) noexcept {
    if (n < 0) return dst;
    std::strncpy(dst, src, static_cast<std::size_t>(n));
    dst[n] = 0;
    return dst;
}

char* vst_strncat(char* dst, const char* src, VstInt32 n) noexcept {
    if (n < 0) return dst;
    const std::size_t limit = static_cast<std::size_t>(n);
    const void* terminator = std::memchr(dst, 0, limit);
    if (terminator != nullptr) {
        const std::size_t length =
            static_cast<std::size_t>(static_cast<const char*>(terminator) - dst);
        std::strncat(dst + length, src, limit - length);
    }
    dst[n] = 0;
    return dst;
}
