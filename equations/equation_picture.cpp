// The SVG of a particle picture, drawn from its scene (picture_scene.h).
// Both beakers are drawn by one routine in their own coordinates, so that
// the same side draws byte for byte the same.
#include "equation_picture.h"

#include <algorithm>
#include <string_view>

#include "picture_scene.h"
#include "picture_shapes.h"
#include "rich.h"

using namespace picture;

namespace {

// The two electrodes of an electrolysis, as rods: where each stands and
// its label.
constexpr int electrodeWidth = 10;
constexpr int cathodeX = 24;
constexpr int anodeX = 216;

// The slots of the particles, row by row from the top of what they stand
// in, from `left`, as many columns as strips or electrodes leave room for.
struct Slots {
  int left;
  int top;
  int columns;
  int next = 0;
  std::string take(const Piece& p) {
    const int x = left + slot * (next % columns);
    const int y = top + slot * (next / columns);
    ++next;
    return particle(p, x, y);
  }
};

bool hasStrip(const Beaker& b) {
  return std::any_of(b.pieces.begin(), b.pieces.end(), [](const Piece& p) {
    return p.shape == Shape::strip || p.shape == Shape::coating;
  });
}

int piles(const Beaker& b) {
  int n = 0;
  for (const Piece& p : b.pieces) n += p.shape == Shape::pile ? 1 : 0;
  return n;
}

// Where the next shape of each kind stands.
struct Placing {
  Slots slots;
  int pileRoom = 0;
  int piles = 0;
  int bubbles = 0;  // away from the electrodes, left to right on the water
  int atCathode = 0;
  int atAnode = 0;
};

Placing placingFor(const Beaker& b, bool electrodes) {
  const int top = b.water || b.molten ? 92 : 44;
  if (electrodes) return {{64, top, 5}, 50};
  const bool strip = hasStrip(b);
  return {{24, top, strip ? 6 : 7},
          (strip ? 200 : 238) / std::max(1, piles(b))};
}

// A bubble rising from an electrode, on either face in turn, or along the
// surface of the water.
std::string bubbleAt(const Piece& p, Placing& at) {
  if (p.at == Electrode::none) {
    return bubble(p, 22 + 26 * at.bubbles++, 46);
  }
  const bool cathode = p.at == Electrode::cathode;
  int& k = cathode ? at.atCathode : at.atAnode;
  const int centre = (cathode ? cathodeX : anodeX) + electrodeWidth / 2;
  const int x = centre + (k % 2 == 0 ? -15 : 15);
  return bubble(p, x, 160 - 26 * (k++ / 2));
}

std::string shapes(const Piece& p, Placing& at) {
  std::string out;
  switch (p.shape) {
    case Shape::ion:
    case Shape::molecule:
      for (int k = 0; k < p.drawn; ++k) out += at.slots.take(p);
      return out;
    case Shape::bubble:
      for (int k = 0; k < p.drawn; ++k) out += bubbleAt(p, at);
      return out;
    case Shape::pile:
      if (p.at != Electrode::none) return pile(p, 4, at.pileRoom);
      return pile(p, 6 + at.pileRoom * at.piles++, at.pileRoom);
    case Shape::strip:
      return strip(p);
    case Shape::coating:
      return p.at == Electrode::cathode
                 ? coating(p, cathodeX, electrodeWidth, false)
                 : coating(p, stripX, 16, true);
    case Shape::liquid:
      return termLabel(p.term, width - 24, bottom - 6);
  }
  return out;
}

// The two rods, cathode and anode, with their signs.
std::string electrodeRods() {
  constexpr std::string_view paint = R"(fill="#5b5e63" stroke="none")";
  return rect(cathodeX, 4, electrodeWidth, 170, paint, false) +
         text(cathodeX + 5, -2, "cathode (−)", 0) +
         rect(anodeX, 4, electrodeWidth, 170, paint, false) +
         text(anodeX + 5, -2, "anode (+)", 0);
}

// A species as a group that carries its data.
std::string group(const Piece& p, const std::string& inside) {
  return R"(<g class="species")" + attribute("data-formula", p.term.formula) +
         attribute("data-charge", num(p.term.charge)) +
         attribute("data-count", num(p.term.coefficient)) +
         (p.spectator ? R"( data-spectator="1" stroke-dasharray="3 2">)"
                      : R"( data-spectator="0">)") +
         inside + "</g>";
}

// One beaker in its own coordinates: the water or the melt, the
// electrodes, each species, the glass.
std::string beakerSvg(const Beaker& b, bool electrodes) {
  Placing at = placingFor(b, electrodes);
  std::string out;
  if (b.water || b.molten) {
    out += rect(2, surface, width - 4, bottom - surface - 1,
                b.water ? R"(fill="#d8ecfb" stroke="none")"
                        : R"(fill="#f7cf9c" stroke="none")",
                false);
  }
  if (electrodes) out += electrodeRods();
  for (const Piece& p : b.pieces) out += group(p, shapes(p, at));
  return out + "<path" +
         attribute("d", "M0 " + num(rim) + "V" + num(bottom) + "H" +
                            num(width) + "V" + num(rim)) +
         R"( fill="none" stroke="#4d4d4d" stroke-width="3"/>)";
}

std::string placed(std::string_view side, int x, const Beaker& b,
                   bool electrodes) {
  return "<g" + attribute("data-side", side) +
         attribute("transform", "translate(" + num(x) + " 30)") + ">" +
         beakerSvg(b, electrodes) + "</g>";
}

bool any(const Scene& s, bool (*test)(const Piece& p)) {
  return std::any_of(s.before.pieces.begin(), s.before.pieces.end(), test) ||
         std::any_of(s.after.pieces.begin(), s.after.pieces.end(), test);
}

// One entry of the key: a circle in `paint`, dashed or not, and its words.
std::string keyEntry(int x, std::string_view paint, bool dashed,
                     const std::string& words) {
  const std::string dot = circle(x, 264, 6, paint);
  return (dashed ? R"(<g stroke-dasharray="3 2">)" + dot + "</g>" : dot) +
         "<text" + attribute("x", num(x + 10)) +
         R"( y="268" text-anchor="start">)" + words + "</text>";
}

// What the shapes mean, or that nothing reacts, under the beakers.
std::string caption(const Scene& s) {
  if (s.noReaction) {
    return text(300, 268, "Nothing reacts: the two beakers are the same.", 0);
  }
  std::string key;
  if (any(s, [](const Piece& p) { return p.shape == Shape::ion; })) {
    key += keyEntry(150, cationPaint, false, "cation") +
           keyEntry(215, anionPaint, false, "anion");
  }
  if (any(s, [](const Piece& p) { return p.spectator; })) {
    key += keyEntry(280, cationPaint, true, "spectator, unchanged");
  }
  if (s.perShape > 1) {
    key += text(300, 268,
                "One shape stands for about " + num(s.perShape) + " molecules.",
                0);
  }
  return key;
}

}  // namespace

std::string particlePicture(const Equation& complete, const LookUp& look,
                            const Electrodes* electrodes) {
  const Scene scene = sceneOf(complete, look, electrodes);
  return R"(<svg xmlns="http://www.w3.org/2000/svg" class="particles" )"
         R"(viewBox="0 0 600 276" role="img" font-family="sans-serif" )"
         R"(font-size="10" text-anchor="middle" fill="#111111" aria-label=")" +
         escapeHtml(sceneWords(scene)) +
         R"("><rect width="600" height="276" rx="8" fill="#ffffff"/>)" +
         R"(<text x="145" y="16" font-size="13">Before</text>)" +
         R"(<text x="455" y="16" font-size="13">After</text>)" +
         placed("before", 20, scene.before, scene.electrodes) +
         R"(<path d="M282 140H314M306 133L316 140L306 147" fill="none" )"
         R"(stroke="#333333" stroke-width="3"/>)" +
         placed("after", 330, scene.after, scene.electrodes) + caption(scene) +
         "</svg>";
}
