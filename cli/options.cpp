#include "options.h"

#include <getopt.h>

#include <algorithm>
#include <string>

namespace {

// The value getopt_long returns for an option without a short name.
constexpr int firstLongOnly = 256;

std::vector<OptionRow> withStandardRows(std::vector<OptionRow> rows) {
  rows.push_back({"help", 'h', "", "show this help and exit"});
  rows.push_back({"version", 'V', "", "show the version and exit"});
  return rows;
}

int codeOf(const std::vector<OptionRow>& rows, std::size_t row) {
  const char letter = rows[row].letter;
  return letter != 0 ? letter : firstLongOnly + static_cast<int>(row);
}

std::size_t rowOf(const std::vector<OptionRow>& rows, int code) {
  std::size_t row = 0;
  while (row < rows.size() && codeOf(rows, row) != code) ++row;
  return row;
}

// The short options for getopt_long: a leading colon, so that a missing
// value is told apart from an unknown option.
std::string shortOptions(const std::vector<OptionRow>& rows) {
  std::string shorts = ":";
  for (const OptionRow& r : rows) {
    if (r.letter == 0) continue;
    shorts += r.letter;
    if (!r.value.empty()) shorts += ':';
  }
  return shorts;
}

std::vector<option> longOptions(const std::vector<OptionRow>& rows,
                                std::vector<std::string>& names) {
  names.reserve(rows.size());
  std::vector<option> longs;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    names.emplace_back(rows[row].name);
    const int hasValue =
        rows[row].value.empty() ? no_argument : required_argument;
    longs.push_back(
        {names.back().c_str(), hasValue, nullptr, codeOf(rows, row)});
  }
  longs.push_back({nullptr, 0, nullptr, 0});
  return longs;
}

std::string usage(const ProgramInfo& program,
                  const std::vector<OptionRow>& rows) {
  std::string text = "Usage: " + std::string(program.name) + " [OPTION]...\n" +
                     std::string(program.summary) + "\n\nOptions:\n";
  for (const OptionRow& r : rows) {
    std::string left = r.letter != 0 ? std::string("  -") + r.letter + ", "
                                     : std::string(6, ' ');
    left += "--" + std::string(r.name);
    if (!r.value.empty()) left += " " + std::string(r.value);
    left.resize(std::max<std::size_t>(left.size() + 2, 24), ' ');
    text += left + std::string(r.help) + '\n';
  }
  return text;
}

// What is wrong with a long option getopt_long did not accept.
std::string longOptionProblem(const std::vector<OptionRow>& rows,
                              std::string_view arg) {
  const std::string_view name = arg.substr(2, arg.find('=') - 2);
  std::size_t matches = 0;
  for (const OptionRow& r : rows) {
    if (r.name == name && r.value.empty() &&
        arg.find('=') != std::string_view::npos) {
      return "option '--" + std::string(name) + "' doesn't allow an argument";
    }
    if (r.name.substr(0, name.size()) == name) ++matches;
  }
  if (matches > 1 && !name.empty()) {
    return "option '--" + std::string(name) + "' is ambiguous";
  }
  return "unrecognized option '" + std::string(arg) + "'";
}

// What is wrong, after getopt_long returned `code` ('?' or ':') for the
// argument `arg`.
std::string problem(const std::vector<OptionRow>& rows, int code,
                    std::string_view arg) {
  const bool longForm = arg.substr(0, 2) == "--";
  if (code == ':') {
    const OptionRow& r = rows[rowOf(rows, optopt)];
    if (longForm) {
      return "option '--" + std::string(r.name) + "' requires an argument";
    }
    return std::string("option requires an argument -- '") + r.letter + "'";
  }
  if (longForm) return longOptionProblem(rows, arg);
  return std::string("invalid option -- '") + static_cast<char>(optopt) + "'";
}

}  // namespace

int usageError(const ProgramInfo& program, std::ostream& err,
               const std::string& what) {
  err << program.name << ": " << what << " (try '" << program.name
      << " --help')\n";
  return 2;
}

namespace {

// The arguments as the C argument vector getopt_long takes, which it may
// reorder: the program's name first, and a null pointer last.
class ArgumentVector {
 public:
  ArgumentVector(std::string_view program, const std::vector<std::string>& args)
      : storage_{std::string(program)} {
    storage_.insert(storage_.end(), args.begin(), args.end());
    pointers_.reserve(storage_.size() + 1);
    for (std::string& s : storage_) pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
  }
  [[nodiscard]] int count() const { return static_cast<int>(storage_.size()); }
  char** data() { return pointers_.data(); }
  [[nodiscard]] const char* at(int k) const {
    return pointers_[static_cast<std::size_t>(k)];
  }

 private:
  std::vector<std::string> storage_;
  std::vector<char*> pointers_;
};

// What the option of `row` does: the usage or the version end the program
// with 0 on `out`; any other option is applied, and ends it with 2 if its
// value is wrong. True when the program goes on; false with the status to
// end it with.
bool takeOption(const ProgramInfo& program, const std::vector<OptionRow>& rows,
                std::size_t row, const ApplyOption& apply, std::ostream& out,
                std::ostream& err, int& status) {
  if (rows[row].name == "help") {
    out << usage(program, rows) << std::flush;
    status = 0;
    return false;
  }
  if (rows[row].name == "version") {
    out << program.name << ' ' << program.version << '\n' << std::flush;
    status = 0;
    return false;
  }
  std::string error;
  if (apply(row, optarg != nullptr ? optarg : "", error)) return true;
  status = usageError(program, err, error);
  return false;
}

}  // namespace

bool parseOptionRows(const ProgramInfo& program,
                     const std::vector<OptionRow>& tableRows,
                     const std::vector<std::string>& args,
                     const ApplyOption& apply, std::ostream& out,
                     std::ostream& err, int& status) {
  const std::vector<OptionRow> rows = withStandardRows(tableRows);
  std::vector<std::string> names;
  const std::vector<option> longs = longOptions(rows, names);
  const std::string shorts = shortOptions(rows);
  ArgumentVector argv(program.name, args);
  optind = 0;  // start afresh, even after an earlier parse
  opterr = 0;  // the messages are ours
  for (;;) {
    const int code = getopt_long(argv.count(), argv.data(), shorts.c_str(),
                                 longs.data(), nullptr);
    if (code == -1) break;
    if (code == '?' || code == ':') {
      status =
          usageError(program, err, problem(rows, code, argv.at(optind - 1)));
      return false;
    }
    if (!takeOption(program, rows, rowOf(rows, code), apply, out, err,
                    status)) {
      return false;
    }
  }
  if (optind < argv.count()) {
    status = usageError(
        program, err,
        "unexpected argument '" + std::string(argv.at(optind)) + "'");
    return false;
  }
  return true;
}

std::vector<std::string> argumentsOf(int argc, char** argv) {
  return {argv + std::min(argc, 1), argv + argc};
}
