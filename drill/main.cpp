// reaction-drill: practise predicting the products of chemical reactions.
#include "dialogue.h"
#include "ion.h"
#include "standard_input.h"

int main() {
  initIons();
  return runOnStandardStreams("reaction-drill", runDrill);
}
