#include "standard_input.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

DescriptorInput::int_type DescriptorInput::underflow() {
  if (error_ != 0) return traits_type::eof();
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n > 0) {
      setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
      return traits_type::to_int_type(buffer_[0]);
    }
    if (n == 0) return traits_type::eof();
    // A signal that interrupts the wait for a line is no error.
    if (errno == EINTR) continue;
    error_ = errno;
    return traits_type::eof();
  }
}

int runOnStandardStreams(std::string_view program, const Dialogue& dialogue) {
  DescriptorInput input(STDIN_FILENO);
  std::istream in(&input);
  const int status = dialogue(in, std::cout);
  if (input.error() == 0) return status;
  std::cerr << program
            << ": cannot read standard input: " << std::strerror(input.error())
            << '\n';
  return 1;
}
