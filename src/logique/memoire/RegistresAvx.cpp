#include "logique/memoire/RegistresAvx.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void vzeroupper() { _mm256_zeroupper(); }
const bool Avx = __builtin_cpu_supports("avx");
}  // namespace

namespace RegistresAvx {
void efface() {
    if (Avx) vzeroupper();
}
}  // namespace RegistresAvx
#else
namespace RegistresAvx {
void efface() {}
}  // namespace RegistresAvx
#endif
