// shared/: the ion model. It includes equations/ and base/.
//
// The ion model of the reaction drill, its one include: the ion record and
// the catalogue of the ions the drill knows, the compounds they form,
// random selection of ions by role, the activity series, the solubility
// rules and their sentences, the colours of solids, formula writing and the
// marking of typed answers, one header per topic.
//
// Header-only. Every definition is inline, so any number of translation units
// of one program may include it and share one catalogue. Names and formulas
// are plain ASCII and are compared exactly, letter case included.
#ifndef REACTION_DRILL_SHARED_ION_H_
#define REACTION_DRILL_SHARED_ION_H_

#include "ion_activity.h"
#include "ion_catalogue.h"
#include "ion_colours.h"
#include "ion_compounds.h"
#include "ion_formulas.h"
#include "ion_marking.h"
#include "ion_names.h"
#include "ion_selection.h"
#include "ion_solubility.h"
#include "solubility_sentences.h"

#endif  // REACTION_DRILL_SHARED_ION_H_
