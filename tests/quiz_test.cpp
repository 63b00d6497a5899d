// The formula quiz, driven in-process with fixed seeds.
#include "quiz.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dialogue_checks.h"
#include "ion.h"
#include "questions.h"
#include "transcript.h"

namespace {

const std::string quizStartup =
    std::string(quizMenu) +
    "\nType each answer and press enter; type quit to finish.\n\n";

struct Session {
  int status;
  std::string output;
};

Session runWith(const std::string& input, unsigned seed) {
  initIons();
  std::srand(seed);
  std::istringstream in(input);
  std::ostringstream out;
  const int status = runQuiz(in, out);
  return {status, out.str()};
}

struct Script {
  unsigned seed;
  std::string input;
  std::string afterStartup;
};

TEST(Quiz, MarksEveryTypeOfAnswerExactly) {
  const std::vector<Script> scripts = {
      {3, "1\nFe3+\nso42-\nCu2+\nquit\n",
       "Ion: iron(III)\nFormula: Correct.\n\n"
       "Ion: sulphate\nFormula: Close; correct answer is SO42-\n\n"
       "Ion: copper(III)\nFormula: Incorrect; correct answer is Cu3+\n\n"
       "Ion: manganese\nFormula: Score: 1 of 3 correct\n"},
      // Input ends at the fourth question, which does not count.
      {3, "2\nFe2(SO4)3\ncun\nAu2SO4\n",
       "Compound: iron(III) sulphate\nFormula: Correct.\n\n"
       "Compound: copper(III) nitride\n"
       "Formula: Close; correct answer is CuN\n\n"
       "Compound: gold sulphate\n"
       "Formula: Incorrect; correct answer is AuSO4\n\n"
       "Compound: potassium carbonate\nFormula: \n"
       "Score: 1 of 3 correct\n"},
      // Only the first letter counts, in either case; an empty answer is
      // wrong.
      {2, "3\nyes\nN\nno\n\nquit\n",
       "Compound: barium nitrate\nSoluble? (y/n): Correct.\n\n"
       "Compound: magnesium phosphate\nSoluble? (y/n): Correct.\n\n"
       "Compound: zinc bromide\n"
       "Soluble? (y/n): Incorrect; ZnBr2 is soluble\n\n"
       "Compound: copper carbonate\n"
       "Soluble? (y/n): Incorrect; CuCO3 is insoluble\n\n"
       "Compound: lithium oxide\nSoluble? (y/n): Score: 2 of 4 correct\n"},
      // A choice that is not 1 to 3 draws a type before every question.
      {7, "abc\nZn2+\nYES\nfe2+\nFe(HCO3)2\nquit\n",
       "Ion: zinc\nFormula: Correct.\n\n"
       "Compound: sodium hydroxide\nSoluble? (y/n): Correct.\n\n"
       "Ion: iron(II)\nFormula: Close; correct answer is Fe2+\n\n"
       "Compound: iron bicarbonate\nFormula: Correct.\n\n"
       "Compound: potassium phosphate\nFormula: Score: 3 of 4 correct\n"},
  };
  for (const Script& script : scripts) {
    const Session s = runWith(script.input, script.seed);
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.output, quizStartup + script.afterStartup) << script.input;
  }
}

TEST(Quiz, EndsOnQuitOrEndOfInputWhateverTheLinesHold) {
  const std::string first = "Ion: iron(III)\nFormula: ";  // seed 3, type 1
  const std::string wrong = "Incorrect; correct answer is Fe3+\n\n";
  const std::string second = "Ion: sulphate\nFormula: ";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1\nquit\n", first + "Score: 0 of 0 correct\n"},
      {"1\nquit", first + "Score: 0 of 0 correct\n"},
      {"1\n", first + "\nScore: 0 of 0 correct\n"},
      {"1\nFe3+",
       first + "Correct.\n\n" + second + "\nScore: 1 of 1 correct\n"},
      // Only the exact word quits; anything else is an answer.
      {"1\nQUIT\n quit\nquit \n",
       first + wrong + second +
           "Incorrect; correct answer is SO42-\n\n"
           "Ion: copper(III)\nFormula: Incorrect; correct answer is Cu3+\n\n"
           "Ion: manganese\nFormula: \nScore: 0 of 3 correct\n"},
      {"1\n" + std::string(100000, 'F') + "\nquit\n",
       first + wrong + second + "Score: 0 of 1 correct\n"},
      {"1\nquit" + std::string(100000, ' ') + "\nquit\n",
       first + wrong + second + "Score: 0 of 1 correct\n"},
      {std::string("1\nFe3+\0\xff\x1b\r\nquit\n", 16),
       first + wrong + second + "Score: 0 of 1 correct\n"},
      {std::string("3\ny\0\xff\nquit\n", 11),
       "Compound: iron(III) sulphate\nSoluble? (y/n): Correct.\n\n"
       "Compound: gold sulphate\nSoluble? (y/n): Score: 1 of 1 correct\n"},
  };
  for (const auto& [input, afterStartup] : cases) {
    const Session s = runWith(input, 3);
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.output, quizStartup + afterStartup) << input.substr(0, 20);
  }
}

TEST(Quiz, EndOfInputBeforeTheChoiceEndsQuietly) {
  expectQuietEndBeforeTheChoice(runQuiz, quizMenu);
}

TEST(Quiz, StopsWhenOutputCanNoLongerBeWritten) {
  expectStopWhenOutputFails(runQuiz);
}

TEST(Questions, SolubilityIsNeverAskedWhereTheRulesCannotTell) {
  initIons();
  std::srand(1);
  std::set<std::string> anions;
  for (int i = 0; i < 5000; ++i) {
    const Question q = drawQuestion(solubility);
    ASSERT_NE(isSolubleChar(q.cation, q.anion), noRule)
        << q.cation.name << ' ' << q.anion.name;
    anions.insert(q.anion.name);
  }
  // Nitride, phosphide and bicarbonate still come up, with the cations whose
  // salts always dissolve.
  EXPECT_EQ(anions.size(), 14U);
}

}  // namespace
