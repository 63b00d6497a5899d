#include "picture_scene.h"

#include <algorithm>
#include <utility>

namespace {

// More particles a side than fit the beaker's slots are drawn fewer, at
// about one shape for several, so that the side is drawn in about this
// many.
constexpr int mostDrawn = 18;
constexpr int drawnWhenFewer = 12;

// How many of `t` the other side holds too, where it is a dissolved ion:
// those are spectators.
int spectatorsOf(const Term& t, const std::vector<Term>& other) {
  if (t.charge == 0 || t.state != State::aqueous) return 0;
  for (const Term& o : other) {
    if (sameSpecies(o, t)) return std::min(o.coefficient, t.coefficient);
  }
  return 0;
}

// What decides how a side's terms are drawn besides themselves.
struct Setting {
  bool water = false;
  std::string on;  // the metal put in that a metal formed coats, if any
  const Electrodes* electrodes = nullptr;  // on the side of the products
};

Electrode electrodeOf(const Term& t, const Electrodes* e) {
  if (e == nullptr) return Electrode::none;
  const auto names = [&t](const std::vector<Term>& side) {
    return std::any_of(side.begin(), side.end(),
                       [&t](const Term& s) { return sameSpecies(s, t); });
  };
  if (names(e->cathode)) return Electrode::cathode;
  return names(e->anode) ? Electrode::anode : Electrode::none;
}

Shape shapeOf(const Term& t, const SpeciesLook& look, const Setting& s,
              Electrode at) {
  if (isWater(t)) return Shape::liquid;
  if (at != Electrode::none && look.metal) {
    return t.state == State::solid ? Shape::coating : Shape::pile;
  }
  if (at != Electrode::none && t.state == State::gas) return Shape::bubble;
  if (look.metal) {
    if (!s.water) return Shape::pile;
    return s.on.empty() ? Shape::strip : Shape::coating;
  }
  if (t.state == State::solid) return Shape::pile;
  if (t.state == State::gas) return s.water ? Shape::bubble : Shape::molecule;
  return t.charge != 0 ? Shape::ion : Shape::molecule;
}

// The spectators of both sides, in the order of the reactants.
std::vector<Term> spectators(const Equation& e) {
  std::vector<Term> all;
  for (const Term& t : e.reactants) {
    const int n = spectatorsOf(t, e.products);
    if (n == 0) continue;
    all.push_back(t);
    all.back().coefficient = n;
  }
  return all;
}

Piece pieceOf(Term t, const LookUp& look, const Setting& s) {
  Piece p;
  p.look = look(t);
  p.at = electrodeOf(t, s.electrodes);
  p.shape = shapeOf(t, p.look, s, p.at);
  if (p.shape == Shape::coating) {
    p.on = p.at == Electrode::cathode ? "cathode" : s.on;
  }
  p.term = std::move(t);
  return p;
}

bool isMelt(const std::vector<Term>& side) {
  return std::any_of(side.begin(), side.end(), [](const Term& t) {
    return t.charge != 0 && t.state == State::liquid;
  });
}

// One side: its spectators first, then what is left of each term.
Beaker beakerOf(const std::vector<Term>& side, const std::vector<Term>& other,
                const std::vector<Term>& spectating, Setting setting,
                const LookUp& look) {
  Beaker b{{}, standsInWater(side), isMelt(side)};
  setting.water = b.water;
  const auto placeOf = [&side](const Term& t) {
    return static_cast<int>(
        std::find_if(side.begin(), side.end(),
                     [&t](const Term& s) { return sameSpecies(s, t); }) -
        side.begin());
  };
  for (const Term& s : spectating) {
    b.pieces.push_back(pieceOf(s, look, setting));
    b.pieces.back().spectator = true;
    b.pieces.back().place = placeOf(s);
  }
  for (const Term& t : side) {
    Term rest = t;
    rest.coefficient -= spectatorsOf(t, other);
    if (rest.coefficient > 0) {
      b.pieces.push_back(pieceOf(std::move(rest), look, setting));
      b.pieces.back().place = placeOf(t);
    }
  }
  return b;
}

int particles(const Beaker& b) {
  int n = 0;
  for (const Piece& p : b.pieces) {
    if (p.shape != Shape::liquid) n += p.term.coefficient;
  }
  return n;
}

void setDrawn(Beaker& b, int perShape) {
  for (Piece& p : b.pieces) {
    const int n = p.term.coefficient;
    p.drawn = p.shape == Shape::liquid ? 0
              : perShape == 1          ? n
                              : std::max(1, (n + perShape / 2) / perShape);
  }
}

}  // namespace

std::string metalPutIn(const std::vector<Term>& reactants, const LookUp& look) {
  for (const Term& t : reactants) {
    const SpeciesLook l = look(t);
    if (l.metal) return l.name;
  }
  return {};
}

Scene sceneOf(const Equation& complete, const LookUp& look,
              const Electrodes* electrodes) {
  Scene s;
  s.noReaction = complete.noReaction;
  s.electrodes = electrodes != nullptr;
  const std::vector<Term> spectating =
      s.noReaction ? std::vector<Term>() : spectators(complete);
  s.before =
      beakerOf(complete.reactants, complete.products, spectating, {}, look);
  s.after =
      s.noReaction
          ? s.before
          : beakerOf(complete.products, complete.reactants, spectating,
                     {false, metalPutIn(complete.reactants, look), electrodes},
                     look);
  // What the equation leaves of a melt is still there after.
  s.after.molten = s.after.molten || s.before.molten;
  const int most = std::max(particles(s.before), particles(s.after));
  if (most > mostDrawn) {
    s.perShape = (most + drawnWhenFewer - 1) / drawnWhenFewer;
  }
  setDrawn(s.before, s.perShape);
  setDrawn(s.after, s.perShape);
  return s;
}
