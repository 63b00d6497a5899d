// Shared by the fuzz harnesses: property checks that abort with a message,
// so libFuzzer and the replay main both report the input that broke one,
// and running a console dialogue on the fuzzer's bytes.
#ifndef REACTION_DRILL_FUZZ_HARNESS_H_
#define REACTION_DRILL_FUZZ_HARNESS_H_

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

#include "ion.h"
#include "standard_input.h"

inline void check(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
  }
}

// Runs `dialogue`, which must draw from a fixed seed so that a failing
// input fails again, with `input` as its standard input; whatever the input,
// the dialogue must end normally. Returns what it wrote.
inline std::string runDialogue(const Dialogue& dialogue,
                               const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  check(dialogue(in, out) == 0, "input ending is a normal end");
  return out.str();
}

#endif  // REACTION_DRILL_FUZZ_HARNESS_H_
