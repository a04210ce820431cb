#include "GUI_Activities.h"
#include "GUI_MessageBox.h"

void OpenWriteSong() { ShowNotYetBuilt("SCREEN_SONGWRITING"); }
