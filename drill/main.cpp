// reaction-drill: practise predicting the products of chemical reactions.
#include "drill_command.h"
#include "options.h"
#include "program.h"

int main(int argc, char** argv) {
  return reactionDrill(argumentsOf(argc, argv), standardConsole());
}
