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

bool DescriptorOutput::drain() {
  const char* from = pbase();
  while (from < pptr()) {
    const ssize_t n =
        ::write(fd_, from, static_cast<std::size_t>(pptr() - from));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    from += n;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return 0;
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() { return drain() ? 0 : -1; }

int runOnStandardStreams(std::string_view program, const Dialogue& dialogue) {
  DescriptorInput input(STDIN_FILENO);
  std::istream in(&input);
  DescriptorOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  int status = dialogue(in, out);
  if (!out.flush()) status = 1;
  if (input.error() == 0) return status;
  std::cerr << program
            << ": cannot read standard input: " << std::strerror(input.error())
            << '\n';
  return 1;
}
