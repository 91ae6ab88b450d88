#include "vststring.h"

#include <cstring>

char* vst_strncpy(char* dst, const char* src, VstInt32 n) noexcept {
    std::strncpy(dst, src, static_cast<std::size_t>(n));
    dst[n] = 0;
    return dst;
}

char* vst_strncat(char* dst, const char* src, VstInt32 n) noexcept {
    const std::size_t length = strnlen(dst, static_cast<std::size_t>(n));
    if (length < static_cast<std::size_t>(n)) {
        std::strncat(dst + length, src, static_cast<std::size_t>(n) - length);
    }
    dst[n] = 0;
    return dst;
}
