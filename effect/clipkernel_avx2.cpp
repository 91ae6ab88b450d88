// Eight samples at a time with AVX2.
#include "clipvariants.h"

#if defined(__x86_64__)
#include <algorithm>
#include <immintrin.h>

namespace {
// Four float products with a double gain, each exact product rounded to
// float once.
__attribute__((target("avx2"))) inline __m128 scale(__m128 samples, __m256d gain) {
    return _mm256_cvtpd_ps(_mm256_mul_pd(_mm256_cvtps_pd(samples), gain));
}
} // namespace

__attribute__((target("avx2"))) void clipKernelAvx2(const float* in, float* out, std::size_t count,
                                                    ClipGains gains) noexcept {
    const __m256d pre = _mm256_set1_pd(gains.pre);
    const __m256d post = _mm256_set1_pd(gains.post);
    const __m256 clip = _mm256_set1_ps(gains.clip);
    const __m256 negClip = _mm256_set1_ps(gains.negClip);
    const std::size_t whole = count - count % 8;
    for (std::size_t start = 0; start < whole; start += clipChunk) {
        const std::size_t end = std::min(start + clipChunk, whole);
        for (std::size_t i = start; i < end; i += 8) {
            const __m256 value = _mm256_set_m128(scale(_mm_loadu_ps(in + i + 4), pre),
                                                 scale(_mm_loadu_ps(in + i), pre));
            const __m256 above = _mm256_cmp_ps(value, clip, _CMP_GT_OQ);
            const __m256 below = _mm256_cmp_ps(value, negClip, _CMP_LT_OQ);
            _mm256_storeu_ps(
                out + i, _mm256_blendv_ps(_mm256_blendv_ps(value, negClip, below), clip, above));
        }
        for (std::size_t i = start; i < end; i += 4) {
            _mm_storeu_ps(out + i, scale(_mm_loadu_ps(out + i), post));
        }
    }
    for (std::size_t i = whole; i < count; ++i) out[i] = clipSample(in[i], gains);
}
#endif
