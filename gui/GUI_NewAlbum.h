#pragma once
// The new-album screen: the album's title, its track listing and the songs still free, the
// studio to record in, and the way into the mixing desk. SIM_AlbumScreens holds the rules.
#include "GUI_ButtonTypes.h"
#include "GUI_WindowBase.h"
#include "SIM_AlbumScreens.h"

#include <string>
#include <vector>

// A song's row on the LCD strip; a click moves it between the listing and the free songs.
class GUI_AlbumTrack : public GUI_ButtonBase {
public:
    GUI_AlbumTrack(SIM_Song& song, Callback onClick);
    void Draw() override;
    std::string ControlLabel() const override { return label_; }
    SIM_Song& Song() const { return *song_; }

private:
    SIM_Song* song_;
    std::string label_;
};

// A studio: its picture, name and day rate, framed green while chosen. One the band cannot
// pay for is greyed and ignores clicks.
class GUI_StudioButton : public GUI_ButtonBase {
public:
    GUI_StudioButton(int index, const SIM_StudioButtonView& view);
    void Press() override;
    void Draw() override;
    std::string ControlLabel() const override { return view_.name; }
    void SetView(const SIM_StudioButtonView& view);
    const SIM_StudioButtonView& View() const { return view_; }

private:
    int index_;
    SIM_StudioButtonView view_;
};

// Every studio in the catalogue, five to a row.
class GUI_StudioSelector : public GUI_WindowBase {
public:
    static constexpr int kColumns = 5;
    static constexpr float kPictureW = 171.0f, kPictureH = 126.0f;

    GUI_StudioSelector(float left, float top);
    // The cash and the choice may change while the screen is open.
    void Update() override;
    const std::vector<GUI_StudioButton*>& Buttons() const { return buttons_; }

private:
    std::vector<GUI_StudioButton*> buttons_;
};

class GUI_NewAlbum : public GUI_WindowBase {
public:
    static GUI_NewAlbum* Open();

    GUI_NewAlbum();
    const std::vector<GUI_AlbumTrack*>& TrackRows() const { return tracks_; }
    const std::vector<GUI_AlbumTrack*>& AvailableRows() const { return available_; }
    GUI_StudioSelector* Selector() const { return selector_; }
    GUI_ButtonText* FinishButton() const { return finish_; }
    void Finish();
    void Cancel();
    // The rows follow the album; the screen goes when its album does (a new game).
    void Update() override;
    // A full-screen activity: it has every key. Escape cancels.
    void OnNotify(int key) override;

protected:
    void DrawBackground() override;

private:
    void Rebuild();
    void PlaceRandomButton();

    std::vector<GUI_AlbumTrack*> tracks_;
    std::vector<GUI_AlbumTrack*> available_;
    GUI_StudioSelector* selector_ = nullptr;
    GUI_IconButton* random_ = nullptr;
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    GUI_ButtonText* finish_ = nullptr;
    std::string studioNote_;  // under a deal: who pays for which studio
};
