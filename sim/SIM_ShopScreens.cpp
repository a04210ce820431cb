#include "SIM_ShopScreens.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"

#include <cmath>

namespace {
std::string Dollars(float amount) {
    // As the cash display: whole dollars from a hundred up, cents below.
    if (std::fabs(amount) >= 100.0f) return "$ " + FormatThousands(static_cast<long long>(amount));
    return FormatText("$ %.2f", static_cast<double>(amount));
}

std::string CostLine(float cost, const char* per) {
    return FormatText("($ %.2f/%s)", static_cast<double>(cost), Translate(per).c_str());
}

// Who in the band wishes for it: one member by name, several as the band.
std::string WishLine(const SIM_Asset& asset) {
    std::vector<const SIM_Musician*> wishers;
    for (const SIM_Musician* m : GetBand().members)
        if (m->wantedAsset == &asset) wishers.push_back(m);
    if (wishers.empty()) return {};
    if (wishers.size() > 1) return Translate("SHOP_WANTED_BY_BAND");
    std::string line = Translate("SHOP_WANTED_BY");
    ReplaceToken(line, "<NAME>", wishers.front()->fullname);
    return line;
}
}  // namespace

// ---- The shop ----

SIM_ShopModel::SIM_ShopModel()
    : title(Translate("SHOPPING_TITLE")), finishLabel(Translate("SHOPPING_FINISH")), finishTooltip("SHOPPING_FINISH_TOOLTIP") {
    GetBand().PickWantedAssets();
}

const std::vector<SIM_ShopModel::Tab>& SIM_ShopModel::Tabs() {
    static const std::vector<Tab> tabs = {{"instruments", "SHOP_INSTRUMENTS"}, {"lighting", "SHOP_LIGHTING"},
                                          {"effects", "SHOP_EFFECTS"},         {"general", "SHOP_GENERAL"},
                                          {"merchandise", "SHOP_MERCHANDISE"}, {"staff", "SHOP_STAFF"},
                                          {"music", "SHOP_MUSIC"}};
    return tabs;
}

std::string SIM_ShopModel::BuyLabel(const std::string& tab) {
    const bool staff = tab == "staff";  // not a data key
    return Translate(staff ? "HOOK_HIRE" : "HOOK_PURCHASE");
}

std::vector<SIM_ShopModel::Card> SIM_ShopModel::Cards(const std::string& tab) const {
    const SIM_Finances& money = GetFinances();
    const bool staff = tab == "staff";
    std::vector<Card> cards;
    for (SIM_Asset* asset : ShopTabListing(tab)) {
        Card card;
        card.asset = asset;
        card.name = asset->displayName;
        card.picture = asset->image;
        card.description = asset->text;
        const float cost = money.DiscountedCost(asset->price);
        card.priceLine = Dollars(cost);
        if (asset->dailyCost != 0.0f) card.costLines.push_back(CostLine(asset->dailyCost, "SHOP_PER_DAY"));
        if (asset->perGigCost != 0.0f) card.costLines.push_back(CostLine(asset->perGigCost, "SHOP_PER_GIG"));
        if (const auto* merch = dynamic_cast<const SIM_Merchandise*>(asset))
            card.stockLine = FormatText("%s : %d", Translate("MERCHANDISE_CURRENT_STOCK").c_str(), merch->Stock());
        card.wantedLine = WishLine(*asset);
        card.buyLabel = BuyLabel(tab);
        // The till does not check the cash, but a shop that lets the band buy on money it does not
        // have would only run it into debt: the button is greyed and says why.
        card.canBuy = cost <= money.cash;
        card.buyTooltip = !card.canBuy ? "SHOP_CANNOT_AFFORD" : staff ? "HOOK_HIRE_TOOLTIP" : "HOOK_SHOPPING_TOOLTIP";
        cards.push_back(std::move(card));
    }
    return cards;
}

bool SIM_ShopModel::Buy(SIM_Asset& asset) {
    if (GetFinances().DiscountedCost(asset.price) > GetFinances().cash) return false;
    // A card left over from a purchase a moment ago is not on sale any more.
    if (!dynamic_cast<SIM_Merchandise*>(&asset) && asset.owned) return false;
    ShopPurchase(asset);
    return true;
}

std::string SIM_ShopModel::CashLine() const {
    return FormatText("%s : %s", Translate("MONEY").c_str(), Dollars(GetFinances().cash).c_str());
}

std::string SIM_ShopModel::DiscountLine() const {
    // No businessman in the band, no panel: a 0% discount only takes room.
    if (static_cast<int>(GetFinances().GetBusinessDiscount() * 100.0f) == 0) return {};
    return GetFinances().BusinessDiscountText();
}

// ---- An owned asset ----

SIM_AssetWindowModel::SIM_AssetWindowModel(SIM_Asset& owned)
    : asset(owned), title(owned.displayName), picture(owned.image), text(owned.text), action(AssetWindowAction(owned)) {
    if (asset.perGigCost != 0.0f)
        lines.push_back(FormatText("%s $%.0f", Translate("PERGIG_COST").c_str(), static_cast<double>(asset.perGigCost)));
    if (asset.dailyCost != 0.0f)
        lines.push_back(FormatText("%s : $%.2f", Translate("DAILY_COST").c_str(), static_cast<double>(asset.dailyCost)));
    if (asset.sellable)
        lines.push_back(FormatText("%s : $%s", Translate("SECOND_HAND_VALUE").c_str(),
                                   FormatThousands(static_cast<long long>(asset.price * 0.5f)).c_str()));
    if (const auto* merch = dynamic_cast<const SIM_Merchandise*>(&asset))
        lines.push_back(FormatText("%s : %d", Translate("MERCHANDISE_QUANTITY").c_str(), merch->Stock()));
    action.label = action.label.empty() ? std::string() : Translate(action.label);
    if (action.kind == SIM_AssetAction::kOpenShop) action.tooltip = "MERCHANDISE_BUY_TOOLTIP";
}

bool SIM_AssetWindowModel::Act() {
    if (acted) return false;
    switch (action.kind) {
        case SIM_AssetAction::kNone: return false;
        case SIM_AssetAction::kSell:
            // Only what the band still owns can be sold, and only once.
            if (!asset.owned) return false;
            asset.Sell();
            break;
        case SIM_AssetAction::kOpenShop: break;
    }
    acted = true;
    return true;
}

// ---- Listening to an album ----

SIM_ListenModel::SIM_ListenModel(SIM_AssetMusic& music)
    : album(music), title(music.displayName), picture(music.image), text(music.text),
      listenLabel(Translate("ASSETMUSIC_LISTEN")) {}

bool SIM_ListenModel::CanListen() const { return album.owned && album.heardOnTurn != GetSIM().turncount; }

std::string SIM_ListenModel::ListenTooltip() const {
    return CanListen() ? "ASSETMUSIC_LISTEN_TOOLTIP" : "ASSETMUSIC_HEARD_TODAY";
}

bool SIM_ListenModel::Listen() {
    // One evening with the album a day: the inspiration it gives cannot be played up at will.
    if (!CanListen()) return false;
    album.heardOnTurn = GetSIM().turncount;
    album.Listen();
    inspirationLine = FormatText("%s: +%.0f", Translate("LISTENALBUM_INSPIRATION").c_str(),
                                 static_cast<double>(GetTuningValue("RS_LISTEN_ALBUM_INSPIRATION") * 100.0f));
    if (!album.tracks.empty()) {
        const std::size_t track = static_cast<std::size_t>(album.listened - 1) % album.tracks.size();
        trackLine = FormatText("%s : %s", Translate("LISTENALBUM_TRACK").c_str(), album.tracks[track].c_str());
    }
    return true;
}

std::string SIM_ListenModel::ProgressLine() const {
    return FormatText("%s : %.0f%%", Translate("ASSETMUSIC_PROGRESS").c_str(), static_cast<double>(album.progress * 100.0f));
}

namespace {
std::string ElementText(const SIM_AssetMusic& album) {
    return album.element && !album.element->label.empty() ? album.element->label : album.elementName;
}
}  // namespace

std::string SIM_ListenModel::UnlocksLine() const {
    return FormatText("%s : %s", Translate("ASSETMUSIC_UNLOCKS").c_str(), ElementText(album).c_str());
}

std::string SIM_ListenModel::UnlockedLine() const {
    if (album.progress < 1.0f) return {};
    return Translate("RS_LISTEN_ALBUM_UNLOCKED") + " " + ElementText(album) + ".";
}
