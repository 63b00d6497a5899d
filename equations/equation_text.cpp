#include "equation_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "charges.h"

namespace {

// Collects a line in a buffer on the stack and appends it to `line` at the
// end: many small appends to a string cost more than the line itself.
class LineWriter {
 public:
  explicit LineWriter(std::string& line) : line_(line) {}
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;
  ~LineWriter() { spill(); }

  void put(std::string_view text) {
    if (used_ + text.size() > buffer_.size()) spill();
    if (text.size() > buffer_.size()) {
      line_ += text;
      return;
    }
    std::copy(text.begin(), text.end(), buffer_.begin() + used_);
    used_ += text.size();
  }
  void put(int n) {
    std::array<char, 12> digits{};
    const char* end =
        std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    put(std::string_view(digits.data(),
                         static_cast<std::size_t>(end - digits.data())));
  }

 private:
  void spill() {
    line_.append(buffer_.data(), used_);
    used_ = 0;
  }
  std::array<char, 160> buffer_;
  std::size_t used_ = 0;
  std::string& line_;
};

void putTerm(LineWriter& out, const Term& t, bool withCoefficient) {
  if (withCoefficient && t.coefficient != 1) out.put(t.coefficient);
  out.put(t.formula);
  writeCharge(t.charge, "-",
              [&out](std::string_view piece) { out.put(piece); });
  out.put(stateSymbol(t.state));
}

void putSide(LineWriter& out, const std::vector<Term>& side,
             bool withCoefficients) {
  for (std::size_t k = 0; k < side.size(); ++k) {
    if (k > 0) out.put(" + ");
    putTerm(out, side[k], withCoefficients);
  }
}

}  // namespace

void appendAscii(std::string& line, const Equation& e) {
  LineWriter out(line);
  putSide(out, e.reactants, !e.noReaction);
  out.put(" -> ");
  if (e.noReaction) {
    out.put("no reaction");
  } else {
    putSide(out, e.products, true);
  }
}

std::string ascii(const Equation& e) {
  std::string line;
  appendAscii(line, e);
  return line;
}
