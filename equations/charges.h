// Charges as they are written after a formula: "2-", "+", "3&minus;".
#ifndef REACTION_DRILL_EQUATIONS_CHARGES_H_
#define REACTION_DRILL_EQUATIONS_CHARGES_H_

#include <string>
#include <string_view>

// Hands `put` a charge as written after a formula, piece by piece: its size
// unless 1, then its sign, `minus` for a negative one: "2-", "+",
// "3&minus;"; nothing for no charge. Every writer of a charge, plain or
// HTML, writes it with this.
template <typename Put>
void writeCharge(int charge, std::string_view minus, Put put) {
  const int size = charge < 0 ? -charge : charge;
  // A charge is written often, and is almost always one digit.
  constexpr std::string_view digits = "0123456789";
  if (size > 9) put(std::to_string(size));
  if (size > 1 && size <= 9)
    put(digits.substr(static_cast<std::size_t>(size), 1));
  if (charge != 0) put(charge < 0 ? minus : "+");
}

// The charge as writeCharge writes it, as one text.
inline std::string chargeText(int charge, std::string_view minus = "-") {
  std::string text;
  writeCharge(charge, minus,
              [&text](std::string_view piece) { text += piece; });
  return text;
}

#endif  // REACTION_DRILL_EQUATIONS_CHARGES_H_
