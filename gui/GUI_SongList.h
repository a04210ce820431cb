#pragma once
// The band's songs, as the songs tab of the band's state on the desktop.
#include "GUI_Dialog.h"

class GUI_SongList : public GUI_WindowTab {
public:
    GUI_SongList() { name = "songs tab"; }
};
