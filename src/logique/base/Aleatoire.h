#pragma once
// The one process-wide random generator. Seeded once at start-up; tests seed it to get
// repeatable draws.
#include <cstdint>
#include <random>

namespace Aleatoire {
// Uniform integer from 0 to k - 1 (0 when k < 1).
int random(int k);
void graine(std::uint32_t valeur);
std::mt19937& generateur();
}
