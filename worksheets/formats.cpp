#include "formats.h"

namespace {

std::string_view partsName(SheetParts parts) {
  for (const SheetPartName& p : sheetPartNames) {
    if (p.parts == parts) return p.name;
  }
  return {};
}

std::string remakeCommand(const SheetRequest& r, std::string_view program,
                          std::string_view extra) {
  std::string command = std::string(program) + " --worksheet --seed " +
                        std::to_string(r.seed) + " --type " +
                        std::to_string(r.choice);
  command += r.picks.empty() ? " --count " + std::to_string(r.count)
                             : " --questions " + questionNumbersText(r.picks);
  if (!extra.empty()) command += " " + std::string(extra);
  if (r.parts != SheetParts::both) {
    command += " --only " + std::string(partsName(r.parts));
  }
  if (r.format != &defaultFormat()) {
    command += " --format " + std::string(r.format->name);
  }
  return command;
}

}  // namespace

const SheetFormat* findFormat(std::string_view name) {
  for (const SheetFormat& f : sheetFormats) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

const SheetPartName* findParts(std::string_view name) {
  for (const SheetPartName& p : sheetPartNames) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

std::string pageAddress(std::string_view page, std::string_view program,
                        std::uint64_t seed, unsigned type, std::uint32_t count,
                        const QuestionNumbers& picks) {
  std::string address = std::string(page) + "#program=" + std::string(program) +
                        "&seed=" + std::to_string(seed) +
                        "&type=" + std::to_string(type);
  if (!picks.empty())
    return address + "&questions=" + questionNumbersText(picks);
  if (count > 0) address += "&count=" + std::to_string(count);
  return address;
}

Sheet sheetFor(const SheetRequest& request, std::string_view program,
               std::string_view pageProgram, std::string_view extra) {
  Sheet sheet;
  sheet.seed = request.seed;
  sheet.parts = request.parts;
  sheet.address = pageAddress(request.page, pageProgram, request.seed,
                              request.choice, request.count, request.picks);
  sheet.linked = request.linked;
  sheet.remake = remakeCommand(request, program, extra);
  return sheet;
}
