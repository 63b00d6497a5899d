#include "session_options.h"

#include <limits>
#include <utility>

namespace {

std::string quoted(std::string_view option, std::string_view value) {
  return "--" + std::string(option) + " '" + std::string(value) + "'";
}

// Sets `error` to `what` and returns false, as every reader does for a
// value it does not take.
bool refuse(std::string& error, std::string what) {
  error = std::move(what);
  return false;
}

}  // namespace

bool readSeed(SessionOptions& s, std::string_view value, std::string& error) {
  constexpr std::uint64_t highest = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t seed = 0;
  if (!decimal(value, highest, seed)) {
    return refuse(error, quoted("seed", value) + " is not a number from 0 to " +
                             std::to_string(highest));
  }
  s.seed = seed;
  return true;
}

bool readType(SessionOptions& s, std::string_view value, std::uint32_t highest,
              std::string& error) {
  std::uint64_t type = 0;
  if (!decimal(value, highest, type)) {
    return refuse(error, quoted("type", value) + " is not a type from 0 to " +
                             std::to_string(highest));
  }
  s.type = static_cast<std::uint32_t>(type);
  return true;
}

bool readCount(SessionOptions& s, std::string_view value, std::string& error) {
  constexpr std::uint32_t highest = std::numeric_limits<std::uint32_t>::max();
  std::uint64_t count = 0;
  if (!decimal(value, highest, count) || count == 0) {
    return refuse(error, quoted("count", value) +
                             " is not a number from 1 to " +
                             std::to_string(highest));
  }
  s.count = static_cast<std::uint32_t>(count);
  return true;
}

bool readFormat(SessionOptions& s, std::string_view value, std::string& error) {
  s.format = findFormat(value);
  return s.format != nullptr ||
         refuse(error, quoted("format", value) + " is not " +
                           sentenceOf(sheetFormats));
}

bool readParts(SessionOptions& s, std::string_view value, std::string& error) {
  s.parts = findParts(value);
  return s.parts != nullptr ||
         refuse(error, quoted("only", value) + " is not " +
                           sentenceOf(sheetPartNames));
}

bool readPicks(SessionOptions& s, std::string_view value, std::string& error) {
  return readQuestionNumbers(value, s.picks) ||
         refuse(error, quoted("questions", value) +
                           " is not a list of question numbers from 1 to " +
                           std::to_string(maxQuestionNumber) +
                           ", rising, separated by commas, at most " +
                           std::to_string(maxPicked) + " of them");
}

bool checkSession(const SessionOptions& s, std::string& error) {
  if (s.count && !s.picks.empty()) {
    return refuse(error, quoted("count", std::to_string(*s.count)) +
                             " does not go with --questions, which says how "
                             "many");
  }
  if (s.format != nullptr && !s.worksheet) {
    return refuse(error,
                  quoted("format", s.format->name) + " needs --worksheet");
  }
  if (s.parts != nullptr && !s.worksheet) {
    return refuse(error, quoted("only", s.parts->name) + " needs --worksheet");
  }
  if (s.parts != nullptr && s.format != nullptr && !s.format->partsApart) {
    return refuse(error,
                  quoted("only", s.parts->name) + " does not go with " +
                      quoted("format", s.format->name) +
                      ": a question bank holds each question with its answer");
  }
  if (s.worksheet && s.count && *s.count > maxSheetQuestions) {
    return refuse(error, quoted("count", std::to_string(*s.count)) +
                             " is more than a worksheet holds (" +
                             std::to_string(maxSheetQuestions) + ")");
  }
  return true;
}

SessionHelp sessionHelp(std::uint32_t types, std::string_view counted) {
  return {
      "draw the questions of seed N (0 to 2^64-1)",
      "ask only type T (0 random, 1 to " + std::to_string(types) + "), no menu",
      "end after N " + std::string(counted),
      "write a worksheet and its key instead",
      "the worksheet as " + sentenceOf(sheetFormats),
      "only the worksheet's " + sentenceOf(sheetPartNames)};
}

SheetRequest sheetRequest(const SessionOptions& s, std::uint64_t seed) {
  SheetRequest request;
  request.seed = seed;
  request.choice = s.type.value_or(0);
  request.count = s.questions().value_or(defaultSheetQuestions);
  request.picks = s.picks;
  if (s.parts != nullptr) request.parts = s.parts->parts;
  if (s.format != nullptr) request.format = s.format;
  return request;
}
