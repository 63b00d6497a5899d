// cli/: the command line both programs share. It includes console/,
// worksheets/ and what they include.
//
// What the main of each console program does once its options are read:
// check them, then write a worksheet or run the dialogue, with the seed
// given or a fresh one.
#ifndef REACTION_DRILL_CLI_PROGRAM_H_
#define REACTION_DRILL_CLI_PROGRAM_H_

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "formats.h"
#include "options.h"
#include "session_options.h"
#include "standard_input.h"

// A program's worksheet as `request` asks for it.
using SheetWriter = std::function<std::string(const SheetRequest& request)>;

// A program's dialogue, its questions drawn from `seed`.
using SessionDialogue =
    std::function<int(std::istream& in, std::ostream& out, std::uint64_t seed)>;

// Where a program meets its user: standard output and error, and how a
// dialogue of the program named `program` runs on its input and output.
// standardConsole is the real one; a test makes one of strings.
struct Console {
  std::ostream& out;
  std::ostream& err;
  std::function<int(std::string_view program, const Dialogue& dialogue)>
      converse;
};

// std::cout, std::cerr, and dialogues run by runOnStandardStreams.
Console standardConsole();

// Runs the session `session` asks for and returns the exit status: 2 after
// one line on `console.err` for options that do not go together, else the
// worksheet on `console.out`, or `dialogue` as `console` runs it.
int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const SessionDialogue& dialogue,
               const Console& console);

#endif  // REACTION_DRILL_CLI_PROGRAM_H_
