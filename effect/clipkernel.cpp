#include "clipkernel.h"

#include "clipvariants.h"

namespace {
bool always() noexcept { return true; }
#if defined(__x86_64__)
bool hasAvx2() noexcept { return __builtin_cpu_supports("avx2"); }
bool hasAvx512() noexcept { return __builtin_cpu_supports("avx512f"); }
#endif
} // namespace

const ClipKernelVariant clipKernelVariants[] = {
#if defined(__x86_64__)
    {"avx512f", clipKernelAvx512, hasAvx512},
    {"avx2", clipKernelAvx2, hasAvx2},
#endif
    {"sse2", clipKernelSse2, always},
};
const std::size_t clipKernelVariantCount = sizeof clipKernelVariants / sizeof *clipKernelVariants;

const ClipKernelVariant& bestClipKernel() noexcept {
    static const ClipKernelVariant& best = []() -> const ClipKernelVariant& {
        __builtin_cpu_init();
        for (const ClipKernelVariant& variant : clipKernelVariants) {
            if (variant.supported()) return variant;
        }
        return clipKernelVariants[clipKernelVariantCount - 1];
    }();
    return best;
}
