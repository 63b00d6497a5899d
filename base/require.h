// Checks of what the code itself guarantees, kept in every build, since a
// wrong answer would teach a wrong fact: a failure is a fault of the
// program, never of what a student typed, so it stops the program at once.
#ifndef REACTION_DRILL_BASE_REQUIRE_H_
#define REACTION_DRILL_BASE_REQUIRE_H_

#include <cstdio>
#include <cstdlib>

// Stops the program with "internal error: `what`" on standard error unless
// `ok`.
inline void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "internal error: %s\n", what);
  std::abort();
}

#endif  // REACTION_DRILL_BASE_REQUIRE_H_
