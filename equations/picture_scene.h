// What a particle picture shows, decided before it is drawn or put into
// words: each side's species, how each is drawn and how many shapes it
// takes. The SVG (equation_picture.cpp) and its text alternative
// (picture_words.cpp) are written from the same scene, so they cannot
// disagree.
#ifndef REACTION_DRILL_EQUATIONS_PICTURE_SCENE_H_
#define REACTION_DRILL_EQUATIONS_PICTURE_SCENE_H_

#include <string>
#include <vector>

#include "equation.h"
#include "equation_picture.h"

// How a species is drawn.
enum class Shape {
  ion,       // a dissolved ion: a circle
  molecule,  // a molecule in water or in a gas: two joined circles
  bubble,    // a gas formed in water, leaving it
  pile,      // a solid, or a lump of metal, at the bottom
  strip,     // a metal dipped into water
  coating,   // a metal deposited on the strip of another
  liquid,    // water, drawn as the liquid itself
};

// Where a product of an electrolysis forms.
enum class Electrode { none, cathode, anode };

// One species on one side, as it is drawn.
struct Piece {
  Term term;  // its coefficient is how many the equation counts
  SpeciesLook look;
  Shape shape = Shape::ion;
  int drawn = 0;           // shapes drawn
  bool spectator = false;  // the same ions, in the same places, both sides
  std::string on;          // a coating: the name of the metal it coats
  int place = 0;           // of its term on its side of the equation
  Electrode at = Electrode::none;
};

struct Beaker {
  std::vector<Piece> pieces;  // spectators first, then in equation order
  bool water = false;         // whether anything stands in water
  bool molten = false;        // whether ions stand in a melt
};

struct Scene {
  Beaker before;
  Beaker after;
  int perShape = 1;  // particles a shape stands for, about
  bool noReaction = false;
  bool electrodes = false;  // an electrolysis, between two electrodes
};

// The scene of `complete`: each side's pieces, spectators placed first and
// alike on both sides, and where nothing reacts the after side the same as
// the before.
Scene sceneOf(const Equation& complete, const LookUp& look,
              const Electrodes* electrodes);

// The text alternative of `scene`: "Before: 2 silver ions, ... in water.
// After: solid silver chloride, white; sodium and nitrate ions unchanged
// (spectators)."
std::string sceneWords(const Scene& scene);

#endif  // REACTION_DRILL_EQUATIONS_PICTURE_SCENE_H_
