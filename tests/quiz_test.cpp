// The formula quiz: every kind marking its answers, and whole sessions, whose
// questions depend on the seed, checked for their shape.
#include "quiz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "dialogue_checks.h"
#include "ion.h"
#include "quiz_session.h"
#include "quiz_types.h"
#include "transcript.h"
#include "typing_notes.h"

namespace {

int quiz(std::istream& in, std::ostream& out) { return runQuiz(in, out, 1); }

// A formula with its digits as Unicode subscripts, and a charge (whatever
// stands from the first sign on) in braces: "Al₂(SO₄)₃", "Fe^{3+}".
std::string inUnicode(const std::string& formula) {
  std::string text;
  const std::size_t sign = formula.find_first_of("+-");
  for (std::size_t k = 0; k < formula.size() && k < sign; ++k) {
    const char c = formula[k];
    text += c >= '0' && c <= '9'
                ? std::string("\xE2\x82") + static_cast<char>(0x80 + c - '0')
                : std::string(1, c);
  }
  return sign == std::string::npos ? text
                                   : text + "^{" + formula.substr(sign) + "}";
}

// Marks `typed` to `q` with its verdict's line written to `out`, as the
// dialogue writes it; whether it is right.
bool mark(const QuizQuestion& q, const std::string& typed, std::ostream& out) {
  const Verdict v = markAnswer(q, typed);
  out << verdictText(v) << '\n';
  return v.grade == Grade::right;
}

// Every kind marks its own right answer right (for a solubility, its first
// letter as y or n; for a formula, also between blanks and in Unicode), and
// a wrong one wrong with the right answer named. A net ionic question asks
// for the formula equation where nothing dissolves.
TEST(Questions, EveryKindMarksItsOwnAnswer) {
  seedChance(5);
  for (unsigned type = 1; type <= questionTypes; ++type) {
    for (int k = 0; k < 500; ++k) {
      const QuizQuestion q = drawQuestion(type);
      const std::string& right = q.answer.text;
      const std::string typed = q.prompt != "Soluble? (y/n):" ? right
                                : right[0] == 's'             ? "y"
                                                              : "n";
      std::ostringstream verdicts;
      ASSERT_TRUE(mark(q, typed, verdicts)) << q.line.text << ": " << typed;
      ASSERT_FALSE(mark(q, "x", verdicts));
      ASSERT_EQ(verdicts.str().substr(0, 10), "Correct.\nI") << q.line.text;
      ASSERT_NE(verdicts.str().find(right), std::string::npos) << q.line.text;
      if (q.prompt == "Formula:") {
        ASSERT_TRUE(mark(q, " " + inUnicode(right) + " ", verdicts)) << right;
      }
      // Where nothing dissolves into ions there is no net ionic equation.
      if (type == 5 && q.prompt == "Equation:") {
        ASSERT_TRUE(right.find("+(") == std::string::npos &&
                    right.find("-(") == std::string::npos)
            << q.line.text;
      }
    }
  }
}

std::string session(const std::string& input, unsigned seed = 3) {
  std::istringstream in(input);
  std::ostringstream out;
  EXPECT_EQ(runQuiz(in, out, seed), 0) << input.substr(0, 20);
  return out.str();
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Quiz, EndsOnQuitOrEndOfInputWhateverTheLinesHold) {
  const std::string none = "Formula: Score: 0 of 0 correct\n";
  const std::string one =
      "Formula: Score: 0 of 1 correct\n"
      "All types: right 0 of 1 (0%), close 0 (0%), wrong 1 (100%)\n"
      "Practise these again: formula-quiz --seed 3 --type 1 --questions 1\n";
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
  // The first ion question of a seed, answered right after a blank line and
  // a hint, which count for nothing, and then wrong.
  const std::string first = session("1\nquit\n", 7);
  const std::size_t name = first.rfind("Ion: ") + 5;
  const Ion asked = named(first.substr(name, first.find('\n', name) - name));
  const std::string text =
      session("1\n \nhint\n" + asked.makeFormula() + "\r\nwrong\nquit\n", 7);
  EXPECT_NE(text.find("Formula: Hints are given at equation questions.\n"
                      "Formula: Correct.\n"),
            std::string::npos)
      << text;
  EXPECT_TRUE(endsWith(
      text,
      "Score: 1 of 2 correct\n"
      "All types: right 1 of 2 (50%), close 0 (0%), wrong 1 (50%)\n"
      "Practise these again: formula-quiz --seed 7 --type 1 --questions 2\n"))
      << text;
}

// Two hints, then none left; the right answer after them counts, and the
// score says so.
TEST(Quiz, HintsTeachAndTheScoreCountsThem) {
  const std::string probe = session("4\nx\nquit\n", 8);
  const std::size_t at = probe.find("answer is ") + 10;
  const std::string right = probe.substr(at, probe.find('\n', at) - at);
  const std::string text =
      session("4\n hint\nHINT\nhint\n" + right + "\nquit\n", 8);
  const std::size_t first = text.find("Equation: Hint:\n  (");
  const std::size_t second = text.find("Equation: Hint:\n  ", first + 1);
  EXPECT_NE(first, std::string::npos) << text;
  EXPECT_NE(second, std::string::npos) << text;
  EXPECT_NE(text.find("Equation: No more hints are left.\nEquation: Correct."),
            std::string::npos)
      << text;
  EXPECT_TRUE(endsWith(text,
                       "Score: 1 of 1 correct (1 after a hint)\nAll types: "
                       "right 1 of 1 (100%), close 0 (0%), wrong 0 (0%)\n"));
}

// The question lines of a quiz's transcript, in order.
std::vector<std::string> questionLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Ion: ", 0) == 0 || line.rfind("Compound: ", 0) == 0 ||
        line.rfind("Reactants: ", 0) == 0) {
      lines.push_back(line);
    }
  }
  return lines;
}

// Over seeds of random types, every third answer right: the command at the
// end asks again exactly the questions missed, by the seed's numbers.
TEST(Quiz, PractisesAgainExactlyTheQuestionsMissed) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    QuizSession probe(seed, 0);
    std::string input;
    for (int k = 0; k < 12; ++k) {
      const QuizQuestion q = probe.next();
      const std::string& right = q.answer.text;
      const std::string yesNo = right[0] == 's' ? "y" : "n";
      input += k % 3 != 0 ? "x" : q.form->typingKeys ? right : yesNo;
      input += '\n';
    }
    QuizSettings settings;
    settings.session.type = 0;
    std::istringstream in(input);
    std::ostringstream out;
    runQuiz(in, out, seed, settings);
    const std::string text = out.str();
    const std::size_t at = text.find("--questions ") + 12;
    ASSERT_TRUE(readQuestionNumbers(text.substr(at, text.find('\n', at) - at),
                                    settings.session.picks))
        << text;
    const std::vector<std::string> all = questionLines(text);
    std::vector<std::string> missed;
    for (const std::uint32_t n : settings.session.picks) {
      EXPECT_NE(n % 3, 1U) << text;
      missed.push_back(all[n - 1]);
    }
    EXPECT_EQ(settings.session.picks.size(), 8U) << text;
    std::istringstream again(input);
    std::ostringstream asked;
    runQuiz(again, asked, seed, settings);
    EXPECT_EQ(questionLines(asked.str()), missed);
  }
}

TEST(Quiz, EndOfInputBeforeTheChoiceEndsQuietly) {
  expectQuietEndBeforeTheChoice(quiz, quizMenu);
}

TEST(Quiz, StopsWhenOutputCanNoLongerBeWritten) {
  expectStopWhenOutputFails(quiz);
}

// Over many draws of each type: never a name that hides the charge, never
// copper(III), never whether a salt that reacts with water dissolves, and
// every other ion still asked.
TEST(Questions, AskOnlyWhatHasOneRightAnswer) {
  seedChance(1);
  std::set<std::string> ions;
  std::set<std::string> cations;
  std::set<std::string> anions;
  for (unsigned type = 1; type <= 3; ++type) {
    for (int i = 0; i < 5000; ++i) {
      const QuizQuestion q = drawQuestion(type);
      std::istringstream line(q.line.text.substr(q.line.text.find(' ') + 1));
      std::string cation;
      std::string anion;
      line >> cation >> anion;
      ASSERT_TRUE(cation != "iron" && cation != "copper" &&
                  cation != "copper(III)")
          << q.line.text;
      if (type == 1) ions.insert(cation);
      if (type == 3) {
        ASSERT_NE(q.answer.text, "<an error occurred>") << q.line.text;
        ASSERT_FALSE(
            anion == "nitride" || anion == "phosphide" ||
            (anion == "oxide" &&
             isListed("potassium sodium lithium barium", cation)) ||
            (anion == "sulfide" &&
             isListed("beryllium magnesium aluminium chromium(III)", cation)))
            << q.line.text;
        cations.insert(cation);
        anions.insert(anion);
      }
    }
  }
  EXPECT_EQ(ions.size(), 37U);
  EXPECT_EQ(cations.size(), 23U);
  EXPECT_EQ(anions.size(), 12U);
}

}  // namespace
