// The options that shape a session of either program: the seed, a fixed
// question type, the number of questions, and a printable worksheet in
// place of the dialogue. Each program's option table lists them with its
// own settings, which hold a SessionOptions as `session` and their highest
// question type as `types`.
#ifndef REACTION_DRILL_CONSOLE_SESSION_OPTIONS_H_
#define REACTION_DRILL_CONSOLE_SESSION_OPTIONS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "options.h"
#include "worksheet.h"

struct SessionOptions {
  std::optional<std::uint64_t> seed;   // none: a fresh one
  std::optional<std::uint32_t> type;   // none: ask with the menu
  std::optional<std::uint32_t> count;  // none: until input ends
  bool worksheet = false;
  std::optional<SheetFormat> format;  // only with a worksheet
};

// "text", "markdown" or "html", as --format takes it.
std::string_view formatName(SheetFormat f);

// The most questions a worksheet holds, and how many it holds unless told.
inline constexpr std::uint32_t maxSheetQuestions = 1000;
inline constexpr std::uint32_t defaultSheetQuestions = 10;

// `text` as a number from 0 to `highest`: decimal digits only, no sign,
// blank or base prefix. Nothing if it is not one.
std::optional<std::uint64_t> decimal(std::string_view text,
                                     std::uint64_t highest);

OptionError readSeed(SessionOptions& s, std::string_view value);
OptionError readType(SessionOptions& s, std::string_view value,
                     std::uint32_t highest);
OptionError readCount(SessionOptions& s, std::string_view value);
OptionError readFormat(SessionOptions& s, std::string_view value);

// What is wrong with the options taken together, or nothing.
OptionError checkSession(const SessionOptions& s);

// The rows of the session options in an option table of `Settings`.
template <typename Settings>
OptionError seedOption(Settings& s, std::string_view value) {
  return readSeed(s.session, value);
}
template <typename Settings>
OptionError typeOption(Settings& s, std::string_view value) {
  return readType(s.session, value, Settings::types);
}
template <typename Settings>
OptionError countOption(Settings& s, std::string_view value) {
  return readCount(s.session, value);
}
template <typename Settings>
OptionError worksheetOption(Settings& s, std::string_view /*value*/) {
  s.session.worksheet = true;
  return std::nullopt;
}
template <typename Settings>
OptionError formatOption(Settings& s, std::string_view value) {
  return readFormat(s.session, value);
}

#endif  // REACTION_DRILL_CONSOLE_SESSION_OPTIONS_H_
