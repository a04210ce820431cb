#pragma once
// The band's songs: the songs tab of the band's state on the desktop, one row per current song
// and placeholders for the songs a gig still lacks, and the details of a song with its improve
// and retire buttons. The rules come from SIM_SongScreens; these only draw them.
#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "SIM_SongScreens.h"

#include <string>
#include <vector>

class SIM_Song;

// A current song's row: its name in the colour of the band's boredom with it, the classic
// picture for a classic; a click opens its details.
class GUI_SongEntry : public GUI_ButtonBase {
public:
    explicit GUI_SongEntry(const SIM_SongRow& row);
    void SetRow(const SIM_SongRow& row) { row_ = row; }
    const SIM_Song* Song() const { return row_.song; }
    void Draw() override;
    // Scripts and the frame record find the row by the song's full name.
    std::string ControlLabel() const override { return row_.text; }

private:
    SIM_SongRow row_;
};

// A song still to be written before the band has enough for a gig.
class GUI_DummySongEntry : public GUI_BaseElement {
public:
    explicit GUI_DummySongEntry(std::string text) : text_(std::move(text)) {}
    void Draw() override;

private:
    std::string text_;
};

class GUI_SongList : public GUI_WindowTab {
public:
    GUI_SongList() { name = "songs tab"; }
    // Rebuilds the rows when the repertoire changed, refreshes their names and colours, and
    // scrolls with the mouse wheel over the list.
    void Update() override;
    // Rows moved by whole rows; the arrows and the wheel use it.
    void Scroll(int rows);
    int FirstRow() const { return first_; }

protected:
    void DrawBackground() override;

private:
    void Rebuild(const std::vector<SIM_SongRow>& rows);
    bool ShowsSameSongs(const std::vector<SIM_SongRow>& rows) const;
    float RowsBottom() const;
    int VisibleRows() const;

    std::vector<GUI_BaseElement*> rowElements_;
    std::vector<GUI_SongEntry*> entries_;  // the song rows among them, in order
    std::vector<const SIM_Song*> songs_;   // every row's song (none for a placeholder), shown or not
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    unsigned revision_ = 0;
    bool built_ = false;
    GUI_Rect builtRect_;
    int first_ = 0;
    int rowCount_ = 0;
};

// The details of one current song. Only one is open at a time; Escape closes it.
class GUI_SongDetails : public GUI_Dialog {
public:
    // Opens the details of the song, replacing any open ones, and offers their hint.
    static GUI_SongDetails* Open(SIM_Song& song);

    explicit GUI_SongDetails(SIM_Song& song);
    const SIM_Song& Song() const { return song_; }
    // Closes itself once its song is no longer current (a new game, a load).
    void Update() override;
    void Improve();
    void Retire();

protected:
    void DrawForeground() override;

private:
    // Lays out the texts and returns the height they need.
    float TextHeight(const SIM_SongDetailsView& view) const;

    SIM_Song& song_;
    SIM_SongDetailsView view_;
    GUI_ButtonText* improve_ = nullptr;
    GUI_ButtonText* retire_ = nullptr;
    unsigned revision_ = 0;
    bool acted_ = false;
};
