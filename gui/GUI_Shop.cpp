#include "GUI_Shop.h"

#include "GHashTable.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;
using GUI_Style::kSmall;

// ---- The shop, over the leather: the title, the band's cash at the left and its business
// discount at the right under it, a row of tabs, the cards three across and two down, and at the
// bottom the page arrows at the left and the finish button at the right.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kEdge = 40.0f;  // inside the leather's stitching
constexpr float kTitleY = 36.0f;
constexpr float kCashY = 80.0f;
constexpr float kTabsY = 106.0f, kTabH = 32.0f, kTabGap = 8.0f;
constexpr float kCardsY = 148.0f;
constexpr int kColumns = 3;
constexpr float kCardGapX = 16.0f, kCardGapY = 12.0f;
constexpr float kCardW = (kScreenW - 2.0f * kEdge - (kColumns - 1) * kCardGapX) / kColumns;
constexpr float kCardH = 256.0f;
constexpr float kButtonW = 200.0f, kButtonH = 34.0f;
constexpr float kButtonY = kScreenH - kEdge - kButtonH;
constexpr float kArrow = 34.0f, kPageLabelW = 72.0f;
static_assert(kCardsY + 2.0f * kCardH + kCardGapY <= kButtonY - 8.0f, "two rows of cards fit above the buttons");

// ---- Inside a card: the picture at the top left, the name, price and running costs beside it,
// the description under them, the stock and a member's wish above the buy button at the
// bottom right.
constexpr float kPad = 12.0f;
constexpr float kPicture = 96.0f;
constexpr float kInfoX = kPad + kPicture + 12.0f;
constexpr float kNameLineH = 20.0f;
constexpr float kPriceY = kPad + 2.0f * kNameLineH + 4.0f;
constexpr float kCostY = kPriceY + 26.0f, kCostLineH = 15.0f;
constexpr float kDescriptionY = kPad + kPicture + 12.0f, kDescriptionLineH = 17.0f;
constexpr std::size_t kDescriptionLines = 3;
constexpr float kBuyW = 120.0f, kBuyH = 30.0f;
constexpr float kNotesY = kCardH - kPad - kBuyH - 2.0f * kDescriptionLineH - 4.0f;
static_assert(kDescriptionY + kDescriptionLines * kDescriptionLineH <= kNotesY, "the notes fit under the description");

// ---- The asset and listening windows: the picture at the left, the words beside it, the lines
// under both, the action at the bottom left and close at the bottom right.
constexpr float kWindowW = 560.0f;
constexpr float kWindowPicture = 128.0f;
constexpr float kWordsX = kWindowPicture + 16.0f;
constexpr std::size_t kWordsLines = 6;
constexpr float kLineH = 22.0f;
constexpr float kActionW = 160.0f, kActionH = 34.0f;

// A tab of the shop: the open one stays lit.
class GUI_ShopTab : public GUI_ButtonText {
public:
    using GUI_ButtonText::GUI_ButtonText;
    void Draw() override {
        DrawFramedBox(Area(), selected || Lit() ? GUI_Style::kButtonFrameLit : GUI_Style::kButtonFrame,
                      selected ? 0xFFFFFFFF : 0xFFB0A090);
        DrawLabel();
        RecordControl();
        GUI_ButtonBase::Draw();
    }
    bool selected = false;
};

GUI_Shop* gShop = nullptr;
GUI_AssetWindow* gAssetWindow = nullptr;
GUI_ListenWindow* gListenWindow = nullptr;

GUI_ButtonText* AddCloseButton(GUI_Dialog& dialog) {
    auto* close = dialog.Add<GUI_ButtonText>("ASSET_CLOSE", [&dialog] { dialog.Close(); }, "ASSET_CLOSE_TOOLTIP");
    const float right = static_cast<float>(dialog.client.right), bottom = static_cast<float>(dialog.client.bottom);
    close->SetRect(right - kActionW, bottom - kActionH, right, bottom);
    return close;
}
}  // namespace

// ---- A card ----

GUI_ShopCard::GUI_ShopCard(const SIM_ShopModel::Card& card, float left, float top, std::function<void()> onBuy)
    : card_(card) {
    name = "shop card";
    SetRect(left, top, left + kCardW, top + kCardH);
    name_ = WrapLines(GUI_Style::kSubheading, card_.name, kCardW - kInfoX - kPad, 2);
    description_ = WrapLines(kBody, card_.description, kCardW - 2.0f * kPad, kDescriptionLines);
    buy_ = Add<GUI_ButtonText>("", std::move(onBuy));
    buy_->SetLabel(card_.buyLabel);
    buy_->enabled = card_.canBuy;
    buy_->SetTooltipKey(card_.buyTooltip);
    const GRect r = Area();
    buy_->SetRect(r.right - kPad - kBuyW, r.bottom - kPad - kBuyH, r.right - kPad, r.bottom - kPad);
}

void GUI_ShopCard::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame);
    if (!card_.picture.empty()) Renderer().DrawTexture(card_.picture, r.left + kPad, r.top + kPad, kPicture, kPicture);
    const float x = r.left + kInfoX, across = r.right - kPad - x;
    float y = r.top + kPad;
    for (const std::string& line : name_) {
        DrawText(GUI_Style::kSubheading, line, x, y, GUI_Style::kGold);
        y += kNameLineH;
    }
    DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, card_.priceLine, across), x, r.top + kPriceY,
             card_.canBuy ? GUI_Style::kAmber : GUI_Style::kRefusal);
    y = r.top + kCostY;
    for (const std::string& line : card_.costLines) {
        DrawText(kSmall, FitText(kSmall, line, across), x, y, GUI_Style::kCreamDim);
        y += kCostLineH;
    }
    y = r.top + kDescriptionY;
    for (const std::string& line : description_) {
        DrawText(kBody, line, r.left + kPad, y, GUI_Style::kCream);
        y += kDescriptionLineH;
    }
    // Beside the button, left of it.
    const float notes = r.right - r.left - 2.0f * kPad;
    y = r.top + kNotesY;
    if (!card_.stockLine.empty()) {
        DrawText(kBody, FitText(kBody, card_.stockLine, notes), r.left + kPad, y, GUI_Style::kCream);
        y += kDescriptionLineH;
    }
    if (!card_.wantedLine.empty())
        DrawText(kBody, FitText(kBody, card_.wantedLine, notes - kBuyW - 8.0f), r.left + kPad, r.bottom - kPad - kBuyH + 6.0f,
                 GUI_Style::kGold);
}

// ---- The shop ----

GUI_Shop* GUI_Shop::Open(const std::string& tab) {
    return OpenFullScreen<GUI_Shop>(tab);
}

GUI_Shop::GUI_Shop(const std::string& tab) {
    name = "shop";
    gShop = this;
    onClosed = [this] {
        if (gShop == this) gShop = nullptr;
    };
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    const auto& tabs = SIM_ShopModel::Tabs();
    const float tabW = (kScreenW - 2.0f * kEdge - static_cast<float>(tabs.size() - 1) * kTabGap) / static_cast<float>(tabs.size());
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const std::string key = tabs[i].key;
        auto* button = Add<GUI_ShopTab>(tabs[i].label, [this, key] { ShowTab(key); });
        const float x = kEdge + static_cast<float>(i) * (tabW + kTabGap);
        button->SetRect(x, kTabsY, x + tabW, kTabsY + kTabH);
        tabButtons_.push_back(button);
    }
    auto* finish = Add<GUI_ButtonText>("", [this] { Finish(); });
    finish->SetLabel(model_.finishLabel);
    finish->SetTooltipKey(model_.finishTooltip);
    finish->SetRect(kScreenW - kEdge - kButtonW, kButtonY, kScreenW - kEdge, kButtonY + kButtonH);
    left_ = Add<GUI_IconButton>("left.dds", "left_h.dds", [this] { ShowPage(page_ - 1); });
    right_ = Add<GUI_IconButton>("right.dds", "right_h.dds", [this] { ShowPage(page_ + 1); });
    left_->SetRect(kEdge, kButtonY, kEdge + kArrow, kButtonY + kArrow);
    right_->SetRect(kEdge + kArrow + kPageLabelW, kButtonY, kEdge + 2.0f * kArrow + kPageLabelW, kButtonY + kArrow);
    left_->SetTooltipKey("SHOP_PAGE_PREVIOUS");
    right_->SetTooltipKey("SHOP_PAGE_NEXT");
    ShowTab(tab);
}

int GUI_Shop::PageCount() const { return PageCountFor(listing_.size(), kCardsPerPage); }

void GUI_Shop::ShowTab(const std::string& tab) {
    tab_ = tab;
    const auto& tabs = SIM_ShopModel::Tabs();
    for (std::size_t i = 0; i < tabs.size() && i < tabButtons_.size(); ++i)
        static_cast<GUI_ShopTab*>(tabButtons_[i])->selected = tabs[i].key == tab_;
    page_ = 0;
    Rebuild();
}

void GUI_Shop::Rebuild() {
    listing_ = model_.Cards(tab_);
    ShowPage(page_);
}

void GUI_Shop::ShowPage(int page) {
    page_ = std::clamp(page, 0, std::max(0, PageCount() - 1));
    for (GUI_ShopCard* card : cards_) card->Close();
    cards_.clear();
    const std::size_t first = static_cast<std::size_t>(page_ * kCardsPerPage);
    const std::size_t last = std::min(listing_.size(), first + kCardsPerPage);
    for (std::size_t i = first; i < last; ++i) {
        const int slot = static_cast<int>(i - first);
        const float x = kEdge + static_cast<float>(slot % kColumns) * (kCardW + kCardGapX);
        const float y = kCardsY + static_cast<float>(slot / kColumns) * (kCardH + kCardGapY);
        SIM_Asset* asset = listing_[i].asset;
        cards_.push_back(AddChildWindow<GUI_ShopCard>(listing_[i], x, y, [this, asset] { Buy(*asset); }));
    }
    UpdatePageArrows(*left_, *right_, page_, PageCount());
}

void GUI_Shop::Buy(SIM_Asset& asset) {
    if (Closed() || !model_.Buy(asset)) return;
    // What was bought leaves the shelf (merchandise stays, with more in stock), and the cash
    // left decides what else is in reach.
    Rebuild();
}

void GUI_Shop::Finish() {
    if (!Closed()) Close();
}

void GUI_Shop::OnNotify(int key) {
    if (key == DIK_ESCAPE) Finish();
}

void GUI_Shop::DrawBackground() {
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    DrawText(kTitleFont, FitText(kTitleFont, model_.title, kScreenW - 2.0f * kEdge), kScreenW / 2.0f, kTitleY, GUI_Style::kGold,
             TEXT_CENTRED);
    DrawText(GUI_Style::kSubheading, model_.CashLine(), kEdge, kCashY, GUI_Style::kAmber);
    const std::string discount = model_.DiscountLine();
    if (!discount.empty()) DrawText(GUI_Style::kSubheading, discount, kScreenW - kEdge, kCashY, GUI_Style::kGold, TEXT_RIGHT);
    if (PageCount() > 1)
        DrawText(GUI_Style::kSubheading, FormatText("%d / %d", page_ + 1, PageCount()), kEdge + kArrow + kPageLabelW / 2.0f,
                 kButtonY + kArrow / 2.0f - GUI_Style::kSubheading.size / 2.0f, GUI_Style::kCream, TEXT_CENTRED);
    if (listing_.empty())
        DrawText(GUI_Style::kHeading, Translate("SHOP_EMPTY_TAB"), kScreenW / 2.0f, kCardsY + kCardH, GUI_Style::kCreamDim,
                 TEXT_CENTRED);
}

// ---- An owned asset ----

GUI_AssetWindow* GUI_AssetWindow::Open(SIM_Asset& asset) {
    if (gAssetWindow) gAssetWindow->Close();
    return WindowList().Open<GUI_AssetWindow>(asset);
}

GUI_AssetWindow::GUI_AssetWindow(SIM_Asset& asset) : GUI_Dialog(asset.displayName), model_(asset) {
    name = "asset window";
    gAssetWindow = this;
    onClosed = [this] {
        if (gAssetWindow == this) gAssetWindow = nullptr;
    };
    const float wordsW = kWindowW - kMarginLeft - kMarginRight - kWordsX;
    text_ = WrapLines(kBody, model_.text, wordsW, kWordsLines);
    const float top = std::max(kWindowPicture, static_cast<float>(text_.size()) * 18.0f) + 12.0f;
    const float linesH = static_cast<float>(model_.lines.size()) * kLineH;
    SetRect(0.0f, 0.0f, kWindowW, kMarginTop + top + linesH + 12.0f + kActionH + kMarginBottom);
    CentreOnScreen();
    AddCloseButton(*this);
    if (model_.action.kind == SIM_AssetAction::kNone) return;
    action_ = Add<GUI_ButtonText>("", [this] { Act(); });
    action_->SetLabel(model_.action.label);
    action_->SetTooltipKey(model_.action.tooltip);
    const float left = static_cast<float>(client.left), bottom = static_cast<float>(client.bottom);
    action_->SetRect(left, bottom - kActionH, left + kActionW, bottom);
}

void GUI_AssetWindow::Act() {
    if (Closed() || !model_.Act()) return;
    const bool shop = model_.OpensShop();
    Close();
    if (shop) GUI_Shop::Open(model_.asset.shopTab);
}

void GUI_AssetWindow::DrawForeground() {
    const float left = static_cast<float>(client.left), top = static_cast<float>(client.top);
    if (!model_.picture.empty()) Renderer().DrawTexture(model_.picture, left, top, kWindowPicture, kWindowPicture);
    float y = top;
    for (const std::string& line : text_) {
        DrawText(kBody, line, left + kWordsX, y, GUI_Style::kCream);
        y += 18.0f;
    }
    y = top + std::max(kWindowPicture, static_cast<float>(text_.size()) * 18.0f) + 12.0f;
    const float across = static_cast<float>(client.right) - left;
    for (const std::string& line : model_.lines) {
        DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, line, across), left, y, GUI_Style::kAmber);
        y += kLineH;
    }
}

// ---- Listening to an album ----

GUI_ListenWindow* GUI_ListenWindow::Open(SIM_AssetMusic& album) {
    if (gListenWindow) gListenWindow->Close();
    return WindowList().Open<GUI_ListenWindow>(album);
}

GUI_ListenWindow::GUI_ListenWindow(SIM_AssetMusic& album) : GUI_Dialog(album.displayName), model_(album) {
    name = "listen window";
    gListenWindow = this;
    onClosed = [this] {
        if (gListenWindow == this) gListenWindow = nullptr;
    };
    text_ = WrapLines(kBody, model_.text, kWindowW - kMarginLeft - kMarginRight - kWordsX, kWordsLines);
    // Room for the picture, four lines and the two-line news of what it taught.
    SetRect(0.0f, 0.0f, kWindowW, kMarginTop + kWindowPicture + 12.0f + 4.0f * kLineH + 44.0f + 12.0f + kActionH + kMarginBottom);
    CentreOnScreen();
    AddCloseButton(*this);
    listen_ = Add<GUI_ButtonText>("", [this] { Listen(); });
    listen_->SetLabel(model_.listenLabel);
    const float left = static_cast<float>(client.left), bottom = static_cast<float>(client.bottom);
    listen_->SetRect(left, bottom - kActionH, left + kActionW, bottom);
    Follow();
}

void GUI_ListenWindow::Listen() {
    if (Closed() || !model_.Listen()) return;
    Follow();
}

void GUI_ListenWindow::Update() {
    Follow();
    GUI_Dialog::Update();
}

void GUI_ListenWindow::Follow() {
    const bool can = model_.CanListen();
    if (can == listen_->enabled && listen_->Tooltip()) return;
    listen_->enabled = can;
    listen_->SetTooltipKey(model_.ListenTooltip());
}

void GUI_ListenWindow::DrawForeground() {
    const float left = static_cast<float>(client.left), top = static_cast<float>(client.top);
    const float across = static_cast<float>(client.right) - left;
    if (!model_.picture.empty()) Renderer().DrawTexture(model_.picture, left, top, kWindowPicture, kWindowPicture);
    float y = top;
    for (const std::string& line : text_) {
        DrawText(kBody, line, left + kWordsX, y, GUI_Style::kCream);
        y += 18.0f;
    }
    y = top + kWindowPicture + 12.0f;
    for (const std::string& line : {model_.ProgressLine(), model_.UnlocksLine(), model_.trackLine, model_.inspirationLine}) {
        if (!line.empty()) DrawText(GUI_Style::kSubheading, FitText(GUI_Style::kSubheading, line, across), left, y, GUI_Style::kAmber);
        y += kLineH;
    }
    const std::string unlocked = model_.UnlockedLine();
    if (!unlocked.empty()) DrawTextWrapped(kBody, unlocked, left, y + 4.0f, across, GUI_Style::kGold);
}

// ---- Openers ----

void OpenShop() { GUI_Shop::Open(); }

void OpenOwnedAsset(const SIM_Asset& shown) {
    // The icon shows the catalogue's own asset; the catalogue hands it out to be changed.
    SIM_Asset* asset = FindAsset(shown.key);
    if (!asset || !asset->owned) return;
    if (auto* album = dynamic_cast<SIM_AssetMusic*>(asset)) GUI_ListenWindow::Open(*album);
    else GUI_AssetWindow::Open(*asset);
}
