#include "formats.h"

#include <vector>

#include "text.h"

const SheetFormat* findFormat(std::string_view name) {
  for (const SheetFormat& f : sheetFormats) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

std::string formatNames() {
  std::vector<std::string> names;
  for (const SheetFormat& f : sheetFormats) names.emplace_back(f.name);
  return listed(names, "or");
}

std::string remakeCommand(std::string_view program, std::uint64_t seed,
                          unsigned type, std::uint32_t count,
                          std::string_view extra, const SheetFormat& format) {
  std::string command =
      std::string(program) + " --worksheet --seed " + std::to_string(seed) +
      " --type " + std::to_string(type) + " --count " + std::to_string(count);
  if (!extra.empty()) command += " " + std::string(extra);
  if (&format != &defaultFormat()) {
    command += " --format " + std::string(format.name);
  }
  return command;
}
