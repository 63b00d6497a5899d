// Test helpers: what every console dialogue of the project must do at the
// edges of its input and output, whatever it asks in between.
#ifndef REACTION_DRILL_TESTS_DIALOGUE_CHECKS_H_
#define REACTION_DRILL_TESTS_DIALOGUE_CHECKS_H_

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "ion.h"
#include "standard_input.h"

// Input that never ends: an empty line, again and again.
class EndlessEmptyLines : public std::streambuf {
  int_type underflow() override {
    setg(&newline_, &newline_, &newline_ + 1);
    return '\n';
  }
  char newline_ = '\n';
};

// Output that accepts a few bytes and then fails, like a closed pipe.
class ClosesAfter : public std::streambuf {
 public:
  explicit ClosesAfter(std::size_t bytes) : left_(bytes) {}

 private:
  int_type overflow(int_type c) override {
    if (left_ == 0) return traits_type::eof();
    --left_;
    return c;
  }
  std::size_t left_;
};

// Input that ends before the menu choice, empty or closed outright, gives
// the menu, a line break and status 0.
inline void expectQuietEndBeforeTheChoice(const Dialogue& dialogue,
                                          std::string_view menu) {
  std::istringstream empty;
  std::istream closed(nullptr);
  for (std::istream* in : std::array<std::istream*, 2>{&empty, &closed}) {
    std::ostringstream out;
    EXPECT_EQ(dialogue(*in, out), 0);
    EXPECT_EQ(out.str(), std::string(menu) + "\n");
  }
}

// A dialogue that could go on for ever stops with status 1 once its output
// fails, at the first byte or later.
inline void expectStopWhenOutputFails(const Dialogue& dialogue) {
  for (std::size_t bytes : {0, 100, 5000}) {
    EndlessEmptyLines endless;
    ClosesAfter closing(bytes);
    std::istream in(&endless);
    std::ostream out(&closing);
    EXPECT_EQ(dialogue(in, out), 1);
  }
}

#endif  // REACTION_DRILL_TESTS_DIALOGUE_CHECKS_H_
