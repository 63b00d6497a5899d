#include "typed_forms.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "charges.h"
#include "typed_characters.h"
#include "typed_reader.h"

namespace {

// `text` with every character that has one in its stand-in of `script`:
// "₂" for "2", "⁻" for "-"; letters and brackets stay as they are.
std::string inScript(std::string_view text, Script script) {
  std::string out;
  for (const char c : text) {
    const std::string scripted = scriptedChar(c, script);
    out += scripted.empty() ? std::string(1, c) : scripted;
  }
  return out;
}

// The formula of `t` with its digits as subscripts and its charge as a
// superscript, as a phone or copied text gives it.
std::string unicodeForm(const TypedTerm& t) {
  return inScript(t.formula, Script::subscript) +
         inScript(chargeText(t.charge), Script::superscript);
}

}  // namespace

std::vector<std::string> typedForms(std::string_view written) {
  std::vector<std::string> forms = {std::string(written)};
  TypedTerm t;
  if (!readTypedFormula(written, t)) return forms;
  const std::string& f = t.formula;
  const std::string charge = chargeText(t.charge);
  if (t.charge != 0) {
    forms.insert(forms.end(), {f + "^" + charge, f + "^{" + charge + "}",
                               f + "{" + charge + "}"});
  }
  // A size of 1 goes unwritten, so a sign alone cannot go first.
  if (t.charge > 1 || t.charge < -1) {
    const std::string signFirst =
        (t.charge < 0 ? "-" : "+") + std::to_string(std::abs(t.charge));
    forms.insert(forms.end(),
                 {f + "^" + signFirst, f + signFirst, f + " " + charge});
  }
  forms.push_back(unicodeForm(t));
  std::vector<std::string> once;
  for (std::string& form : forms) {
    if (std::find(once.begin(), once.end(), form) == once.end()) {
      once.push_back(std::move(form));
    }
  }
  return once;
}
