// The yardstick for start-up time: a C++ program that only writes a prompt.
#include <iostream>

int main() { std::cout << "Which kind of questions would you like? (0-8):\n"; }
