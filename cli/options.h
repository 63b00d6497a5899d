// Command lines: a program lists its options in a table, each row with the
// change it makes to the program's settings, and parseOptions reads the
// arguments with the C library's getopt_long. Every program also takes
// -h/--help and -V/--version.
#ifndef REACTION_DRILL_CLI_OPTIONS_H_
#define REACTION_DRILL_CLI_OPTIONS_H_

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// One row of a program's option table.
template <typename Settings>
struct Option {
  std::string_view name;   // the long name, without "--"
  char letter;             // the short name, or 0 for none
  std::string_view value;  // the value's name in the usage, empty for a flag
  std::string help;        // one line for the usage
  // Makes the option's change to `settings`; `value` is empty for a flag.
  // False, with what is wrong in `error`, for a value it does not take.
  bool (*apply)(Settings& settings, std::string_view value, std::string& error);
};

// What the usage says of a program besides its options.
struct ProgramInfo {
  std::string_view name;     // "reaction-drill"
  std::string_view summary;  // one line on what it does
  std::string_view version;  // "1.0.0"
};

// An option table without its settings type, as the parser sees it.
struct OptionRow {
  std::string_view name;
  char letter;
  std::string_view value;
  std::string_view help;
};
using ApplyOption = std::function<bool(std::size_t row, std::string_view value,
                                       std::string& error)>;

// Reads `args` (the program's arguments, without its name) against `rows`,
// calling `apply` for each option in the order given. Returns true when the
// program should run; otherwise false, with the status to exit with at once
// in `status`: 0 after the usage or the version on `out`, 2 after one line
// on `err` naming what is wrong ("reaction-drill: unrecognized option
// '--frobnicate' (try 'reaction-drill --help')").
[[nodiscard]] bool parseOptionRows(const ProgramInfo& program,
                                   const std::vector<OptionRow>& rows,
                                   const std::vector<std::string>& args,
                                   const ApplyOption& apply, std::ostream& out,
                                   std::ostream& err, int& status);

// Writes the one line of a usage error to `err` and returns status 2.
int usageError(const ProgramInfo& program, std::ostream& err,
               const std::string& what);

// parseOptionRows for a typed option table, filling `settings`.
template <typename Settings>
[[nodiscard]] bool parseOptions(const ProgramInfo& program,
                                const std::vector<Option<Settings>>& table,
                                const std::vector<std::string>& args,
                                Settings& settings, std::ostream& out,
                                std::ostream& err, int& status) {
  std::vector<OptionRow> rows;
  for (const Option<Settings>& o : table) {
    rows.push_back({o.name, o.letter, o.value, o.help});
  }
  return parseOptionRows(
      program, rows, args,
      [&](std::size_t row, std::string_view value, std::string& error) {
        return table[row].apply(settings, value, error);
      },
      out, err, status);
}

// The arguments of main, without the program's name.
std::vector<std::string> argumentsOf(int argc, char** argv);

#endif  // REACTION_DRILL_CLI_OPTIONS_H_
