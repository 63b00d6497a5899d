// The yardstick for start-up time: a C++ program that only writes the
// menu's question.
#include <iostream>

#include "menu.h"

int main() { std::cout << menuQuestion << '\n'; }
