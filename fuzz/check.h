// A property check for fuzz harnesses: abort with a message, so libFuzzer
// and the replay main both report the input that broke it.
#ifndef REACTION_DRILL_FUZZ_CHECK_H_
#define REACTION_DRILL_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

inline void check(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
  }
}

#endif  // REACTION_DRILL_FUZZ_CHECK_H_
