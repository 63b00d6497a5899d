#include "session_options.h"

#include <limits>

namespace {

std::string quoted(std::string_view option, std::string_view value) {
  return "--" + std::string(option) + " '" + std::string(value) + "'";
}

}  // namespace

OptionError readSeed(SessionOptions& s, std::string_view value) {
  constexpr std::uint64_t highest = std::numeric_limits<std::uint64_t>::max();
  s.seed = decimal(value, highest);
  if (s.seed) return std::nullopt;
  return quoted("seed", value) + " is not a number from 0 to " +
         std::to_string(highest);
}

OptionError readType(SessionOptions& s, std::string_view value,
                     std::uint32_t highest) {
  const std::optional<std::uint64_t> type = decimal(value, highest);
  if (!type) {
    return quoted("type", value) + " is not a type from 0 to " +
           std::to_string(highest);
  }
  s.type = static_cast<std::uint32_t>(*type);
  return std::nullopt;
}

OptionError readCount(SessionOptions& s, std::string_view value) {
  constexpr std::uint32_t highest = std::numeric_limits<std::uint32_t>::max();
  const std::optional<std::uint64_t> count = decimal(value, highest);
  if (!count || *count == 0) {
    return quoted("count", value) + " is not a number from 1 to " +
           std::to_string(highest);
  }
  s.count = static_cast<std::uint32_t>(*count);
  return std::nullopt;
}

OptionError readFormat(SessionOptions& s, std::string_view value) {
  s.format = findFormat(value);
  if (s.format != nullptr) return std::nullopt;
  return quoted("format", value) + " is not " + sentenceOf(sheetFormats);
}

OptionError readParts(SessionOptions& s, std::string_view value) {
  s.parts = findParts(value);
  if (s.parts != nullptr) return std::nullopt;
  return quoted("only", value) + " is not " + sentenceOf(sheetPartNames);
}

OptionError checkSession(const SessionOptions& s) {
  if (s.format != nullptr && !s.worksheet) {
    return quoted("format", s.format->name) + " needs --worksheet";
  }
  if (s.parts != nullptr && !s.worksheet) {
    return quoted("only", s.parts->name) + " needs --worksheet";
  }
  if (s.parts != nullptr && s.format != nullptr && !s.format->partsApart) {
    return quoted("only", s.parts->name) + " does not go with " +
           quoted("format", s.format->name) +
           ": a question bank holds each question with its answer";
  }
  if (s.worksheet && s.count && *s.count > maxSheetQuestions) {
    return quoted("count", std::to_string(*s.count)) +
           " is more than a worksheet holds (" +
           std::to_string(maxSheetQuestions) + ")";
  }
  return std::nullopt;
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
  request.count = s.count.value_or(defaultSheetQuestions);
  if (s.parts != nullptr) request.parts = s.parts->parts;
  if (s.format != nullptr) request.format = s.format;
  return request;
}
