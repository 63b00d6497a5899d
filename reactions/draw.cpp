// Drawing the reactants of each reaction type. The order of the draws and
// every redraw rule are fixed, so that one seed gives one question.
#include <cstdint>

#include "elements.h"
#include "reactions.h"

namespace {

// A metal of the activity series; the others have no rank to compare.
Ion rankedMetal() {
  Ion metal = randomMetal();
  while (!isRankedMetal(metal)) metal = randomMetal();
  return metal;
}

// A fresh draw of `rp`, then `rn`, until their salt is not insoluble.
void drawDissolvedSalt(Ion& rp, Ion& rn) {
  do {
    rp = randomPos();
    rn = randomNeg();
  } while (!isDrawnDissolved(rp, rn));
}

}  // namespace

bool isRankedMetal(const Ion& i) {
  return isFreeMetal(i) && reactivity(i.formula) != 0;
}

bool isWaterMetal(const Ion& i) {
  // Metals below zinc would only ever give "no reaction" in water.
  return isFreeMetal(i) && reactivity(i.formula) >= reactivity("Zn");
}

bool isDrawnDissolved(const Ion& cation, const Ion& anion) {
  // A pair the rules cannot tell passes.
  return isSolubleChar(cation, anion) != insoluble;
}

bool canExchangeIons(const Precipitation& r) {
  // Iron(II) and iron(III) share the formula Fe, so they count as the same.
  return r.bp.formula != r.ap.formula && r.bn.formula != r.an.formula;
}

bool isOtherMetal(const Ion& dissolved, const Ion& free) {
  return dissolved.formula != free.formula;
}

AcidBase drawAcidBase() {
  AcidBase r;
  r.an = randomAcid();
  r.rp = randomPos();
  r.rn = randomBaseNoCarbonate();
  return r;
}

AcidCarbonate drawAcidCarbonate() {
  AcidCarbonate r;
  r.an = randomAcid();
  r.rp = randomPos();
  r.rn = randomCarbonate();
  return r;
}

AcidMetal drawAcidMetal() {
  AcidMetal r;
  r.an = randomAcid();
  r.rp = rankedMetal();
  return r;
}

WaterMetal drawWaterMetal() {
  WaterMetal r{randomMetal()};
  while (!isWaterMetal(r.rp)) r.rp = randomMetal();
  return r;
}

MetalNonmetal drawMetalNonmetal() {
  MetalNonmetal r;
  r.rp = randomMetal();
  r.rn = randomNonmetal();
  r.element = nonmetal;
  return r;
}

Precipitation drawPrecipitation() {
  Precipitation r;
  drawDissolvedSalt(r.ap, r.an);
  // Salt B must bring a new cation and a new anion, or nothing can exchange.
  do {
    drawDissolvedSalt(r.bp, r.bn);
  } while (!canExchangeIons(r));
  return r;
}

Displacement drawDisplacement() {
  Displacement r;
  r.rp = rankedMetal();
  r.ep = rankedMetal();
  while (!isOtherMetal(r.ep, r.rp)) r.ep = rankedMetal();
  r.en = randomNeg();
  while (!isDrawnDissolved(r.ep, r.en)) r.en = randomNeg();
  return r;
}

Fuel drawFuel() {
  Fuel f{};
  f.numc = static_cast<int>(randomBelow(6)) + 1;
  f.numo = static_cast<int>(randomBelow(static_cast<std::uint32_t>(f.numc)));
  f.numh = static_cast<int>(
               randomBelow(static_cast<std::uint32_t>(2 * f.numc - f.numo))) +
           2;
  return f;
}
