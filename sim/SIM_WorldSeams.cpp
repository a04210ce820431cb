#include "SIM_WorldSeams.h"

namespace {
SIM_WorldSeams gSeams;
}

SIM_WorldSeams& WorldSeams() { return gSeams; }
void ResetWorldSeams() { gSeams = SIM_WorldSeams{}; }
