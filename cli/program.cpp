#include "program.h"

#include <iostream>

#include "chance.h"
#include "standard_input.h"

Console standardConsole() {
  return {std::cout, std::cerr, runOnStandardStreams};
}

int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const SessionDialogue& dialogue,
               const Console& console) {
  std::string wrong;
  if (!checkSession(session, wrong)) {
    return usageError(program, console.err, wrong);
  }
  const std::uint64_t seed = session.seed ? *session.seed : freshSeed();
  if (session.worksheet) {
    console.out << sheet(sheetRequest(session, seed));
    return console.out.flush() ? 0 : 1;
  }
  return console.converse(program.name,
                          [&](std::istream& in, std::ostream& out) {
                            return dialogue(in, out, seed);
                          });
}
