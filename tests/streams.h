// Test helpers: stream buffers that stand in for a console that never stops
// typing and for a reader that goes away.
#ifndef REACTION_DRILL_TESTS_STREAMS_H_
#define REACTION_DRILL_TESTS_STREAMS_H_

#include <cstddef>
#include <streambuf>

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

#endif  // REACTION_DRILL_TESTS_STREAMS_H_
