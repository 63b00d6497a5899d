#include "typed_characters.h"

#include <algorithm>

namespace {

// The bytes that `lead` announces; 0 for a byte no character starts with.
std::size_t announcedSize(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// An overlong form, a surrogate or a point past Unicode's last is no valid
// UTF-8, whatever its bytes look like.
bool isValidPoint(char32_t point, std::size_t size) {
  constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return point >= smallest[size] && point <= 0x10FFFF &&
         (point < 0xD800 || point > 0xDFFF);
}

}  // namespace

Decoded decodeUtf8(std::string_view line, std::size_t at) {
  const auto lead = static_cast<unsigned char>(line[at]);
  const std::size_t size = announcedSize(lead);
  if (size == 0 || size > line.size() - at) return {};
  char32_t point = size == 1 ? lead : lead & (0x7FU >> size);
  for (std::size_t k = 1; k < size; ++k) {
    const auto next = static_cast<unsigned char>(line[at + k]);
    if ((next & 0xC0U) != 0x80U) return {};
    point = (point << 6U) | (next & 0x3FU);
  }
  if (!isValidPoint(point, size)) return {};
  return {point, size};
}

namespace {

// A run of code points that stand for ASCII characters.
struct StandIn {
  char32_t first;
  char32_t last;
  char reads;  // what `first` reads as; the points after it count up
  Script script;
};

// clang-format off
constexpr StandIn standIns[] = {
    // first   last     reads  script
    {0x2080,   0x2089,  '0',   Script::subscript},    // ₀ to ₉
    {0x2070,   0x2070,  '0',   Script::superscript},  // ⁰
    {0x00B9,   0x00B9,  '1',   Script::superscript},  // ¹
    {0x00B2,   0x00B3,  '2',   Script::superscript},  // ² ³
    {0x2074,   0x2079,  '4',   Script::superscript},  // ⁴ to ⁹
    {0x207A,   0x207A,  '+',   Script::superscript},  // ⁺
    {0x207B,   0x207B,  '-',   Script::superscript},  // ⁻
    {0x2212,   0x2212,  '-',   Script::plain},        // the minus sign
    {0x2013,   0x2013,  '-',   Script::plain},        // the en dash
};
// clang-format on

bool isControl(char32_t point) {
  return point < 0x20 || (point >= 0x7F && point < 0xA0);
}

// Where the character that ends at byte `end` starts: a valid UTF-8
// character whole, or else the one byte before `end`.
// REQUIRES: 0 < end <= line.size().
std::size_t characterBefore(std::string_view line, std::size_t end) {
  for (std::size_t size = 2; size <= 4 && size <= end; ++size) {
    if (decodeUtf8(line, end - size).size == size) return end - size;
  }
  return end - 1;
}

// `point` as UTF-8 in two or three bytes, as every stand-in is.
// REQUIRES: 0x80 <= point < 0x10000.
std::string encode(char32_t point) {
  std::string bytes;
  if (point < 0x800) {
    bytes += static_cast<char>(0xC0U | (point >> 6U));
  } else {
    bytes += static_cast<char>(0xE0U | (point >> 12U));
    bytes += static_cast<char>(0x80U | ((point >> 6U) & 0x3FU));
  }
  return bytes + static_cast<char>(0x80U | (point & 0x3FU));
}

}  // namespace

std::string scriptedChar(char reads, Script script) {
  if (script == Script::plain) return {reads};
  for (const StandIn& s : standIns) {
    const char32_t last = s.reads + (s.last - s.first);
    if (s.script == script && reads >= s.reads &&
        static_cast<char32_t>(reads) <= last) {
      return encode(s.first + static_cast<char32_t>(reads - s.reads));
    }
  }
  return "";
}

TypedChar typedCharAt(std::string_view line, std::size_t at) {
  if (at >= line.size()) return {};
  const Decoded c = decodeUtf8(line, at);
  if (c.size == 0) return {'\0', Script::plain, 1};
  if (c.point < 0x80) return {static_cast<char>(c.point), Script::plain, 1};
  for (const StandIn& s : standIns) {
    if (c.point >= s.first && c.point <= s.last) {
      return {static_cast<char>(s.reads + (c.point - s.first)), s.script,
              c.size};
    }
  }
  return {'\0', Script::plain, c.size};
}

std::string quoteAround(std::string_view line, std::size_t at) {
  std::size_t from = std::min(at, line.size());
  for (int k = 0; k < 10 && from > 0; ++k) from = characterBefore(line, from);
  std::string quoted;
  for (int k = 0; k < 20 && from < line.size(); ++k) {
    const Decoded c = decodeUtf8(line, from);
    const bool shown = c.size > 0 && !isControl(c.point);
    quoted += shown ? line.substr(from, c.size) : std::string_view("?");
    from += std::max<std::size_t>(c.size, 1);
  }
  return quoted;
}
