// A buffer with guard elements on both sides of its usable part, so that a
// write outside the part it was given shows. Elements are filled and compared
// by their bits, so a NaN pattern can serve as a marker.
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

template <typename T> class Guarded {
public:
    static constexpr std::size_t kGuard = 16;

    Guarded(std::size_t size, T fill, T guard)
        : elements(size + 2 * kGuard), usable(size), guardPattern(guard) {
        for (std::size_t k = 0; k < elements.size(); ++k) {
            std::memcpy(&elements[k], k < kGuard || k >= kGuard + size ? &guard : &fill, sizeof(T));
        }
    }

    T* data() noexcept { return elements.data() + kGuard; }
    const T* data() const noexcept { return elements.data() + kGuard; }
    std::size_t size() const noexcept { return usable; }

    // Whether every guard element still holds its pattern.
    bool guardsIntact() const noexcept {
        for (std::size_t k = 0; k < kGuard; ++k) {
            if (!same(elements[k], guardPattern) ||
                !same(elements[kGuard + usable + k], guardPattern)) {
                return false;
            }
        }
        return true;
    }

    // Whether both hold the same bits, guards included.
    bool sameBits(const Guarded& other) const noexcept {
        return elements.size() == other.elements.size() &&
               std::memcmp(elements.data(), other.elements.data(), elements.size() * sizeof(T)) ==
                   0;
    }

    static bool same(const T& a, const T& b) noexcept {
        return std::memcmp(&a, &b, sizeof(T)) == 0;
    }

private:
    std::vector<T> elements;
    std::size_t usable;
    T guardPattern;
};
