// The shapes of a particle picture, each drawn in the coordinates of its
// beaker: the labels, the particles in their slots, bubbles, piles, strips
// and coatings, in the colours a solid is said to have.
#ifndef REACTION_DRILL_EQUATIONS_PICTURE_SHAPES_H_
#define REACTION_DRILL_EQUATIONS_PICTURE_SHAPES_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "picture_scene.h"

namespace picture {

// Where things stand in a beaker, in its own coordinates: its rim and
// bottom, the water's surface, the slots of the particles, the strip.
inline constexpr int width = 250;
inline constexpr int rim = 16;
inline constexpr int bottom = 216;
inline constexpr int surface = 66;
inline constexpr int slot = 30;
inline constexpr int pileBase = 212;
inline constexpr int block = 14;
inline constexpr int stripX = 212;

// How each kind of shape is painted, as presentation attributes, so that
// the picture needs no style sheet wherever it is put.
inline constexpr std::string_view cationPaint =
    R"(fill="#f6a866" stroke="#5a3a1a")";
inline constexpr std::string_view anionPaint =
    R"(fill="#8cc4ec" stroke="#1a3a5a")";

inline std::string num(int n) { return std::to_string(n); }

// ` name="value"`, where `value` holds no '"', '<' or '&'.
inline std::string attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

// A text centred on (x, y), squeezed to `room` where its `glyphs` need
// more.
std::string text(int x, int y, const std::string& words, std::size_t glyphs,
                 int room = 0);

std::string circle(int x, int y, int r, std::string_view paint);

// A rectangle of class "p", one particle, unless `particle` is false.
std::string rect(int x, int y, int w, int h, std::string_view paint,
                 bool particle = true);

// A formula with its charge as a label centred on (x, y).
std::string termLabel(const Term& t, int x, int y, int room = 0);

// One particle centred on (x, y): an ion a circle with its label; a
// molecule two joined circles.
std::string particle(const Piece& p, int x, int y);

// A bubble of `p` centred on (x, y).
std::string bubble(const Piece& p, int x, int y);

// A pile of `p.drawn` blocks, centred in the part of the bottom from
// `left` that is `room` wide, its label above it.
std::string pile(const Piece& p, int left, int room);

// A strip dipped into the water, in as many blocks as it counts.
std::string strip(const Piece& p);

// The metal deposited on both faces of a strip or an electrode from `x`
// that is `w` wide, in small blocks; with `outline`, the dashed outline of
// the strip of the metal put in, which gave its place to the metal.
std::string coating(const Piece& p, int x, int w, bool outline);

}  // namespace picture

#endif  // REACTION_DRILL_EQUATIONS_PICTURE_SHAPES_H_
