#include "program.h"

#include <iostream>

#include "chance.h"
#include "ion.h"

int runSession(const ProgramInfo& program, const SessionOptions& session,
               const SheetWriter& sheet, const Dialogue& dialogue) {
  if (const OptionError wrong = checkSession(session)) {
    return usageError(program, std::cerr, *wrong);
  }
  initIons();
  const std::uint64_t seed = session.seed ? *session.seed : freshSeed();
  if (session.worksheet) {
    std::cout << sheet(seed, session.type.value_or(0),
                       session.count.value_or(defaultSheetQuestions),
                       session.format.value_or(SheetFormat::text));
    return std::cout.flush() ? 0 : 1;
  }
  seedChance(seed);
  return runOnStandardStreams(program.name, dialogue);
}
