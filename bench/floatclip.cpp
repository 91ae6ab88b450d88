#include "floatclip.h"

#include <cstring>
#include <immintrin.h>

namespace {
inline float floatClipSample(float sample, float pre, float clip, float negClip, float post) {
    const float value = sample * pre;
    return post * (value > clip ? clip : (value < negClip ? negClip : value));
}

__attribute__((target("sse2"))) void floatClipSse2(const float* in, float* out, std::size_t count,
                                                   ClipGains gains) noexcept {
    const auto pre = static_cast<float>(gains.pre), post = static_cast<float>(gains.post);
    const __m128 preV = _mm_set1_ps(pre), postV = _mm_set1_ps(post);
    const __m128 clip = _mm_set1_ps(gains.clip), negClip = _mm_set1_ps(gains.negClip);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 value = _mm_mul_ps(_mm_loadu_ps(in + i), preV);
        const __m128 above = _mm_cmpgt_ps(value, clip), below = _mm_cmplt_ps(value, negClip);
        const __m128 low = _mm_or_ps(_mm_and_ps(below, negClip), _mm_andnot_ps(below, value));
        const __m128 clipped = _mm_or_ps(_mm_and_ps(above, clip), _mm_andnot_ps(above, low));
        _mm_storeu_ps(out + i, _mm_mul_ps(clipped, postV));
    }
    for (; i < count; ++i) out[i] = floatClipSample(in[i], pre, gains.clip, gains.negClip, post);
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) void floatClipAvx2(const float* in, float* out, std::size_t count,
                                                   ClipGains gains) noexcept {
    const auto pre = static_cast<float>(gains.pre), post = static_cast<float>(gains.post);
    const __m256 preV = _mm256_set1_ps(pre), postV = _mm256_set1_ps(post);
    const __m256 clip = _mm256_set1_ps(gains.clip), negClip = _mm256_set1_ps(gains.negClip);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256 value = _mm256_mul_ps(_mm256_loadu_ps(in + i), preV);
        const __m256 above = _mm256_cmp_ps(value, clip, _CMP_GT_OQ);
        const __m256 below = _mm256_cmp_ps(value, negClip, _CMP_LT_OQ);
        const __m256 clipped =
            _mm256_blendv_ps(_mm256_blendv_ps(value, negClip, below), clip, above);
        _mm256_storeu_ps(out + i, _mm256_mul_ps(clipped, postV));
    }
    for (; i < count; ++i) out[i] = floatClipSample(in[i], pre, gains.clip, gains.negClip, post);
}

__attribute__((target("avx512f"))) void
floatClipAvx512(const float* in, float* out, std::size_t count, ClipGains gains) noexcept {
    const auto pre = static_cast<float>(gains.pre), post = static_cast<float>(gains.post);
    const __m512 preV = _mm512_set1_ps(pre), postV = _mm512_set1_ps(post);
    const __m512 clip = _mm512_set1_ps(gains.clip), negClip = _mm512_set1_ps(gains.negClip);
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m512 value = _mm512_mul_ps(_mm512_loadu_ps(in + i), preV);
        const __mmask16 above = _mm512_cmp_ps_mask(value, clip, _CMP_GT_OQ);
        const __mmask16 below = _mm512_cmp_ps_mask(value, negClip, _CMP_LT_OQ);
        const __m512 clipped =
            _mm512_mask_blend_ps(above, _mm512_mask_blend_ps(below, value, negClip), clip);
        _mm512_storeu_ps(out + i, _mm512_mul_ps(clipped, postV));
    }
    for (; i < count; ++i) out[i] = floatClipSample(in[i], pre, gains.clip, gains.negClip, post);
}
#endif
} // namespace

ClipKernel floatClipKernel(const char* name) noexcept {
    const struct {
        const char* name;
        ClipKernel run;
    } kernels[] = {
#if defined(__x86_64__)
        {"avx512f", floatClipAvx512},
        {"avx2", floatClipAvx2},
#endif
        {"sse2", floatClipSse2},
    };
    for (const auto& kernel : kernels) {
        if (std::strcmp(kernel.name, name) == 0) return kernel.run;
    }
    return nullptr;
}
