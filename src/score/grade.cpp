#include "score/grade.h"

namespace vertola {

// p >= 90 is 100g >= 90(g + s), that is g >= 9s; p >= 75 is g >= 3s; p >= 60 is 2g >= 3s.
// Each is written with a division so that no product can overflow.
std::string_view grade(std::uint64_t g, std::uint64_t s) {
    if (g == 0 && s == 0) return {};
    if (s == 0) return "Super!!!!";
    if (s <= g / 9) return "Sei stato bravissimo!!!";
    if (s <= g / 3) return "Bravo!!";
    if (s <= g / 3 * 2 + (g % 3) * 2 / 3) return "Abbastanza bene, ma puoi fare di meglio.";
    return "Non ci siamo. Esercitati di più";
}

double percentage(std::uint64_t g, std::uint64_t s) {
    const long double total = static_cast<long double>(g) + static_cast<long double>(s);
    if (total < 1) return 0;
    return static_cast<double>(static_cast<long double>(g) * 100 / total);
}

}  // namespace vertola
