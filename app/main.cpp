// The game's entry point. It reads no command line.
#include "Game.h"

int main() { return GetGame().Run(); }
