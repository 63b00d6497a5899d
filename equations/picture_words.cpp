// The text alternative of a particle picture, written from its scene.
#include <algorithm>
#include <string_view>

#include "picture_scene.h"
#include "text.h"

namespace {

// "2 silver ions", "1 molecule of oxygen".
std::string counted(int n, std::string_view one, std::string_view many,
                    std::string_view name, bool nameFirst) {
  const std::string number = std::to_string(n) + " ";
  const std::string_view noun = n == 1 ? one : many;
  return nameFirst ? number + std::string(name) + " " + std::string(noun)
                   : number + std::string(noun) + " " + std::string(name);
}

// " at the cathode", or nothing away from the electrodes.
std::string electrodeWords(Electrode at) {
  return at == Electrode::cathode ? " at the cathode"
         : at == Electrode::anode ? " at the anode"
                                  : "";
}

std::string phrase(const Piece& p, int n) {
  const std::string& name = p.look.name;
  switch (p.shape) {
    case Shape::ion:
      return counted(n, "ion", "ions", name, true);
    case Shape::molecule:
    case Shape::liquid:
      return counted(n, "molecule of", "molecules of", name, false);
    case Shape::bubble:
      return counted(n, "molecule of", "molecules of", name, false) +
             " bubbling off" + electrodeWords(p.at);
    case Shape::pile:
      if (p.at != Electrode::none)
        return "molten " + name + electrodeWords(p.at);
      if (p.look.metal) return "a lump of " + name;
      return "solid " + name +
             (p.look.colour.empty() ? "" : ", " + p.look.colour);
    case Shape::strip:
      return "a strip of " + name;
    case Shape::coating:
      return name + " deposited on the " + p.on;
  }
  return name;
}

// Each species of `b` once, with all of it counted, spectators or not, in
// the order of the equation.
std::vector<std::string> everything(const Beaker& b) {
  std::vector<std::string> phrases;
  for (int place = 0;; ++place) {
    const Piece* first = nullptr;
    int n = 0;
    for (const Piece& p : b.pieces) {
      if (p.place != place) continue;
      if (first == nullptr) first = &p;
      n += p.term.coefficient;
    }
    if (first == nullptr) return phrases;
    phrases.push_back(phrase(*first, n));
  }
}

// " in water" where what stands in it is not water itself, " in a melt",
// and the electrodes where there are any.
std::string around(const Beaker& b, bool electrodes) {
  const bool liquid =
      std::any_of(b.pieces.begin(), b.pieces.end(),
                  [](const Piece& p) { return p.shape == Shape::liquid; });
  std::string words = b.water && !liquid ? " in water"
                      : b.molten         ? " in a melt"
                                         : "";
  return words + (electrodes ? " between two electrodes" : "");
}

// What has changed after, then the spectators: "solid silver chloride,
// white; sodium and nitrate ions unchanged (spectators)".
std::string afterWords(const Beaker& b) {
  std::vector<std::string> changed;
  std::vector<std::string> unchanged;
  for (const Piece& p : b.pieces) {
    if (p.spectator) {
      unchanged.push_back(p.look.name);
    } else {
      changed.push_back(phrase(p, p.term.coefficient));
    }
  }
  std::string text = joined(changed, ", ");
  if (!unchanged.empty()) {
    text += "; " + listed(unchanged) + " ions unchanged (spectators)";
  }
  return text;
}

}  // namespace

std::string sceneWords(const Scene& scene) {
  const std::string before = joined(everything(scene.before), ", ") +
                             around(scene.before, scene.electrodes);
  std::string text =
      scene.noReaction
          ? "Nothing reacts: before and after, " + before + "."
          : "Before: " + before + ". After: " + afterWords(scene.after) + ".";
  if (scene.perShape > 1) {
    text += " Drawn at about one shape for every " +
            std::to_string(scene.perShape) + " particles.";
  }
  return text;
}
