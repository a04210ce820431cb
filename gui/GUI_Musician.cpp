#include "GUI_Activities.h"
#include "GUI_MessageBox.h"

void OpenMemberWindow(const SIM_Musician&) { ShowNotYetBuilt("SCREEN_MEMBER"); }
void OpenPlayerWindow() { ShowNotYetBuilt("SCREEN_MEMBER"); }
void OpenAttributeDetailWindow(const SIM_Attribute&) { ShowNotYetBuilt("SCREEN_ATTRIBUTE"); }
void OpenResignationWindow(const SIM_Musician&) { ShowNotYetBuilt("SCREEN_RESIGNATION"); }
