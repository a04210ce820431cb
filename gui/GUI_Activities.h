#pragma once
// Where the control panel, the desktop's icons and the simulation open the screens of the
// band's working week. Each screen family lives in its own file and provides its opener here.
#include <string>

class SIM_Attribute;
class SIM_Musician;

// The auditions window (GUI_Auditions.cpp); an open one is replaced.
void OpenAuditions();
// The gig booking window (GUI_BookGig.cpp).
void OpenBookGig();
// The rehearsal window (GUI_Rehearsal.cpp).
void OpenRehearsal();
// The practice room (GUI_Practice.cpp); an open one is replaced by a new run.
void OpenPractice();
// The control panel's studio button: a new album and its screen (GUI_NewAlbum.cpp).
void OpenStudio();
// The control panel's write-song button: a new song and the songwriting puzzle on it (GUI_JigSaw.cpp).
void OpenWriteSong();
// A band member's window and the player's own (GUI_Musician.cpp).
void OpenMemberWindow(const SIM_Musician& member);
void OpenPlayerWindow();
// An attribute's detail view (GUI_Musician.cpp).
void OpenAttributeDetailWindow(const SIM_Attribute& attribute);
// The window of a member who resigned (GUI_Musician.cpp).
void OpenResignationWindow(const SIM_Musician& member);
