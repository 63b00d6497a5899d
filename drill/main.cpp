// reaction-drill: practise predicting the products of chemical reactions.
#include <iostream>

#include "dialogue.h"
#include "ion.h"

int main() {
  initIons();
  // The drill reads and writes only through the C++ streams.
  std::ios::sync_with_stdio(false);
  return runDrill(std::cin, std::cout);
}
