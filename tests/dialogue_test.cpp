// The console dialogue, driven in-process with a fixed seed.
#include "dialogue.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "console.h"
#include "dialogue_checks.h"
#include "ion.h"
#include "question.h"
#include "transcript.h"

namespace {

int drill(std::istream& in, std::ostream& out) { return runDrill(in, out, 1); }

struct Session {
  int status;
  std::string output;
};

Session runWith(const std::string& input, unsigned seed = 1) {
  std::istringstream in(input);
  std::ostringstream out;
  const int status = runDrill(in, out, seed);
  return {status, out.str()};
}

// The blocks of a session; fails the test if the start-up text differs or
// any block is malformed.
std::vector<Block> blocksOf(const Session& s) {
  std::vector<Block> blocks;
  EXPECT_EQ(s.output.substr(0, drillStartup.size()), drillStartup);
  EXPECT_TRUE(parseBlocks(
      std::string_view(s.output).substr(drillStartup.size()), blocks))
      << s.output;
  return blocks;
}

TEST(MenuChoice, ReadsTheLeadingNumberLikeAtoi) {
  const std::vector<std::pair<std::string, unsigned>> cases = {
      {"3", 3},
      {" 5", 5},
      {"7a", 7},
      {"+4", 4},
      {"8", 8},
      {"\t\v\f\r 2", 2},
      {"000000000000000000000000001", 1},
      {std::string("6\0x", 3), 6},
      {"0", 0},
      {"9", 0},
      {"-1", 0},
      {"-0", 0},
      {"abc", 0},
      {"", 0},
      {"- 3", 0},
      {"+-3", 0},
      {std::string("\0"
                   "5",
                   2),
       0},
      {"4294967297", 0},  // 1 if it wrapped around
      {"-4294967295", 0},
      {"99999999999999999999999999", 0},
  };
  for (const auto& [line, choice] : cases) {
    for (const char* end : {"\n", "", "\n9\n"}) {
      std::istringstream in(line + end);
      unsigned read = 99;
      if (line.empty() && *end == '\0') {
        EXPECT_FALSE(readChoice(in, 8, read)) << "no line at all";
      } else {
        EXPECT_TRUE(readChoice(in, 8, read));
        EXPECT_EQ(read, choice) << '"' << line << '"';
      }
    }
  }
}

TEST(Dialogue, ShowsTheWorkedExampleExactly) {
  unsigned seed = 1;
  do {
    seedChance(++seed);
    makeQuestion(1);
  } while (question != "hydrochloric acid + sodium hydroxide");

  const Session s = runWith("1\n", seed);
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.output, std::string(drillStartup) +
                          "Question: hydrochloric acid + sodium hydroxide\n"
                          "(acid + base -> salt + water)\n"
                          "Products, including spectators:  sodium chloride "
                          "+ water\n"
                          "Answer, ionic:\n"
                          "  hydrogen ions + hydroxide ions -> water\n"
                          "\n"
                          "\n");
}

// The captions reaction type `type` can show, its own or why nothing
// reacts, from every draw it can make.
const std::set<std::string>& captionsOf(unsigned type) {
  static std::vector<std::set<std::string>> captions(reactionTypes + 1);
  const ReactionType& t = reactionType(type);
  if (captions[type].empty()) {
    t.everyDraw(
        [&](const Reactants& r) { captions[type].insert(t.compose(r).qtype); });
  }
  return captions[type];
}

TEST(Dialogue, ChoiceFixesTheTypeOrMakesItRandom) {
  std::vector<std::pair<std::string, unsigned>> choices = {
      {"3", 3},  {" 5", 5},  {"7x", 7}, {"1", 1},         {"0", 0},
      {"-1", 0}, {"abc", 0}, {"", 0},   {"4294967297", 0}};
  // The last type, and the first number past it.
  choices.emplace_back(std::to_string(reactionTypes), reactionTypes);
  choices.emplace_back(std::to_string(reactionTypes + 1), 0);
  const std::size_t pauses = 400;
  for (const auto& [line, type] : choices) {
    std::string input = line;
    input.append(1 + pauses, '\n');
    const Session s = runWith(input);
    const std::vector<Block> blocks = blocksOf(s);
    ASSERT_EQ(blocks.size(), pauses + 1) << line;
    std::set<unsigned> typesSeen;
    for (const Block& b : blocks) {
      for (unsigned t = 1; t <= reactionTypes; ++t) {
        if (captionsOf(t).count(b.qtype) == 1) typesSeen.insert(t);
      }
      ASSERT_TRUE(type == 0 || captionsOf(type).count(b.qtype) == 1) << b.qtype;
      ASSERT_EQ(b.question.find("<an error occurred>"), std::string::npos);
    }
    EXPECT_EQ(typesSeen.size(), type == 0 ? reactionTypes : 1U) << line;
  }
}

TEST(Dialogue, EveryLineIsOnePauseWhateverItHolds) {
  const std::vector<std::pair<std::string, std::size_t>> inputs = {
      {"8\n" + std::string(100000, 'x') + "\n", 2},
      {std::string("5\n\0\xff\r\n\x1b[A\n", 10), 3},
      {"2\nno line break at the end", 2},
      {"2\n\n\n\n", 4},
      {"2", 1},
      {"\n", 1},
  };
  for (const auto& [input, blocks] : inputs) {
    const Session s = runWith(input);
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(blocksOf(s).size(), blocks);
  }
}

// A type from the command line skips the menu, and a count ends the drill
// however much input is left.
TEST(Dialogue, TypeAndCountFromTheCommandLine) {
  DrillSettings settings;
  settings.session.type = 8;
  settings.session.count = 3;
  EndlessEmptyLines endless;
  std::istream in(&endless);
  std::ostringstream out;
  EXPECT_EQ(runDrill(in, out, 1, settings), 0);
  const std::string start =
      "Press enter to reveal the answer to each question.\n\n";
  ASSERT_EQ(out.str().substr(0, start.size()), start);
  std::vector<Block> blocks;
  ASSERT_TRUE(parseBlocks(out.str().substr(start.size()), blocks));
  EXPECT_EQ(blocks.size(), 3U);
  for (const Block& b : blocks) {
    EXPECT_EQ(b.qtype, "combustion in air -> combine with oxygen");
  }
}

TEST(Dialogue, EndOfInputBeforeTheChoiceEndsQuietly) {
  expectQuietEndBeforeTheChoice(
      drill, drillStartup.substr(0, drillStartup.find("\nPress enter")));
}

TEST(Dialogue, StopsWhenOutputCanNoLongerBeWritten) {
  expectStopWhenOutputFails(drill);
}

}  // namespace
