#include "program.h"

#include <iostream>

#include "chance.h"
#include "standard_input.h"

int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const SessionDialogue& dialogue) {
  std::string wrong;
  if (!checkSession(session, wrong))
    return usageError(program, std::cerr, wrong);
  const std::uint64_t seed = session.seed ? *session.seed : freshSeed();
  if (session.worksheet) {
    std::cout << sheet(sheetRequest(session, seed));
    return std::cout.flush() ? 0 : 1;
  }
  return runOnStandardStreams(program.name,
                              [&](std::istream& in, std::ostream& out) {
                                return dialogue(in, out, seed);
                              });
}
