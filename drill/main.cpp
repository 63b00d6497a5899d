// reaction-drill: practise predicting the products of chemical reactions.
#include <iostream>

#include "dialogue.h"
#include "ion.h"

int main() {
  initIons();
  return runDrill(std::cin, std::cout);
}
