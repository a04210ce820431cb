#include "GUI_Activities.h"
#include "GUI_MessageBox.h"

void OpenRehearsal() { ShowNotYetBuilt("SCREEN_REHEARSAL"); }
