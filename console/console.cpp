#include "console.h"

#include <climits>
#include <limits>

#include "text.h"

namespace {

// The blanks atoi skips: isspace in the C locale.
bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

constexpr unsigned long long outOfRange =
    static_cast<unsigned long long>(INT_MAX) + 1;

// Hands each byte of one line, up to its line break, to `take`. Returns false
// when input had already ended.
template <typename Take>
bool eachByteOfLine(std::istream& in, Take take) {
  char c = 0;
  if (!in.get(c)) return false;
  while (c != '\n') {
    take(c);
    if (!in.get(c)) break;
  }
  return true;
}

// The leading number of a line, fed one character at a time, so a line of
// any length needs no buffer.
class LeadingNumber {
 public:
  void feed(char c);
  // The number if it lies from 1 to `highest`, otherwise 0.
  [[nodiscard]] unsigned choice(unsigned highest) const;

 private:
  enum class Stage { blanks, digits, done };
  Stage stage_ = Stage::blanks;
  bool negative_ = false;
  unsigned long long value_ = 0;  // stops growing once out of range
};

void LeadingNumber::feed(char c) {
  switch (stage_) {
    case Stage::blanks:
      if (isSpace(c)) return;
      stage_ = Stage::digits;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        return;
      }
      [[fallthrough]];
    case Stage::digits:
      if (!isDigit(c)) {
        stage_ = Stage::done;
        return;
      }
      value_ = value_ * 10 + static_cast<unsigned>(c - '0');
      if (value_ > outOfRange) value_ = outOfRange;
      return;
    case Stage::done:
      return;
  }
}

unsigned LeadingNumber::choice(unsigned highest) const {
  if (negative_ || value_ < 1 || value_ > highest) return 0;
  return static_cast<unsigned>(value_);
}

}  // namespace

bool readChoice(std::istream& in, unsigned highest, unsigned& choice) {
  LeadingNumber number;
  if (!eachByteOfLine(in, [&number](char c) { number.feed(c); })) {
    return false;
  }
  choice = number.choice(highest);
  return true;
}

bool skipLine(std::istream& in) {
  in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return in.gcount() > 0;
}

bool readLine(std::istream& in, std::string& line) {
  line.clear();
  std::size_t length = 0;
  const bool read = eachByteOfLine(in, [&line, &length](char c) {
    if (length++ < maxLineKept) line += c;
  });
  // A Windows line break is CR LF: its CR ends the line, it is not typed.
  if (length == line.size() && !line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return read;
}

std::string numberedMenu(std::string_view intro,
                         const std::vector<std::string_view>& names) {
  std::string menu(intro);
  for (std::size_t k = 0; k < names.size(); ++k) {
    menu += std::to_string(k) + ". " + std::string(names[k]) + "\n";
  }
  return menu + std::string(menuQuestion) + " (0-" +
         std::to_string(names.size() - 1) + "):";
}

bool askChoice(std::istream& in, std::ostream& out, std::string_view menu,
               unsigned highest, unsigned& choice) {
  out << menu << std::flush;
  // Nobody reads a dead output, so stop rather than wait for the choice.
  if (!out) return false;
  if (readChoice(in, highest, choice)) return true;
  out << '\n';
  return false;
}

bool chooseType(std::istream& in, std::ostream& out,
                std::optional<std::uint32_t> fixed, std::string_view menu,
                unsigned highest, unsigned& choice) {
  if (fixed) {
    choice = *fixed;
    return true;
  }
  if (!askChoice(in, out, menu, highest, choice)) return false;
  out << '\n';
  return true;
}

int exitStatus(std::ostream& out) { return out.flush() ? 0 : 1; }
