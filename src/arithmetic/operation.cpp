#include "arithmetic/operation.h"

#include "arithmetic/numeric_reading.h"
#include "arithmetic/random_source.h"

namespace vertola {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

bool accepted(const AdditionRule& rule, const Addizione& a) {
    return a.num1 >= 0 && a.num2 >= 0 && a.num3 >= 0 && a.num1 < rule.n && a.num2 < rule.n &&
           a.num3 < rule.n && a.risultato == a.num1 + a.num2 + a.num3 && a.risultato < rule.limit;
}

bool accepted(const SubtractionRule& rule, const Sottrazione& s) {
    return s.num2 >= 0 && s.num1 < rule.n && s.num1 > s.num2 && s.risultato == s.num1 - s.num2;
}

bool accepted(const MultiplicationRule& rule, const Moltiplicazione& m) {
    return m.moltiplicando > rule.multiplicandAbove && m.moltiplicando < rule.multiplicandN &&
           m.moltiplicatore > rule.multiplierAbove && m.moltiplicatore < rule.multiplierN &&
           m.prodotto == m.moltiplicando * m.moltiplicatore && m.prodotto < rule.limit;
}

bool accepted(const DivisionRule& rule, const Divisione& d) {
    return d.dividendo > rule.dividendAbove && d.dividendo < rule.dividendN &&
           d.divisore > rule.divisorAbove && d.divisore < rule.divisorN &&
           d.quoziente == d.dividendo / d.divisore && d.resto == d.dividendo % d.divisore;
}

Addizione drawOnce(const AdditionRule& rule, RandomSource& random) {
    Addizione a;
    a.num1 = drawBelow(random, rule.n);
    a.num2 = drawBelow(random, rule.n);
    a.num3 = drawBelow(random, rule.n);
    a.risultato = a.num1 + a.num2 + a.num3;
    return a;
}

Sottrazione drawOnce(const SubtractionRule& rule, RandomSource& random) {
    Sottrazione s;
    s.num1 = drawBelow(random, rule.n);
    s.num2 = drawBelow(random, rule.n);
    s.risultato = s.num1 - s.num2;
    return s;
}

Moltiplicazione drawOnce(const MultiplicationRule& rule, RandomSource& random) {
    Moltiplicazione m;
    m.moltiplicando = drawBelow(random, rule.multiplicandN);
    m.moltiplicatore = drawBelow(random, rule.multiplierN);
    m.prodotto = m.moltiplicando * m.moltiplicatore;
    return m;
}

Divisione drawOnce(const DivisionRule& rule, RandomSource& random) {
    Divisione d;
    d.dividendo = drawBelow(random, rule.dividendN);
    d.divisore = drawBelow(random, rule.divisorN);
    // The quotient is only formed once the divisor has passed its test: it may be 0 here.
    if (d.divisore > rule.divisorAbove) {
        d.quoziente = d.dividendo / d.divisore;
        d.resto = d.dividendo % d.divisore;
    }
    return d;
}

}  // namespace

// Every number is drawn again on each rejection, with no cap on the attempts: each rule accepts
// at least one draw in six.
Esercizio draw(const DrawRule& rule, RandomSource& random) {
    return std::visit(
        [&random](const auto& r) -> Esercizio {
            for (;;) {
                auto exercise = drawOnce(r, random);
                if (accepted(r, exercise)) return exercise;
            }
        },
        rule);
}

bool admissible(const DrawRule& rule, const Esercizio& exercise) {
    return std::visit(
        Overloaded{
            [](const AdditionRule& r, const Addizione& e) { return accepted(r, e); },
            [](const SubtractionRule& r, const Sottrazione& e) { return accepted(r, e); },
            [](const MultiplicationRule& r, const Moltiplicazione& e) { return accepted(r, e); },
            [](const DivisionRule& r, const Divisione& e) { return accepted(r, e); },
            [](const auto&, const auto&) { return false; },
        },
        rule, exercise);
}

std::string caption(const Esercizio& exercise) {
    auto text = [](int n) { return plainDecimal(static_cast<unsigned long long>(n)); };
    return std::visit(
        Overloaded{
            [&](const Addizione& a) { return text(a.num1) + " + " + text(a.num2) + " + " + text(a.num3); },
            [&](const Sottrazione& s) { return text(s.num1) + " - " + text(s.num2); },
            [&](const Moltiplicazione& m) { return text(m.moltiplicando) + " x " + text(m.moltiplicatore); },
            [&](const Divisione& d) { return text(d.dividendo) + " : " + text(d.divisore); },
        },
        exercise);
}

std::int64_t expectedResult(const Esercizio& exercise) {
    return std::visit(Overloaded{
                          [](const Addizione& a) { return std::int64_t{a.risultato}; },
                          [](const Sottrazione& s) { return std::int64_t{s.risultato}; },
                          [](const Moltiplicazione& m) { return std::int64_t{m.prodotto}; },
                          [](const Divisione& d) { return std::int64_t{d.quoziente}; },
                      },
                      exercise);
}

std::int64_t expectedRemainder(const Esercizio& exercise) {
    if (const auto* d = std::get_if<Divisione>(&exercise)) return d->resto;
    return 0;
}

}  // namespace vertola
