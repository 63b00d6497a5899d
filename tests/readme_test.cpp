// The README's console sessions are what the programs write. Each fenced
// block either starts with "$ command" or follows a line
// "<!-- transcript: command; typed: line | line -->"; it is run in-process
// as on a terminal, which echoes what is typed, with Enter pressed whenever
// more is asked. With UPDATE_GOLDEN=1 the test writes the blocks instead,
// as seed_e2e.sh writes the golden files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "drill_command.h"
#include "quiz_command.h"

namespace {

// A terminal's keyboard: hands out what is typed, then Enter a hundred
// times at most, and echoes each character to `screen` as it is read.
class Keyboard : public std::streambuf {
 public:
  Keyboard(std::string typed, std::ostream& screen)
      : typed_(std::move(typed) + std::string(100, '\n')), screen_(screen) {}

 private:
  int_type underflow() override {
    if (at_ == typed_.size()) return traits_type::eof();
    return traits_type::to_int_type(typed_[at_]);
  }
  int_type uflow() override {
    const int_type c = underflow();
    if (c != traits_type::eof()) screen_.put(typed_[at_++]);
    return c;
  }
  std::string typed_;
  std::ostream& screen_;
  std::size_t at_ = 0;
};

// What the terminal shows when `command` ("formula-quiz --seed 5") runs
// and `typed` is typed.
std::string terminal(const std::string& command, const std::string& typed) {
  std::istringstream words(command);
  std::vector<std::string> args((std::istream_iterator<std::string>(words)),
                                std::istream_iterator<std::string>());
  const bool quiz = args.at(0).find("formula-quiz") != std::string::npos;
  args.erase(args.begin());
  std::ostringstream screen;
  Keyboard keys(typed, screen);
  std::istream in(&keys);
  const Console console{screen, screen,
                        [&](std::string_view, const Dialogue& dialogue) {
                          return dialogue(in, screen);
                        }};
  (quiz ? formulaQuiz : reactionDrill)(args, console);
  return screen.str();
}

// What the fenced block whose text starts at `begin` of `readme` should
// hold: the session of its marker line, or of its own "$ command" line.
std::string expectedBlock(const std::string& readme, std::size_t begin) {
  const std::size_t fence = begin - 4;
  const std::size_t line = readme.rfind('\n', fence - 2) + 1;
  const std::string marker = readme.substr(line, fence - 1 - line);
  const std::string lead = "<!-- transcript: ";
  if (marker.rfind(lead, 0) == 0) {
    const std::string body =
        marker.substr(lead.size(), marker.rfind(" -->") - lead.size());
    const std::size_t split = body.find("; typed: ");
    std::string keys =
        split == std::string::npos ? "" : body.substr(split + 9) + "\n";
    for (std::size_t bar; (bar = keys.find(" | ")) != std::string::npos;) {
      keys.replace(bar, 3, "\n");
    }
    return terminal(body.substr(0, split), keys);
  }
  const std::string first =
      readme.substr(begin, readme.find('\n', begin) - begin + 1);
  EXPECT_EQ(first.rfind("$ ", 0), 0U) << "a block that names no command";
  return first + terminal(first.substr(2), "");
}

TEST(Readme, TheSessionsAreWhatTheProgramsWrite) {
  std::ifstream file(README_FILE);
  std::string readme((std::istreambuf_iterator<char>(file)), {});
  const char* update = std::getenv("UPDATE_GOLDEN");
  const bool rewrite = update != nullptr && std::string_view(update) == "1";
  std::size_t begin = readme.find("\n```\n");
  for (; begin != std::string::npos; begin = readme.find("\n```\n", begin)) {
    begin += 5;
    const std::size_t end = readme.find("\n```\n", begin - 1) + 1;
    const std::string expected = expectedBlock(readme, begin);
    if (!rewrite) {
      EXPECT_EQ(readme.substr(begin, end - begin), expected);
    }
    readme.replace(begin, end - begin, expected);
    begin += expected.size() + 3;
  }
  if (rewrite) std::ofstream(README_FILE, std::ios::binary) << readme;
}

}  // namespace
