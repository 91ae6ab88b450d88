// Sixteen samples at a time with AVX-512F.
#include "clipvariants.h"

#if defined(__x86_64__)
#include <algorithm>
// GCC 12's AVX-512 headers build their don't-care operands from deliberately
// uninitialised variables, which its own warning then flags.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

namespace {
// Eight float products with a double gain, each exact product rounded to
// float once.
__attribute__((target("avx512f"))) inline __m256 scale(__m256 samples, __m512d gain) {
    return _mm512_cvtpd_ps(_mm512_mul_pd(_mm512_cvtps_pd(samples), gain));
}

__attribute__((target("avx512f"))) inline __m512 join(__m256 low, __m256 high) {
    return _mm512_castpd_ps(_mm512_insertf64x4(_mm512_castpd256_pd512(_mm256_castps_pd(low)),
                                               _mm256_castps_pd(high), 1));
}
} // namespace

__attribute__((target("avx512f"))) void
clipKernelAvx512(const float* in, float* out, std::size_t count, ClipGains gains) noexcept {
    const __m512d pre = _mm512_set1_pd(gains.pre);
    const __m512d post = _mm512_set1_pd(gains.post);
    const __m512 clip = _mm512_set1_ps(gains.clip);
    const __m512 negClip = _mm512_set1_ps(gains.negClip);
    const std::size_t whole = count - count % 16;
    for (std::size_t start = 0; start < whole; start += clipChunk) {
        const std::size_t end = std::min(start + clipChunk, whole);
        for (std::size_t i = start; i < end; i += 16) {
            const __m512 value =
                join(scale(_mm256_loadu_ps(in + i), pre), scale(_mm256_loadu_ps(in + i + 8), pre));
            const __mmask16 above = _mm512_cmp_ps_mask(value, clip, _CMP_GT_OQ);
            const __mmask16 below = _mm512_cmp_ps_mask(value, negClip, _CMP_LT_OQ);
            _mm512_storeu_ps(
                out + i,
                _mm512_mask_blend_ps(above, _mm512_mask_blend_ps(below, value, negClip), clip));
        }
        for (std::size_t i = start; i < end; i += 8) {
            _mm256_storeu_ps(out + i, scale(_mm256_loadu_ps(out + i), post));
        }
    }
    for (std::size_t i = whole; i < count; ++i) out[i] = clipSample(in[i], gains);
}
#endif
