// The three answer checks, fed an arbitrary answer against every ion and
// every cation-anion pair of the catalogue.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "harness.h"
#include "ion.h"

namespace {

// A check writes exactly one verdict line, and "Correct." exactly when it
// says the answer is right.
void checkVerdict(bool right, const std::string& written) {
  check(std::count(written.begin(), written.end(), '\n') == 1 &&
            written.back() == '\n',
        "exactly one verdict line");
  check(right == (written == "Correct.\n"), "true exactly when Correct.");
}

template <typename Check>
void mark(Check answerCheck) {
  // One stream for every check: building a stream costs more than a check.
  static std::ostringstream out;
  out.str("");
  const bool right = answerCheck(out);
  checkVerdict(right, out.str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view answer(reinterpret_cast<const char*>(data), size);
  for (const Ion& i : catalogue()) {
    mark([&](std::ostream& out) { return i.getResponse(answer, out); });
  }
  for (const Ion& rp : catalogue()) {
    for (const Ion& rn : catalogue()) {
      if (rp.isAnion() || !rn.isAnion()) continue;
      mark([&](std::ostream& out) { return getResponse(rp, rn, answer, out); });
      mark([&](std::ostream& out) {
        return getSolResponse(rp, rn, answer, out);
      });
    }
  }
  return 0;
}
