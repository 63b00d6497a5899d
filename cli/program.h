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

#include "formats.h"
#include "options.h"
#include "session_options.h"

// A program's worksheet as `request` asks for it.
using SheetWriter = std::function<std::string(const SheetRequest& request)>;

// A program's dialogue, its questions drawn from `seed`.
using SessionDialogue =
    std::function<int(std::istream& in, std::ostream& out, std::uint64_t seed)>;

// Runs the session `session` asks for and returns the exit status: 2 after
// one line on standard error for options that do not go together, else the
// worksheet on standard output, or `dialogue` on the standard streams.
int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const SessionDialogue& dialogue);

#endif  // REACTION_DRILL_CLI_PROGRAM_H_
