#include "picture_shapes.h"

#include <algorithm>

#include "charges.h"
#include "require.h"
#include "text.h"

namespace picture {

namespace {

// The colours a solid is drawn in, for each colour a sentence says.
struct Paint {
  std::string_view colour;
  std::string_view fill;
};
// clang-format off
constexpr Paint paints[] = {
    // colour            fill
    {"",                 "#d4d4d4"},  // no colour said: a neutral grey
    {"white",            "#f7f7f7"},
    {"off-white",        "#ece6d8"},
    {"cream",            "#f3e6bd"},
    {"yellow",           "#f3d02c"},
    {"pale yellow",      "#f6eaa0"},
    {"greenish-yellow",  "#d2dc58"},
    {"yellow-brown",     "#b8862b"},
    {"orange-red",       "#e4502a"},
    {"orange-brown",     "#c0651f"},
    {"red-brown",        "#8e3b1e"},
    {"brown",            "#7b4a22"},
    {"dark brown",       "#4f3019"},
    {"black",            "#222222"},
    {"grey-black",       "#3d3f44"},
    {"grey",             "#8d8f93"},
    {"silvery grey",     "#b9bec4"},
    {"blue",             "#2f6fd0"},
    {"pale blue",        "#8fbbe8"},
    {"green",            "#3f8f3f"},
    {"pale green",       "#a8d8a0"},
    {"grey-green",       "#6f8a6a"},
    {"pink",             "#f2a5bf"},
    {"violet",           "#7d4fb0"},
    {"pinkish-brown",    "#c07a5a"},
    {"gold",             "#d4af37"},
};
// clang-format on

std::string_view fillOf(std::string_view colour) {
  for (const Paint& p : paints) {
    if (p.colour == colour) return p.fill;
  }
  require(false, "every colour a solid is said to have is drawn");
  return {};
}

// A formula as a picture labels it, with Unicode subscripts and a
// superscript charge: "SO₄²⁻".
std::string label(std::string_view formula, int charge) {
  constexpr std::string_view subscripts[] = {"₀", "₁", "₂", "₃", "₄",
                                             "₅", "₆", "₇", "₈", "₉"};
  constexpr std::string_view superscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                               "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string shown;
  for (const char c : formula) {
    if (isDigit(c)) {
      shown += subscripts[c - '0'];
    } else {
      shown += c;
    }
  }
  writeCharge(charge, "-", [&shown, &superscripts](std::string_view piece) {
    for (const char c : piece) {
      shown += c == '+'   ? "⁺"
               : c == '-' ? "⁻"
                          : std::string(superscripts[c - '0']);
    }
  });
  return shown;
}

std::size_t glyphsOf(const Term& t) {
  return t.formula.size() + chargeText(t.charge).size();
}

// The group that makes one particle of several shapes.
constexpr std::string_view particleGroup = R"(<g class="p">)";

// The paints of the other shapes, beside cationPaint and anionPaint.
constexpr std::string_view moleculePaint = R"(fill="#e2e2e2" stroke="#555555")";
constexpr std::string_view bubblePaint =
    R"(fill="#ffffff" fill-opacity="0.8" stroke="#3d7fb8")";
constexpr std::string_view blockPaint = R"(stroke="#444444")";

// A block of a solid in its colour.
std::string filled(std::string_view colour) {
  return attribute("fill", fillOf(colour)).substr(1) + " " +
         std::string(blockPaint);
}

}  // namespace

std::string text(int x, int y, const std::string& words, std::size_t glyphs,
                 int room) {
  std::string fit;
  if (room > 0 && glyphs * 6 > static_cast<std::size_t>(room)) {
    fit = attribute("textLength", num(room)) +
          attribute("lengthAdjust", "spacingAndGlyphs");
  }
  return "<text" + attribute("x", num(x)) + attribute("y", num(y)) + fit + ">" +
         words + "</text>";
}

std::string termLabel(const Term& t, int x, int y, int room) {
  return text(x, y, label(t.formula, t.charge), glyphsOf(t), room);
}

std::string circle(int x, int y, int r, std::string_view paint) {
  return "<circle" + attribute("cx", num(x)) + attribute("cy", num(y)) +
         attribute("r", num(r)) + " " + std::string(paint) + "/>";
}

std::string rect(int x, int y, int w, int h, std::string_view paint,
                 bool particle) {
  return "<rect" + (particle ? attribute("class", "p") : std::string()) +
         attribute("x", num(x)) + attribute("y", num(y)) +
         attribute("width", num(w)) + attribute("height", num(h)) + " " +
         std::string(paint) + "/>";
}

std::string particle(const Piece& p, int x, int y) {
  if (p.shape == Shape::ion) {
    const std::string_view paint = p.term.charge > 0 ? cationPaint : anionPaint;
    return std::string(particleGroup) + circle(x, y, 14, paint) +
           termLabel(p.term, x, y + 3, 25) + "</g>";
  }
  return std::string(particleGroup) + circle(x - 5, y, 9, moleculePaint) +
         circle(x + 5, y, 9, moleculePaint) + termLabel(p.term, x, y + 3, 28) +
         "</g>";
}

std::string bubble(const Piece& p, int x, int y) {
  return std::string(particleGroup) + circle(x, y, 11, bubblePaint) +
         termLabel(p.term, x, y + 3, 20) + "</g>";
}

// Four blocks a row.
std::string pile(const Piece& p, int left, int room) {
  constexpr int perRow = 4;
  const int centre = left + room / 2;
  std::string out;
  for (int k = 0; k < p.drawn; ++k) {
    const int row = k / perRow;
    const int inRow = std::min(perRow, p.drawn - row * perRow);
    const int x = centre - inRow * block / 2 + (k % perRow) * block;
    out += rect(x, pileBase - block * (row + 1), block, block,
                filled(p.look.colour));
  }
  const int rows = (p.drawn + perRow - 1) / perRow;
  return out + termLabel(p.term, centre, pileBase - block * rows - 4, room - 4);
}

std::string strip(const Piece& p) {
  constexpr int top = 4;
  const int each = (190 - top) / p.drawn;
  std::string out;
  for (int k = 0; k < p.drawn; ++k) {
    out += rect(stripX, top + each * k, 16, each, filled(p.look.colour));
  }
  return out + termLabel(p.term, stripX + 8, top - 4);
}

std::string coating(const Piece& p, int x, int w, bool outline) {
  std::string out;
  if (outline) {
    out = rect(x, 4, w, 186,
               R"(fill="none" stroke="#777777" stroke-dasharray="4 3")", false);
  }
  for (int k = 0; k < p.drawn; ++k) {
    out += rect(k % 2 == 0 ? x - 7 : x + w, 96 + 14 * (k / 2), 7, 7,
                filled(p.look.colour));
  }
  return out + termLabel(p.term, x + w / 2, 0);
}

}  // namespace picture
