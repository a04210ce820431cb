#include "GUI_Activities.h"
#include "GUI_MessageBox.h"

void OpenAuditions() { ShowNotYetBuilt("SCREEN_AUDITIONS"); }
