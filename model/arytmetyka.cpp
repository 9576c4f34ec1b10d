#include "arytmetyka.h"

#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace {
#if defined(__x86_64__)
constexpr unsigned splaszczanie = 0x8040; // MXCSR: flush-to-zero, denormals-are-zero
#endif
} // namespace

ArytmetykaIeee::ArytmetykaIeee()
{
    std::fegetenv(&dawne_);
    std::fesetround(FE_TONEAREST);
#if defined(__x86_64__)
    mxcsr_ = _mm_getcsr();
    _mm_setcsr(mxcsr_ & ~splaszczanie);
#endif
}

ArytmetykaIeee::~ArytmetykaIeee()
{
    std::fesetenv(&dawne_);
#if defined(__x86_64__)
    _mm_setcsr(mxcsr_);
#endif
}
