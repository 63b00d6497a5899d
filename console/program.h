// What the main of each console program does once its options are read:
// check them, seed the draws, then write a worksheet or run the dialogue.
#ifndef REACTION_DRILL_CONSOLE_PROGRAM_H_
#define REACTION_DRILL_CONSOLE_PROGRAM_H_

#include <cstdint>
#include <functional>
#include <string>

#include "options.h"
#include "session_options.h"
#include "standard_input.h"

// A program's worksheet of `count` questions of type `choice` from `seed`.
using SheetWriter =
    std::function<std::string(std::uint64_t seed, std::uint32_t choice,
                              std::uint32_t count, SheetFormat format)>;

// Runs the session `session` asks for and returns the exit status: 2 after
// one line on standard error for options that do not go together, else the
// worksheet on standard output, or `dialogue` on the standard streams. The
// draws start from the seed given, or a fresh one.
int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const Dialogue& dialogue);

#endif  // REACTION_DRILL_CONSOLE_PROGRAM_H_
