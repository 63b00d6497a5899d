#include "formats.h"

const SheetFormat* findFormat(std::string_view name) {
  for (const SheetFormat& f : sheetFormats) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

std::string formatNames() {
  std::string names;
  const std::size_t count = std::size(sheetFormats);
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0) names += k + 1 == count ? " or " : ", ";
    names += sheetFormats[k].name;
  }
  return names;
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
