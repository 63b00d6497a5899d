// Standard input and output straight on their file descriptors: a read
// error is told apart from the end of input, and output is buffered once,
// not through C's stdio as well. And the run of a dialogue on them that
// every console program's main does.
#ifndef REACTION_DRILL_CONSOLE_STANDARD_INPUT_H_
#define REACTION_DRILL_CONSOLE_STANDARD_INPUT_H_

#include <array>
#include <functional>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>

// Input from a file descriptor. A failed read ends the input as its end
// would, and is remembered.
class DescriptorInput : public std::streambuf {
 public:
  explicit DescriptorInput(int fd) : fd_(fd) {}
  // The errno of the read that failed, or 0 while none has.
  [[nodiscard]] int error() const { return error_; }

 private:
  int_type underflow() override;

  int fd_;
  int error_ = 0;
  std::array<char, 4096> buffer_{};
};

// Output to a file descriptor, buffered. A failed write fails the stream.
class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

 private:
  int_type overflow(int_type c) override;
  int sync() override;
  // Writes what the buffer holds; false if it could not.
  bool drain();

  int fd_;
  std::array<char, 8192> buffer_{};
};

using Dialogue = std::function<int(std::istream& in, std::ostream& out)>;

// Runs `dialogue` on standard input and output and returns its exit
// status. When standard input could not be read, the dialogue ends as at the
// end of input, then one line on standard error says so
// ("reaction-drill: cannot read standard input: Is a directory") and the
// status is 1.
int runOnStandardStreams(std::string_view program, const Dialogue& dialogue);

#endif  // REACTION_DRILL_CONSOLE_STANDARD_INPUT_H_
