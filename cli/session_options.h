// The options that shape a session of either program: the seed, a fixed
// question type, the number of questions, and a printable worksheet, or
// one of its parts, in place of the dialogue. Each program's option table takes
// them with sessionOptions, for its own settings, which hold a SessionOptions
// as `session` and their highest question type as `types`.
#ifndef REACTION_DRILL_CLI_SESSION_OPTIONS_H_
#define REACTION_DRILL_CLI_SESSION_OPTIONS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats.h"
#include "menu.h"
#include "options.h"
#include "text.h"

struct SessionOptions {
  std::optional<std::uint64_t> seed;   // none: a fresh one
  std::optional<std::uint32_t> type;   // none: ask with the menu
  std::optional<std::uint32_t> count;  // none: until input ends
  QuestionNumbers picks;               // none: every question of the seed
  bool worksheet = false;
  const SheetFormat* format = nullptr;   // only with a worksheet
  const SheetPartName* parts = nullptr;  // only with a worksheet

  // How many questions: those picked, else those counted; none: until
  // input ends.
  [[nodiscard]] std::optional<std::uint32_t> questions() const {
    if (!picks.empty()) return static_cast<std::uint32_t>(picks.size());
    return count;
  }
};

// Each reads one option's value into `s`; false, with what is wrong in
// `error`, for a value it does not take.
[[nodiscard]] bool readSeed(SessionOptions& s, std::string_view value,
                            std::string& error);
[[nodiscard]] bool readType(SessionOptions& s, std::string_view value,
                            std::uint32_t highest, std::string& error);
[[nodiscard]] bool readCount(SessionOptions& s, std::string_view value,
                             std::string& error);
[[nodiscard]] bool readFormat(SessionOptions& s, std::string_view value,
                              std::string& error);
[[nodiscard]] bool readParts(SessionOptions& s, std::string_view value,
                             std::string& error);
[[nodiscard]] bool readPicks(SessionOptions& s, std::string_view value,
                             std::string& error);

// The row of --questions, which asks again the questions a session missed,
// by their numbers, for a program whose settings hold a SessionOptions as
// `session`.
template <typename Settings>
Option<Settings> picksOption() {
  return {"questions", 0, "N,N",
          "ask only the questions of these numbers (3,7,12)",
          [](Settings& s, std::string_view v, std::string& error) {
            return readPicks(s.session, v, error);
          }};
}

// Whether the options go together; false, with what is wrong in `error`,
// if they do not.
[[nodiscard]] bool checkSession(const SessionOptions& s, std::string& error);

// The worksheet the options ask for, of the questions of `seed`.
SheetRequest sheetRequest(const SessionOptions& s, std::uint64_t seed);

// The usage lines of the session options; `counted` is what --count counts.
struct SessionHelp {
  std::string seed, type, count, worksheet, format, only;
};
SessionHelp sessionHelp(std::uint32_t types, std::string_view counted);

// The rows of the session options in the option table of `Settings`.
template <typename Settings>
std::vector<Option<Settings>> sessionOptions(std::string_view counted) {
  SessionHelp help = sessionHelp(Settings::types, counted);
  return {
      {"seed", 's', "N", std::move(help.seed),
       [](Settings& s, std::string_view v, std::string& error) {
         return readSeed(s.session, v, error);
       }},
      {"type", 't', "T", std::move(help.type),
       [](Settings& s, std::string_view v, std::string& error) {
         return readType(s.session, v, Settings::types, error);
       }},
      {"count", 'n', "N", std::move(help.count),
       [](Settings& s, std::string_view v, std::string& error) {
         return readCount(s.session, v, error);
       }},
      {"worksheet", 'w', "", std::move(help.worksheet),
       [](Settings& s, std::string_view /*v*/, std::string& /*error*/) {
         s.session.worksheet = true;
         return true;
       }},
      {"format", 0, "F", std::move(help.format),
       [](Settings& s, std::string_view v, std::string& error) {
         return readFormat(s.session, v, error);
       }},
      {"only", 0, "P", std::move(help.only),
       [](Settings& s, std::string_view v, std::string& error) {
         return readParts(s.session, v, error);
       }},
  };
}

#endif  // REACTION_DRILL_CLI_SESSION_OPTIONS_H_
