// console/: what both console dialogues share. It includes base/.
//
// Console input and output shared by the dialogues of both programs. Lines
// may be of any length and hold any bytes, NUL included; nothing is kept
// that grows with a line.
#ifndef REACTION_DRILL_CONSOLE_CONSOLE_H_
#define REACTION_DRILL_CONSOLE_CONSOLE_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "menu.h"
#include "text.h"

// Reads one menu line into `choice`: from 1 to `highest`, or 0 for anything
// else. The line's leading number is read the way the C library's atoi
// reads it (blanks, an optional sign, then digits up to the first other
// character), but a number too large for an int is out of range instead of
// undefined. Returns false when input has ended before the line.
[[nodiscard]] bool readChoice(std::istream& in, unsigned highest,
                              unsigned& choice);

// Reads one line and discards it. Returns false when input had already
// ended; a last line without a line break still counts as a line.
bool skipLine(std::istream& in);

// Reads one line into `line`, without its line break, keeping only its first
// maxLineKept bytes (text.h) and consuming the rest. A CR that ends the line
// belongs to its line break (CR LF) and is dropped. Returns false when input
// had already ended; a last line without a line break still counts as a line.
bool readLine(std::istream& in, std::string& line);

// A menu: `intro`, then each of `names` numbered from 0 on a line of its
// own, then the prompt "Which kind of questions would you like? (0-N):".
// REQUIRES: `names` is not empty.
std::string numberedMenu(std::string_view intro,
                         const std::vector<std::string_view>& names);

// Shows `menu`, whose last line is the prompt, and reads the choice from 1
// to `highest`, or 0 for random. When input ends first, ends the prompt's
// line and returns false; when `out` has failed, returns false at once.
[[nodiscard]] bool askChoice(std::istream& in, std::ostream& out,
                             std::string_view menu, unsigned highest,
                             unsigned& choice);

// The question type of a session: `fixed` from the command line, or else
// the choice read with askChoice, after which an empty line follows. False
// when input ends before the choice or `out` has failed.
[[nodiscard]] bool chooseType(std::istream& in, std::ostream& out,
                              std::optional<std::uint32_t> fixed,
                              std::string_view menu, unsigned highest,
                              unsigned& choice);

// The exit status of a dialogue: 0 once everything written has reached
// `out`, 1 if it could not be written.
int exitStatus(std::ostream& out);

#endif  // REACTION_DRILL_CONSOLE_CONSOLE_H_
