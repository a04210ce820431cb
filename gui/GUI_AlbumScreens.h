#pragma once
// The record company's offer after a gig, and an album's details from its desktop icon. The
// simulation's album screens hold the texts and the rules; these windows draw and answer.
#include "GUI_Dialog.h"

#include <string>
#include <vector>

class SIM_Album;
struct SIM_AlbumDetailLine;

class GUI_RecordCompanyOffer : public GUI_Dialog {
public:
    // Opens the offer standing (modal) until it is signed or turned down.
    static GUI_RecordCompanyOffer* Open();

    GUI_RecordCompanyOffer();
    // Signing or walking away, once; either closes the offer.
    void Answer(bool accept);

protected:
    void DrawForeground() override;

private:
    std::string text_, royalty_, marketing_;
};

class GUI_AlbumDetails : public GUI_Dialog {
public:
    // One details window at a time: opening another album's replaces it.
    static GUI_AlbumDetails* Open(const SIM_Album& album);

    explicit GUI_AlbumDetails(const SIM_Album& album);
    const SIM_Album& Album() const { return album_; }
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    const SIM_Album& album_;
};
