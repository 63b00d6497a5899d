// The README's sessions are what the programs write. A fenced block starts
// with "$ command", or follows "<!-- transcript: command; typed: a | b -->";
// it runs in-process as on a terminal, which echoes what is typed, with
// Enter pressed whenever more is asked. With UPDATE_GOLDEN=1 the test writes
// the blocks instead, as seed_e2e.sh writes the golden files.
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
#include "typing_notes.h"

namespace {

// A terminal's keyboard: hands out `typed`, then Enter a hundred times at
// most, and echoes each character to `screen` as it is read.
class Keyboard : public std::streambuf {
 public:
  Keyboard(const std::string& typed, std::ostream& screen)
      : typed_(typed + std::string(100, '\n')), screen_(screen) {}

 private:
  int_type underflow() override {
    return at_ < typed_.size() ? traits_type::to_int_type(typed_[at_])
                               : traits_type::eof();
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

// The terminal after `command` ("formula-quiz --seed 5"), with `typed`.
std::string terminal(const std::string& command, const std::string& typed) {
  std::istringstream words(command);
  std::vector<std::string> args((std::istream_iterator<std::string>(words)),
                                std::istream_iterator<std::string>());
  const bool quiz = args.at(0).find("formula-quiz") != std::string::npos;
  args.erase(args.begin());
  std::ostringstream screen;
  Keyboard keys(typed, screen);
  std::istream in(&keys);
  (quiz ? formulaQuiz : reactionDrill)(
      args, {screen, screen, [&](std::string_view, const Dialogue& dialogue) {
               return dialogue(in, screen);
             }});
  return screen.str();
}

// What a block should hold, given the line before it and its first line.
std::string expected(const std::string& before, const std::string& first) {
  const std::string lead = "<!-- transcript: ";
  if (before.rfind(lead, 0) != 0) {
    EXPECT_EQ(first.rfind("$ ", 0), 0U) << "a block that names no command";
    return first + "\n" + terminal(first.substr(2), "");
  }
  const std::string marker =
      before.substr(lead.size(), before.size() - lead.size() - 4);
  const std::size_t split = marker.find("; typed: ");
  std::string keys = marker.substr(split + 9) + "\n";
  for (std::size_t bar; (bar = keys.find(" | ")) != std::string::npos;) {
    keys.replace(bar, 3, "\n");
  }
  return terminal(marker.substr(0, split), keys);
}

TEST(Readme, TheSessionsAreWhatTheProgramsWrite) {
  std::ifstream file(README_FILE);
  std::string readme((std::istreambuf_iterator<char>(file)), {});
  const char* update = std::getenv("UPDATE_GOLDEN");
  const bool rewrite = update != nullptr && std::string_view(update) == "1";
  for (std::size_t fence = readme.find("\n```\n"); fence != std::string::npos;
       fence = readme.find("\n```\n", fence)) {
    const std::size_t line = readme.rfind('\n', fence - 1) + 1;
    const std::size_t begin = fence + 5;
    const std::size_t end = readme.find("\n```\n", begin - 1) + 1;
    const std::string want =
        expected(readme.substr(line, fence - line),
                 readme.substr(begin, readme.find('\n', begin) - begin));
    if (!rewrite) {
      EXPECT_EQ(readme.substr(begin, end - begin), want);
    }
    readme.replace(begin, end - begin, want);
    fence = begin + want.size() + 3;
  }
  if (rewrite) std::ofstream(README_FILE, std::ios::binary) << readme;
}

// The README's list of how to type is the page's note, row for row.
TEST(TypingNotes, TheReadmeListsThemInOrder) {
  std::ifstream file(README_FILE);
  const std::string readme((std::istreambuf_iterator<char>(file)), {});
  std::string list;
  for (const TypingNote& note : typingNotes) {
    list += "- " + std::string(note.what) + ": `" + std::string(note.example) +
            "`\n";
  }
  EXPECT_NE(readme.find(list), std::string::npos) << list;
}

}  // namespace
