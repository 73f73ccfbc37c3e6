#include "app/startup.h"

int main(int argc, char **argv) { return optolune::runOptolune(argc, argv); }
