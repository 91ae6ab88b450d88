// Runs a text write over a buffer with guard bytes and tells exactly which
// bytes it wrote. The write runs twice, over two different fillings, so a byte
// written with the filling's own value is still seen as written.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

struct GuardedText {
    // The terminated text at the start of the buffer (the whole buffer if no
    // terminator was written).
    std::string text;
    // One character per byte up to the last one written: '.' left alone, '0'
    // written as zero, 'x' written as anything else.
    std::string written;
};

template <typename Write> GuardedText guardedWrite(Write write, const char* before = nullptr) {
    constexpr std::size_t size = 64;
    std::array<std::array<char, size>, 2> initial{};
    std::array<std::array<char, size>, 2> after{};
    const char fillings[2] = {'\xA5', '\x5A'};
    for (int run = 0; run < 2; ++run) {
        initial[run].fill(fillings[run]);
        if (before != nullptr) std::memcpy(initial[run].data(), before, std::strlen(before) + 1);
        after[run] = initial[run];
        write(after[run].data());
    }
    GuardedText result;
    const char* start = after[0].data();
    const void* terminator = std::memchr(start, 0, size);
    result.text = terminator != nullptr ? std::string(start, static_cast<const char*>(terminator))
                                        : std::string(start, size);
    result.written.resize(size);
    for (std::size_t i = 0; i < size; ++i) {
        const bool changed = after[0][i] != initial[0][i] || after[1][i] != initial[1][i];
        result.written[i] = !changed ? '.' : after[0][i] == 0 ? '0' : 'x';
    }
    result.written.erase(result.written.find_last_not_of('.') + 1);
    return result;
}

// What a write of `text` cut to limit n leaves behind when it writes every byte
// from 0 to n: the cut text, then zeros up to and including index n.
inline std::string fullWrite(const std::string& text, int n) {
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(n));
    return std::string(length, 'x') + std::string(static_cast<std::size_t>(n) + 1 - length, '0');
}

// Whether a write with limit n leaves exactly `text` cut to n characters, zeros
// up to and including index n, and every byte past n as it was, over two
// different fillings. The same check as guardedWrite and fullWrite together,
// without building strings, for tests that make very many writes.
template <typename Write> bool writesCutText(Write write, const std::string& text, int n) {
    constexpr std::size_t size = 64;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(n));
    for (const char filling : {'\xA5', '\x5A'}) {
        std::array<char, size> buffer;
        std::array<char, size> expected;
        buffer.fill(filling);
        expected.fill(filling);
        std::memcpy(expected.data(), text.data(), length);
        std::memset(expected.data() + length, 0, static_cast<std::size_t>(n) + 1 - length);
        write(buffer.data());
        if (buffer != expected) return false;
    }
    return true;
}
