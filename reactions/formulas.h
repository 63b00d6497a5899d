// The balanced formula equation of every question the drill draws, with
// state symbols, and its complete and net ionic equations where anything
// dissolves into ions. The states follow what each type's word answer
// treats as dissolved.
#ifndef REACTION_DRILL_REACTIONS_FORMULAS_H_
#define REACTION_DRILL_REACTIONS_FORMULAS_H_

#include <optional>

#include "equation.h"
#include "reactions.h"

struct FormulaEquations {
  Equation formula;                  // balanced, or "reactants -> no reaction"
  std::optional<Equation> complete;  // only when a term dissolves into ions
  std::optional<Equation> net;       // present exactly when `complete` is
};

// The equations of one question of each type. A metal + nonmetal record
// whose anion has no free element gives empty equations.
FormulaEquations formulaEquations(const AcidBase& r);
FormulaEquations formulaEquations(const AcidCarbonate& r);
FormulaEquations formulaEquations(const AcidMetal& r);
FormulaEquations formulaEquations(const WaterMetal& r);
FormulaEquations formulaEquations(const MetalNonmetal& r);
FormulaEquations formulaEquations(const Precipitation& r);
FormulaEquations formulaEquations(const Displacement& r);
FormulaEquations formulaEquations(const Fuel& f);

#endif  // REACTION_DRILL_REACTIONS_FORMULAS_H_
