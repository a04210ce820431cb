#include "GUI_Activities.h"
#include "GUI_MessageBox.h"

void OpenBookGig() { ShowNotYetBuilt("SCREEN_BOOKGIG"); }
