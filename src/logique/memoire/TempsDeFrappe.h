#pragma once
// A pupil's own typing time, to set aside from an answer's time: what is left is the thinking,
// which says whether the fact is known by heart or worked out. Estimated from the pupil's own
// right answers: for each number of digits of the answer, their quickest fifth (a quantile of a
// fine histogram of the times), which is recall plus typing.
#include <array>

class TempsDeFrappe final {
public:
    // A right first answer of `chiffres` digits given in `ms`.
    void ajoute(int chiffres, int ms);
    // The thinking time left in seconds (0 at the pupil's quickest), or a negative value while the
    // pupil's times are not known well enough.
    double reflexion(int chiffres, int ms) const;

private:
    static constexpr int Cases = 256;
    static constexpr int Longueurs = 4;  // 1, 2, 3, 4 or more digits
    double base(int longueur) const;     // quickest fifth's time, ms; 0 unknown
    std::array<std::array<int, Cases>, Longueurs> cases_{};
    std::array<int, Longueurs> nombres_{};
    // Where the quickest fifth ends, followed answer by answer rather than searched for each time:
    // its case, and the answers in the cases before it.
    std::array<int, Longueurs> caseQuantile_{};
    std::array<int, Longueurs> avant_{};
};
