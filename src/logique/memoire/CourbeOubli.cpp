#include "logique/memoire/CourbeOubli.h"

#include <cmath>

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace {
constexpr double Facteur = 19.0 / 81.0;  // 0.9^(1/-0.5) - 1
}

namespace CourbeOubli {
double retenue(double jours, double stabilite) { return 1.0 / std::sqrt(1.0 + Facteur * jours / stabilite); }

void retenues(const float* jours, int nombre, double stabilite, float* sortie) {
    const float pente = float(Facteur / stabilite);
    int i = 0;
#ifdef __SSE2__
    // Four ages at a time (the compiler leaves std::sqrt alone, for errno), rounded as below.
    const __m128 un = _mm_set1_ps(1.0f), p = _mm_set1_ps(pente);
    for (; i + 4 <= nombre; i += 4) {
        const __m128 x = _mm_add_ps(un, _mm_mul_ps(p, _mm_loadu_ps(jours + i)));
        _mm_storeu_ps(sortie + i, _mm_div_ps(un, _mm_sqrt_ps(x)));
    }
#endif
    for (; i < nombre; ++i) sortie[i] = 1.0f / std::sqrt(1.0f + pente * jours[i]);
}
}  // namespace CourbeOubli
