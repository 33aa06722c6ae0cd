#pragma once
// Qt's hash of a QString (QHash<QString, ...> with its random seed, on a processor with VAES)
// leaves the upper halves of the AVX registers in use. Until they are cleared, every SSE
// instruction and every call to exp, log or sqrt runs many times slower (measured: 7 ns for
// exp + log, 250 ns after one such hash). The model clears them after each lookup by a pupil's
// name and before each long run of arithmetic.

namespace RegistresAvx {
// Nothing on a processor without AVX.
void efface();
}
