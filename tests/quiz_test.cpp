// The formula quiz: marking through named ions, and whole sessions, whose
// questions depend on the seed, checked for their shape.
#include "quiz.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "dialogue_checks.h"
#include "ion.h"
#include "questions.h"
#include "transcript.h"

namespace {

int quiz(std::istream& in, std::ostream& out) { return runQuiz(in, out); }

struct Marking {
  Question question;
  std::string answer;
  std::string verdict;
};

Question ionQuestion(const char* name) {
  Question q;
  q.type = ionFormula;
  q.single = named(name);
  return q;
}

Question compoundQuestion(unsigned type, const char* cation,
                          const char* anion) {
  Question q;
  q.type = type;
  q.cation = named(cation);
  q.anion = named(anion);
  return q;
}

TEST(Questions, MarkEveryTypeOfAnswer) {
  const auto compound = [](const char* c, const char* a) {
    return compoundQuestion(compoundFormula, c, a);
  };
  const auto dissolves = [](const char* c, const char* a) {
    return compoundQuestion(solubility, c, a);
  };
  const std::vector<Marking> table = {
      {ionQuestion("iron(III)"), "Fe3+", "Correct.\n"},
      {ionQuestion("sulphate"), "so42-", "Close; correct answer is SO42-\n"},
      {ionQuestion("copper(III)"), "Cu2+",
       "Incorrect; correct answer is Cu3+\n"},
      {compound("iron(III)", "sulphate"), "Fe2(SO4)3", "Correct.\n"},
      {compound("copper(III)", "nitride"), "cun",
       "Close; correct answer is CuN\n"},
      {compound("gold", "sulphate"), "Au2SO4",
       "Incorrect; correct answer is AuSO4\n"},
      // Blanks count: an answer is marked exactly as typed.
      {compound("sodium", "chloride"), " NaCl",
       "Incorrect; correct answer is NaCl\n"},
      // Only the first letter counts, in either case; an empty answer is
      // wrong.
      {dissolves("barium", "nitrate"), "yes", "Correct.\n"},
      {dissolves("magnesium", "phosphate"), "N", "Correct.\n"},
      {dissolves("zinc", "bromide"), "no", "Incorrect; ZnBr2 is soluble\n"},
      {dissolves("copper(II)", "carbonate"), "",
       "Incorrect; CuCO3 is insoluble\n"},
      {dissolves("magnesium", "bicarbonate"), "y", "Correct.\n"},
  };
  for (const Marking& m : table) {
    std::ostringstream out;
    EXPECT_EQ(markAnswer(m.question, m.answer, out), m.verdict == "Correct.\n");
    EXPECT_EQ(out.str(), m.verdict) << m.answer;
  }
}

std::string session(const std::string& input, unsigned seed = 3) {
  initIons();
  seedChance(seed);
  std::istringstream in(input);
  std::ostringstream out;
  EXPECT_EQ(runQuiz(in, out), 0) << input.substr(0, 20);
  return out.str();
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Quiz, EndsOnQuitOrEndOfInputWhateverTheLinesHold) {
  const std::string none = "Formula: Score: 0 of 0 correct\n";
  const std::string one = "Formula: Score: 0 of 1 correct\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1\nquit\n", none},
      {"1\nquit", none},
      {"1\n", "Formula: \nScore: 0 of 0 correct\n"},
      // quit in any letter case and with blanks around it, and a Windows
      // line break, all quit.
      {"1\nQuit\n", none},
      {"1\n \t QUIT \t\n", none},
      {"1\nquit\r\n", none},
      {"1\nquit please\nquit\n", one},
      {"1\nq uit\nquit\n", one},
      {"1\n" + std::string(100000, 'F') + "\nquit\n", one},
      {"1\nquit" + std::string(100000, ' ') + "x\nquit\n", one},
      {std::string("1\nFe3+\0\xff\x1b\r\nquit\n", 16), one},
  };
  for (const auto& [input, end] : cases) {
    const std::string text = session(input);
    EXPECT_EQ(text.substr(0, quizMenu.size()), quizMenu);
    EXPECT_TRUE(endsWith(text, end)) << input.substr(0, 20) << "\n" << text;
  }
}

TEST(Quiz, CountsTheRightAnswers) {
  // The first ion question of a seed, answered right and then wrong.
  const std::string first = session("1\nquit\n", 7);
  const std::size_t name = first.rfind("Ion: ") + 5;
  const Ion asked = named(first.substr(name, first.find('\n', name) - name));
  const std::string text =
      session("1\n" + asked.makeFormula() + "\r\nwrong\nquit\n", 7);
  EXPECT_NE(text.find("Formula: Correct.\n"), std::string::npos);
  EXPECT_TRUE(endsWith(text, "Score: 1 of 2 correct\n")) << text;
}

TEST(Quiz, EndOfInputBeforeTheChoiceEndsQuietly) {
  expectQuietEndBeforeTheChoice(quiz, quizMenu);
}

TEST(Quiz, StopsWhenOutputCanNoLongerBeWritten) {
  expectStopWhenOutputFails(quiz);
}

// Over many draws of each type: never a name that hides the charge, never
// a solubility the rules cannot tell, and every other ion still asked.
TEST(Questions, AskOnlyWhatHasOneRightAnswer) {
  initIons();
  seedChance(1);
  const std::set<std::string> hidden = {"iron", "copper"};
  std::set<std::string> ions;
  std::set<std::string> cations;
  std::set<std::string> anions;
  for (unsigned type = 1; type <= questionTypes; ++type) {
    for (int i = 0; i < 5000; ++i) {
      const Question q = drawQuestion(type);
      const std::string& cation =
          type == ionFormula ? q.single.name : q.cation.name;
      ASSERT_EQ(hidden.count(cation), 0U) << cation;
      if (type == ionFormula) ions.insert(q.single.name);
      if (type == solubility) {
        ASSERT_NE(isSolubleChar(q.cation, q.anion), noRule)
            << q.cation.name << ' ' << q.anion.name;
        cations.insert(q.cation.name);
        anions.insert(q.anion.name);
      }
    }
  }
  EXPECT_EQ(ions.size(), 37U);
  EXPECT_EQ(cations.size(), 23U);
  // Nitride and phosphide still come up, with the cations whose salts
  // always dissolve.
  EXPECT_EQ(anions.size(), 14U);
}

}  // namespace
