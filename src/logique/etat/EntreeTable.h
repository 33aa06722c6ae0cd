#pragma once
// One table entry of an exercise, as the parameter files, the shared state and the recorders hold it.
#include <compare>

// The table of `premier` on `second`..`troisieme`, or the complements to `second` (then `premier`
// and `troisieme` are both -9999); operation 0 +, 1 -, 2 x, 3 /.
struct EntreeTable {
    static constexpr int Marque = -9999;

    int premier = 0;
    int second = 0;
    int troisieme = 0;
    int operation = 0;

    bool complement() const { return premier == Marque && troisieme == Marque; }
    // A hand-edited file may hold any operation code: only 0..3 are asked, written or counted.
    bool operationConnue() const { return operation >= 0 && operation <= 3; }
    static EntreeTable table(int n, int a, int b, int operation) { return {n, a, b, operation}; }
    static EntreeTable complement(int c, int operation) { return {Marque, c, Marque, operation}; }
    bool operator==(const EntreeTable&) const = default;
};
