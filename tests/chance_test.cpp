// The generator against its algorithm's published reference output, and
// sessions that draw from it.
#include "chance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drill_session.h"
#include "quiz_session.h"

namespace {

TEST(Pcg32, GivesTheReferenceOutput) {
  Pcg32 g(42, 54);
  const std::vector<std::uint32_t> reference = {
      0xa15c02b7, 0x7b47f409, 0xba1d3330, 0x83d2f293, 0xbfa4784b, 0xcbed606e};
  for (const std::uint32_t expected : reference) EXPECT_EQ(g.next(), expected);
}

TEST(Pcg32, SameSeedSameNumbers) {
  const auto firstTen = [](std::uint64_t seed) {
    seedChance(seed);
    std::vector<std::uint32_t> numbers;
    numbers.reserve(10);
    for (int k = 0; k < 10; ++k) numbers.push_back(randomBelow(1000));
    return numbers;
  };
  EXPECT_EQ(firstTen(18446744073709551615ULL),
            firstTen(18446744073709551615ULL));
  EXPECT_NE(firstTen(0), firstTen(1));
}

// The questions of seed 42, from a session made before main: before any
// other code of the programs or the tests has run.
std::vector<std::string> firstQuestions() {
  DrillSession drill(42, 0);
  QuizSession quiz(42, 0);
  std::vector<std::string> asked;
  for (int k = 0; k < 20; ++k) {
    asked.push_back(drill.next().texts.question);
    asked.push_back(quiz.next().line.text);
  }
  return asked;
}
const std::vector<std::string> askedBeforeMain = firstQuestions();

TEST(Sessions, GiveTheQuestionsOfTheirSeedWhenEverMade) {
  seedChance(7);
  randomBelow(5);
  EXPECT_EQ(firstQuestions(), askedBeforeMain);
}

}  // namespace
