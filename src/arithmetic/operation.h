#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace vertola {

class RandomSource;

// The drawn operations, with the window-level variables of their windows.
struct Addizione {
    int num1 = 0, num2 = 0, num3 = 0;
    int risultato = 0;
    friend bool operator==(const Addizione&, const Addizione&) = default;
};
struct Sottrazione {
    int num1 = 0, num2 = 0;
    int risultato = 0;
    friend bool operator==(const Sottrazione&, const Sottrazione&) = default;
};
struct Moltiplicazione {
    int moltiplicando = 0, moltiplicatore = 0;
    int prodotto = 0;
    friend bool operator==(const Moltiplicazione&, const Moltiplicazione&) = default;
};
struct Divisione {
    int dividendo = 0, divisore = 0;
    int quoziente = 0, resto = 0;
    friend bool operator==(const Divisione&, const Divisione&) = default;
};
using Esercizio = std::variant<Addizione, Sottrazione, Moltiplicazione, Divisione>;

// How each operation is drawn: every number is the whole part of r x N, and the draw is repeated
// whole until all its acceptance tests hold.
struct AdditionRule {
    int n;      // each addend over n values
    int limit;  // accepted when the sum is below it
};
struct SubtractionRule {
    int n;  // accepted when the minuend is greater than the subtrahend
};
struct MultiplicationRule {
    int multiplicandN, multiplicandAbove;  // multiplicand over N values, accepted when above
    int multiplierN, multiplierAbove;
    int limit;  // accepted when the product is below it
};
struct DivisionRule {
    int dividendN, dividendAbove;
    int divisorN, divisorAbove;
};
using DrawRule = std::variant<AdditionRule, SubtractionRule, MultiplicationRule, DivisionRule>;

Esercizio draw(const DrawRule& rule, RandomSource& random);
// Whether an operation is one the rule can give.
bool admissible(const DrawRule& rule, const Esercizio& exercise);
// The operation as one line of text: "312 + 45 + 7", "512 - 47", "152 x 6", "457 : 3".
std::string caption(const Esercizio& exercise);
// The number the result row must read: the sum, difference, product or quotient.
std::int64_t expectedResult(const Esercizio& exercise);
// The remainder a division must show; 0 for the other operations.
std::int64_t expectedRemainder(const Esercizio& exercise);

}  // namespace vertola
