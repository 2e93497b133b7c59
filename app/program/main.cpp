// The notes program: everything it does is in the library, so that tests
// run the same start-up and shutdown.
#include "app/startup.h"

int main(int argc, char** argv) { return RunProgram(argc, argv); }
