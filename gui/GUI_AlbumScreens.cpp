#include "GUI_AlbumScreens.h"

#include "GHashTable.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"

namespace {
// The offer: the scout's words, the terms in gold, the two answers along the bottom; as tall as
// its words.
constexpr float kOfferW = 560.0f;
constexpr float kOfferClientW = kOfferW - GUI_Dialog::kMarginLeft - GUI_Dialog::kMarginRight;
// The details: the cover at the left, the figures in two columns beside it, Close at the bottom.
constexpr float kDetailsW = 500.0f, kDetailsH = 300.0f;
constexpr float kCover = 128.0f;
constexpr float kLineH = 26.0f;
constexpr float kGap = 12.0f;
constexpr float kButtonW = 180.0f, kButtonH = 34.0f;
}  // namespace

// ---- The record company's offer ----

GUI_RecordCompanyOffer* GUI_RecordCompanyOffer::Open() {
    GUI_RecordCompanyOffer* window = WindowList().Open<GUI_RecordCompanyOffer>();
    WindowList().AddModal(window);
    return window;
}

GUI_RecordCompanyOffer::GUI_RecordCompanyOffer() {
    name = "record company offer";
    SIM_RecordOfferModel* offer = RecordOffer();
    if (offer) {
        SetTitle(offer->Title());
        text_ = offer->Text();
        royalty_ = offer->RoyaltyText();
        marketing_ = offer->MarketingText();
    }
    const float words = WrappedTextHeight(GUI_Style::kBody, text_, kOfferClientW) + kGap + kLineH +
                        WrappedTextHeight(GUI_Style::kBody, marketing_, kOfferClientW);
    SetRect(0, 0, kOfferW, kMarginTop + words + 2.0f * kGap + kButtonH + kMarginBottom);
    CentreOnScreen();
    const float left = static_cast<float>(client.left), right = static_cast<float>(client.right);
    const float bottom = static_cast<float>(client.bottom);
    auto* accept = Add<GUI_ButtonText>("", [this] { Answer(true); });
    accept->SetLabel(Translate("OFFER_ACCEPT"));
    accept->SetTooltip(Translate("OFFER_ACCEPT_TOOLTIP"));
    accept->SetRect(left, bottom - kButtonH, left + kButtonW, bottom);
    auto* reject = Add<GUI_ButtonText>("", [this] { Answer(false); });
    reject->SetLabel(Translate("OFFER_REJECT"));
    reject->SetTooltip(Translate("OFFER_REJECT_TOOLTIP"));
    reject->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
}

void GUI_RecordCompanyOffer::Answer(bool accept) {
    // Two clicks in one frame answer once: the first closes the window.
    if (Closed()) return;
    if (accept) AcceptRecordOffer();
    else RejectRecordOffer();
    Close();
}

void GUI_RecordCompanyOffer::DrawForeground() {
    const float x = static_cast<float>(client.left), top = static_cast<float>(client.top);
    const float across = static_cast<float>(client.right - client.left);
    const float below = DrawTextWrapped(GUI_Style::kBody, text_, x, top, across, GUI_Style::kCream);
    DrawText(GUI_Style::kSubheading, royalty_, x, below + kGap, GUI_Style::kGold);
    DrawTextWrapped(GUI_Style::kBody, marketing_, x, below + kGap + kLineH, across, GUI_Style::kGold);
}

// ---- An album's details ----

GUI_AlbumDetails* GUI_AlbumDetails::Open(const SIM_Album& album) {
    if (GUI_AlbumDetails* open = WindowList().Find<GUI_AlbumDetails>()) open->Close();
    GUI_AlbumDetails* window = WindowList().Open<GUI_AlbumDetails>(album);
    // Its word of advice goes over the figures it is about.
    OpenAlbumDetails(album);
    return window;
}

GUI_AlbumDetails::GUI_AlbumDetails(const SIM_Album& album) : GUI_Dialog(album.title), album_(album) {
    name = "album details";
    SetRect(0, 0, kDetailsW, kDetailsH);
    CentreOnScreen();
    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    auto* close = Add<GUI_ButtonText>("", [this] { Close(); });
    close->SetLabel(Translate("ASSET_CLOSE"));
    close->SetTooltip(Translate("ASSET_CLOSE_TOOLTIP"));
    close->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
}

bool GUI_AlbumDetails::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    Close();
    return true;
}

void GUI_AlbumDetails::DrawForeground() {
    const float x = static_cast<float>(client.left), top = static_cast<float>(client.top);
    Renderer().DrawTexture(album_.coverTexture, x, top, kCover, kCover);
    // The figures are read fresh each frame: a week's sales can pass while the window is open.
    const float labels = x + kCover + 2.0f * kGap, values = static_cast<float>(client.right);
    float y = top;
    for (const SIM_AlbumDetailLine& line : AlbumDetailLines(album_)) {
        DrawText(GUI_Style::kBody, line.label, labels, y, GUI_Style::kCream);
        DrawText(GUI_Style::kSubheading, line.value, values, y, GUI_Style::kAmber, TEXT_RIGHT);
        y += kLineH;
    }
}
