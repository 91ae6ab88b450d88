// The floor: four samples at a time with SSE2.
#include <algorithm>
#include <emmintrin.h>

#include "clipvariants.h"

namespace {
__attribute__((target("sse2"))) inline __m128 select(__m128 mask, __m128 ifSet, __m128 ifClear) {
    return _mm_or_ps(_mm_and_ps(mask, ifSet), _mm_andnot_ps(mask, ifClear));
}

// Four float products with a double gain, each exact product rounded to
// float once.
__attribute__((target("sse2"))) inline __m128 scale(__m128 samples, __m128d gain) {
    const __m128 low = _mm_cvtpd_ps(_mm_mul_pd(_mm_cvtps_pd(samples), gain));
    const __m128 high =
        _mm_cvtpd_ps(_mm_mul_pd(_mm_cvtps_pd(_mm_movehl_ps(samples, samples)), gain));
    return _mm_movelh_ps(low, high);
}
} // namespace

__attribute__((target("sse2"))) void clipKernelSse2(const float* in, float* out, std::size_t count,
                                                    ClipGains gains) noexcept {
    const __m128d pre = _mm_set1_pd(gains.pre);
    const __m128d post = _mm_set1_pd(gains.post);
    const __m128 clip = _mm_set1_ps(gains.clip);
    const __m128 negClip = _mm_set1_ps(gains.negClip);
    const std::size_t whole = count - count % 4;
    for (std::size_t start = 0; start < whole; start += clipChunk) {
        const std::size_t end = std::min(start + clipChunk, whole);
        for (std::size_t i = start; i < end; i += 4) {
            const __m128 value = scale(_mm_loadu_ps(in + i), pre);
            const __m128 above = _mm_cmpgt_ps(value, clip);
            const __m128 below = _mm_cmplt_ps(value, negClip);
            _mm_storeu_ps(out + i, select(above, clip, select(below, negClip, value)));
        }
        for (std::size_t i = start; i < end; i += 4) {
            _mm_storeu_ps(out + i, scale(_mm_loadu_ps(out + i), post));
        }
    }
    for (std::size_t i = whole; i < count; ++i) out[i] = clipSample(in[i], gains);
}
