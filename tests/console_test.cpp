// Line input shared by the console programs.
#include "console.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Every line readLine returns from `input`, until it reports the end.
std::vector<std::string> linesOf(const std::string& input) {
  std::istringstream in(input);
  std::vector<std::string> lines;
  std::string line = "left over";
  while (readLine(in, line)) lines.push_back(line);
  EXPECT_EQ(line, "") << "a failed read must not leave an old line";
  EXPECT_FALSE(readLine(in, line)) << "input stays ended";
  return lines;
}

TEST(ReadLine, ReadsWholeLinesOfAnyBytes) {
  const std::string longLine(maxLineKept + 5000, 'x');
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"\n", {""}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"no line break", {"no line break"}},
      // A CR belongs to the line break only right before it or the end.
      {"N3-\r\nquit\r", {"N3-", "quit"}},
      {"a\rb\r\r\n\r\n", {"a\rb\r", ""}},
      {std::string(maxLineKept, 'z') + "\r\n", {std::string(maxLineKept, 'z')}},
      {std::string(maxLineKept - 1, 'z') + "\r\r\n",
       {std::string(maxLineKept - 1, 'z') + "\r"}},
      {std::string("\0\xff\x1b[A\n\0", 7),
       {std::string("\0\xff\x1b[A", 5), std::string(1, '\0')}},
      // A line too long to keep whole is cut, and the next line is intact.
      {longLine + "\nnext\n", {std::string(maxLineKept, 'x'), "next"}},
      {std::string(maxLineKept, 'y'), {std::string(maxLineKept, 'y')}},
  };
  for (const auto& [input, lines] : cases) {
    EXPECT_EQ(linesOf(input), lines) << input.substr(0, 20);
  }
  std::istream closed(nullptr);
  std::string line;
  EXPECT_FALSE(readLine(closed, line));
}

}  // namespace
