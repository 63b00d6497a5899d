#include "page_values.h"

#include <limits>

#include "text.h"

using emscripten::val;

bool parseSeed(const std::string& text, std::uint64_t& seed) {
  return decimal(text, std::numeric_limits<std::uint64_t>::max(), seed);
}

val namesOf(const std::vector<std::string_view>& names) {
  val list = val::array();
  for (const std::string_view name : names) {
    list.call<void>("push", std::string(name));
  }
  return list;
}

val richOf(const Rich& r) {
  val out = val::object();
  out.set("text", r.text);
  out.set("html", r.html);
  return out;
}

val linesOf(const std::vector<SheetLine>& lines) {
  val out = val::array();
  for (const SheetLine& l : lines) {
    val line = richOf(l.content);
    line.set("indent", l.indent);
    out.call<void>("push", line);
  }
  return out;
}
