#include "GUI_BookGig.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_Finances.h"
#include "SIM_Hints.h"
#include "SIM_Venue.h"

#include <algorithm>

namespace {
// Layout. The window: the cash on the title row, the info text, the cards three to a row (as
// many rows as the offers need, at most four), the footer, then the page arrows on the left and
// Done on the right. A card: the venue's name across the top, its picture below on the left,
// the three figures and the button beside the picture.
constexpr float kCardW = 312.0f, kCardH = 122.0f, kCardGap = 8.0f;
constexpr float kPad = 8.0f;
constexpr float kNameH = 22.0f;
constexpr float kPictureW = 112.0f, kPictureH = 84.0f;
constexpr float kFiguresX = kPad + kPictureW + 12.0f;  // from the card's left
constexpr float kFigureStep = 18.0f;
constexpr float kCardButtonH = 30.0f;
constexpr float kCashY = 10.0f;  // from the window's top, on the title row
constexpr std::size_t kInfoLines = 2, kFooterLines = 2;
constexpr float kTextGap = 12.0f;
constexpr float kFinishW = 160.0f, kButtonH = 34.0f;
constexpr float kWidth = GUI_Dialog::kMarginLeft + GUI_BookGig::kColumns * kCardW +
                         (GUI_BookGig::kColumns - 1) * kCardGap + GUI_Dialog::kMarginRight;

float LinesHeight(const GUI_Style::Font& font, std::size_t lines) { return font.size * static_cast<float>(lines); }

std::string CashLine() {
    return FormatText("%s : $ %s", Translate("BOOKGIG_CASH").c_str(),
                      FormatThousands(static_cast<long long>(GetFinances().cash)).c_str());
}

bool OnOffer(const SIM_Gig& gig) {
    const auto& offers = GigOffers();
    return std::any_of(offers.begin(), offers.end(), [&](const auto& offer) { return offer.get() == &gig; });
}

void DrawLines(const std::vector<std::string>& lines, const GUI_Style::Font& font, float x, float y, std::uint32_t colour) {
    for (const std::string& line : lines) {
        DrawText(font, line, x, y, colour);
        y += font.size;
    }
}
}  // namespace

void OpenBookGig() { GUI_BookGig::Open(); }

// ---- A card ----

GUI_BookGigCard::GUI_BookGigCard(SIM_Gig& gig, float left, float top, std::function<void(SIM_Gig&)> onBook)
    : gig_(gig) {
    name = "gig card";
    SetRect(left, top, left + kCardW, top + kCardH);
    const SIM_GigCard card = GigCard(gig);
    name_ = gig.venue->displayName;
    picture_ = gig.venue->picture;
    capacity_ = card.capacity;
    price_ = card.price;
    rental_ = card.rental;
    button_ = Add<GUI_ButtonText>(card.button, [this, onBook = std::move(onBook)] { onBook(gig_); }, card.tooltip);
    button_->enabled = card.canBook;
    const float x = left + kFiguresX, bottom = top + kCardH - kPad;
    button_->SetRect(x, bottom - kCardButtonH, left + kCardW - kPad, bottom);
}

void GUI_BookGigCard::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    using GUI_Style::kBody;
    using GUI_Style::kSubheading;
    DrawText(kSubheading, FitText(kSubheading, name_, r.right - r.left - 2.0f * kPad), r.left + kPad, r.top + kPad,
             GUI_Style::kGold);
    const float pictureTop = r.top + kPad + kNameH;
    if (!picture_.empty()) Renderer().DrawTexture(picture_, r.left + kPad, pictureTop, kPictureW, kPictureH);
    const float x = r.left + kFiguresX, room = r.right - kPad - x;
    float y = pictureTop;
    for (const std::string* figure : {&capacity_, &price_, &rental_}) {
        DrawText(kBody, FitText(kBody, *figure, room), x, y, GUI_Style::kCream);
        y += kFigureStep;
    }
}

// ---- The window ----

GUI_BookGig* GUI_BookGig::Open() {
    if (GUI_BookGig* open = WindowList().Find<GUI_BookGig>()) open->Close();
    BuildGigOffers();
    GUI_BookGig* window = WindowList().Open<GUI_BookGig>();
    WindowList().AddModal(window);
    // The advice about bored venues only when the first word on booking is not shown now.
    if (!TriggerHint("book gig") && VenueBoredFlag()) TriggerHint("venue_boredom");
    return window;
}

GUI_BookGig::GUI_BookGig() : GUI_Dialog(Translate("BOOKGIG_TITLE")) {
    name = "book gig";
    const int offers = static_cast<int>(GigOffers().size());
    const int rows = std::clamp((offers + kColumns - 1) / kColumns, 1, kRows);
    const float cardsH = static_cast<float>(rows) * kCardH + static_cast<float>(rows - 1) * kCardGap;
    const float infoH = LinesHeight(GUI_Style::kBody, kInfoLines), footerH = LinesHeight(GUI_Style::kBody, kFooterLines);
    const float windowH = kMarginTop + infoH + kTextGap + cardsH + kTextGap + footerH + kTextGap + kButtonH + kMarginBottom;
    SetRect(0.0f, 0.0f, kWidth, windowH);
    CentreOnScreen();

    cardsTop_ = static_cast<float>(client.top) + infoH + kTextGap;
    footerTop_ = cardsTop_ + cardsH + kTextGap;
    const float bottom = static_cast<float>(client.bottom);
    finish_ = Add<GUI_ButtonText>("BOOKGIG_FINISH", [this] { Close(); }, "BOOKGIG_FINISH_TOOLTIP");
    finish_->SetRect(static_cast<float>(client.right) - kFinishW, bottom - kButtonH, static_cast<float>(client.right), bottom);
    left_ = Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { ShowPage(page_ - 1); });
    right_ = Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { ShowPage(page_ + 1); });
    PlacePageArrows(*this, *left_, *right_, "BOOKGIG_PAGE_PREVIOUS", "BOOKGIG_PAGE_NEXT");
    ShowPage(0);
}

int GUI_BookGig::PageCount() const { return PageCountFor(GigOffers().size(), kCardsPerPage); }

void GUI_BookGig::ShowPage(int page) {
    page_ = std::clamp(page, 0, PageCount() - 1);
    for (GUI_BookGigCard* card : cards_) card->Close();
    cards_.clear();
    const auto& offers = GigOffers();
    const std::size_t first = static_cast<std::size_t>(page_ * kCardsPerPage);
    const std::size_t last = std::min(offers.size(), first + kCardsPerPage);
    for (std::size_t i = first; i < last; ++i) {
        const int slot = static_cast<int>(i - first);
        const float x = static_cast<float>(client.left) + static_cast<float>(slot % kColumns) * (kCardW + kCardGap);
        const float y = cardsTop_ + static_cast<float>(slot / kColumns) * (kCardH + kCardGap);
        cards_.push_back(AddChildWindow<GUI_BookGigCard>(*offers[i], x, y, [this](SIM_Gig& gig) { Book(gig); }));
    }
    UpdatePageArrows(*left_, *right_, page_, PageCount());
}

void GUI_BookGig::Book(SIM_Gig& gig) {
    // One booking however often the button is pressed before the window is gone, and only of a
    // gig still on offer that the band can still book.
    if (booked_ || !OnOffer(gig) || !GigCard(gig).canBook) return;
    booked_ = true;
    Close();
    PressBookButton(gig);
}

bool GUI_BookGig::OnKeyPress(int key) {
    if (key != DIK_ESCAPE) return false;
    Close();
    return true;
}

void GUI_BookGig::DrawForeground() {
    using GUI_Style::kBody;
    const float left = static_cast<float>(client.left), room = static_cast<float>(client.right - client.left);
    DrawText(GUI_Style::kSubheading, CashLine(), static_cast<float>(client.right), static_cast<float>(rect.top) + kCashY,
             GUI_Style::kAmber, TEXT_RIGHT);
    DrawLines(WrapLines(kBody, Translate("BOOKGIG_INFO"), room, kInfoLines), kBody, left,
              static_cast<float>(client.top), GUI_Style::kCream);
    if (GigOffers().empty())
        DrawLines(WrapLines(kBody, Translate("BOOKGIG_NONE"), room, 2), kBody, left, cardsTop_ + kPad,
                  GUI_Style::kCreamDim);
    DrawLines(WrapLines(kBody, Translate("BOOKGIG_FOOTER"), room, kFooterLines), kBody, left, footerTop_,
              GUI_Style::kCreamDim);
    DrawPageLabel(*this, page_, PageCount());
}
