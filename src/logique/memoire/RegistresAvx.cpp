#include "logique/memoire/RegistresAvx.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void vzeroupper() { _mm256_zeroupper(); }
bool avx() {
    __builtin_cpu_init();  // this runs among the static constructors, maybe before libgcc's own
    return __builtin_cpu_supports("avx");
}
const bool Avx = avx();
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
