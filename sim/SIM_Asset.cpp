#include "SIM_Asset.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibDataFolder.h"
#include "LibErrors.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Commenter.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
std::vector<std::unique_ptr<SIM_Asset>> gCatalogue;
std::vector<SIM_Asset*> gAll;
std::vector<SIM_Asset*> gShop;
std::vector<SIM_Asset*> gOwned;
SIM_AssetSeams gSeams;

constexpr const char* kCashSound = "data/sounds/cash.ogg";

bool Contains(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
    return std::find(list.begin(), list.end(), asset) != list.end();
}
void AddOnce(std::vector<SIM_Asset*>& list, SIM_Asset* asset) {
    if (!Contains(list, asset)) list.push_back(asset);
}

// The world value named after the asset, created with its display name when missing.
SIM_NamedValue& GlobalFor(const std::string& name, const std::string& display, float initial) {
    if (SIM_NamedValue* v = Globals().Find(name)) return *v;
    return Globals().Add(std::make_unique<SIM_NamedValue>(name, display, initial));
}
void SetOwnershipValue(const SIM_Asset& asset, float v) { GlobalFor(asset.key, asset.displayName, v).value = v; }

int ParseInstrument(const std::string& cell) {
    static const std::pair<const char*, int> kNames[] = {
        {"KEYBOARD", INSTRUMENT_KEYBOARD}, {"DRUMS", INSTRUMENT_DRUMS},         {"BASS", INSTRUMENT_BASS},
        {"GUITAR", INSTRUMENT_GUITAR},     {"SAXOPHONE", INSTRUMENT_SAXOPHONE}, {"VOCALS", INSTRUMENT_VOCALS},
        {"BAND", kAssetForWholeBand}};
    for (const auto& [name, number] : kNames)
        if (cell == name) return number;
    return kAssetNoInstrument;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string> SplitList(const std::string& cell) {
    std::vector<std::string> out;
    LibTokenizer words(cell);
    while (!words.AtEnd()) {
        std::string word = Trimmed(words.Next());
        if (!word.empty()) out.push_back(std::move(word));
    }
    return out;
}

std::unique_ptr<SIM_Asset> MakeAsset(const std::string& kind) {
    if (kind == "stage_equipment") return std::make_unique<SIM_StageEquipment>();
    if (kind == "recorded_music") return std::make_unique<SIM_AssetMusic>();
    if (kind == "instrument") return std::make_unique<SIM_Instrument>();
    if (kind == "merchandise") return std::make_unique<SIM_Merchandise>();
    if (kind == "video") return std::make_unique<SIM_Video>();
    return std::make_unique<SIM_Asset>();
}

// By a member or by the player: a band whose only singer is the player still wants microphones.
bool PlayedInBand(int instrument) {
    if (instrument >= kAssetNoInstrument) return true;
    return GetMilo().instrument == instrument || GetBand().FindMemberByInstrument(instrument) != nullptr;
}
}  // namespace

SIM_AssetSeams& AssetSeams() { return gSeams; }

// ---- One asset ---------------------------------------------------------------------------

void SIM_Asset::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the row marker
    kindText = cells.NextText();
    key = cells.NextText();
    label = key;  // the source of every effect the asset leaves behind
    displayName = cells.NextText();
    shopTab = cells.NextText();
    text = cells.NextText();
    image = cells.NextText();
    purchaseSound = cells.NextText();
    price = cells.NextFloat();
    dailyCost = cells.NextFloat();
    perGigCost = cells.NextFloat();
    value = cells.NextFloat();
    note = cells.NextText();
    instrument = ParseInstrument(cells.NextText());
    for (const std::string& flag : SplitList(cells.NextText())) {
        if (flag == "STEALABLE") stealable = true;
        else if (flag == "SELLABLE") sellable = true;
        else if (flag == "REBUYABLE") rebuyable = true;
        else if (flag == "SERVICE") service = true;
        else if (flag == "DESIRABLE") desirable = true;
        else if (flag == "EMPLOYEE") employee = true;
    }
    category = cells.NextText();
    LoadKindColumns(cells);
    cells.Next();  // a spacer before the modifiers
    while (!cells.AtEnd()) {
        const std::string cell = cells.NextText();
        if (!cell.empty() && cell[0] == '#') break;
        AddModifier(cell);
    }
}

void SIM_Asset::Purchase(bool pay) {
    std::erase(gShop, this);
    returned = false;
    owned = true;
    upkeepFailed = false;
    AddOnce(gOwned, this);
    if (pay) GetFinances().cash -= GetFinances().DiscountedCost(price);
    SetOwnershipValue(*this, 1.0f);
    if (!purchaseSound.empty()) Screens().PlaySound(purchaseSound);
    if (instrument == kAssetForWholeBand) {
        AddOnce(GetBand().communalAssets, this);
    } else if (instrument < kAssetNoInstrument) {
        if (SIM_Musician* player = GetBand().FindMemberByInstrument(instrument)) {
            assigned = true;
            // A starting instrument is the catalogue's own asset: he may already hold this one.
            if (std::find(player->possessions.begin(), player->possessions.end(), this) == player->possessions.end())
                player->GivePossession(this);
            // The strings table drops blanks from its keys ("cheap guitar" is stored as
            // "cheapguitar"), so the lookup must drop them too.
            std::string thanks = key + "_THANKS";
            std::erase_if(thanks, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
            player->commenter->QueueComment(COMMENT_KEYED, 1.0f, thanks);
        }
    }
    ApplyModifiers(1.0f);
}

void SIM_Asset::LeaveBand(bool alwaysToShop) {
    owned = false;
    assigned = false;
    upkeepFailed = false;
    std::erase(gOwned, this);
    // Whoever held it no longer has it: it must not keep counting as his instrument.
    if (SIM_Band* band = BandIfAny()) {
        std::erase(band->communalAssets, this);
        for (SIM_Musician* m : band->members)
            if (std::erase(m->possessions, this) > 0) m->UpdatePossessionValue();
    }
    if (alwaysToShop || IsInShop()) {
        AddOnce(gShop, this);
        returned = true;
    }
    SetOwnershipValue(*this, 0.0f);
}

void SIM_Asset::Sell() {
    LeaveBand(false);
    GetFinances().AddCash(price * 0.5f);
    if (price > 0.0f) Screens().PlaySound(kCashSound);
    GetBand().RemoveEffectsNamed(key);
}

void SIM_Asset::Lose() { LeaveBand(false); }

void SIM_Asset::Acquire() {
    SetOwnershipValue(*this, 1.0f);
    std::erase(gShop, this);
    returned = false;
    owned = true;
    AddOnce(gOwned, this);
}

void SIM_Asset::PayDailyCost() {
    if (!owned || dailyCost == 0.0f) return;
    SIM_Finances& money = GetFinances();
    money.cash -= dailyCost;
    // Staff and services walk out when the band can no longer pay them.
    if (service && money.cash < 0.0f) OnUpkeepFailed();
}

void SIM_Asset::OnUpkeepFailed() {
    upkeepFailed = true;
    SetOwnershipValue(*this, 0.0f);
    if (!service) return;
    std::string message = Translate("ASSET_INSUFFICIENTUPKEEP_TEXT");
    ReplaceToken(message, "<ASSETNAME>", displayName);
    Screens().ShowMessage(Translate("ASSET_INSUFFICIENTUPKEEP_TITLE"), message, image);
}

// ---- The kinds ----------------------------------------------------------------------------

void SIM_Instrument::LoadKindColumns(LibTokenizer& cells) { quality = cells.NextFloat(); }

void SIM_StageEquipment::LoadKindColumns(LibTokenizer& cells) {
    stageShow = cells.NextFloat();
    weight = cells.NextFloat();
}

void SIM_Video::LoadKindColumns(LibTokenizer& cells) {
    hypeAmount = cells.NextFloat();
    hypeDegrade = cells.NextFloat();
}

void SIM_Video::Purchase(bool pay) {
    SIM_Asset::Purchase(pay);
    GetBand().ModifyBandValue("band_hype", hypeAmount, hypeDegrade, "video");
}

void SIM_Merchandise::LoadKindColumns(LibTokenizer& cells) {
    batchSize = cells.NextInt();
    unitPrice = cells.NextFloat();
    stockKey = cells.NextText();
}

// Merchandise stays on the shelf: the band restocks it batch by batch.
void SIM_Merchandise::Purchase(bool) {
    GetFinances().cash -= GetFinances().DiscountedCost(price);
    owned = true;
    AddOnce(gOwned, this);
    SetOwnershipValue(*this, 1.0f);
    if (SIM_NamedValue* stock = Globals().Find(stockKey)) stock->value += static_cast<float>(batchSize);
    else GlobalFor(stockKey, displayName, static_cast<float>(batchSize));
}

void SIM_Merchandise::Acquire() {
    SetOwnershipValue(*this, 1.0f);
    returned = false;
    owned = true;
    AddOnce(gOwned, this);
}

int SIM_Merchandise::Stock() const {
    const SIM_NamedValue* stock = Globals().Find(stockKey);
    return stock ? static_cast<int>(stock->value) : 0;
}

float SIM_Merchandise::SellStock(int n) {
    if (n <= 0) return 0.0f;
    GAME_ASSERT(n <= Stock());
    n = std::min(n, Stock());
    if (n <= 0) return 0.0f;
    Globals().Find(stockKey)->value -= static_cast<float>(n);
    const float income = unitPrice * static_cast<float>(n);
    GetFinances().AddCash(income);
    return income;
}

void SIM_AssetMusic::LoadKindColumns(LibTokenizer& cells) {
    elementName = cells.NextText();
    tracks = SplitList(cells.NextText());
    const auto& find = PeopleSeams().findSongElement;
    // Without a song catalogue in this build the album simply teaches nothing.
    if (!find) return;
    element = find(elementName);
    GAME_ASSERT(element != nullptr);
}

void SIM_AssetMusic::Listen() {
    ++listened;
    progress = tracks.empty() ? 1.0f
                              : std::clamp(static_cast<float>(listened) / static_cast<float>(tracks.size()), 0.0f,
                                           1.0f);
    if (progress == 1.0f && element && gSeams.unlockSongElement) gSeams.unlockSongElement(element);
    GetMilo().AddAttributeEffect("inspiration", "listen to album", GetTuningValue("RS_LISTEN_ALBUM_INSPIRATION"),
                                 GetTuningValue("RS_LISTEN_ALBUM_INSPIRATION_DEGRADE"));
}

// ---- The catalogue ----------------------------------------------------------------------------

namespace {
void ClearCatalogue() {
    gShop.clear();
    gOwned.clear();
    gAll.clear();
    gCatalogue.clear();
}
}  // namespace

void ResetAssets() {
    ClearCatalogue();
    gSeams = SIM_AssetSeams{};
}

void LoadAssets(const std::string& path) {
    ClearCatalogue();
    if (!std::filesystem::exists(DataFile(path))) {
        FATAL_ERROR("Assets file not found");
        return;
    }
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        LibTokenizer peek(row);
        peek.Next();
        std::unique_ptr<SIM_Asset> asset = MakeAsset(peek.NextText());
        asset->LoadFromRow(row);
        gAll.push_back(asset.get());
        gShop.push_back(asset.get());
        gCatalogue.push_back(std::move(asset));
    }
}

SIM_Asset* FindAsset(const std::string& key) {
    for (SIM_Asset* asset : gAll)
        if (asset->key == key) return asset;
    return nullptr;
}

const std::vector<SIM_Asset*>& AllAssets() { return gAll; }
const std::vector<SIM_Asset*>& ShopStock() { return gShop; }
const std::vector<SIM_Asset*>& OwnedAssets() { return gOwned; }

std::vector<SIM_StageEquipment*> OwnedStageEquipment() {
    std::vector<SIM_StageEquipment*> out;
    for (SIM_Asset* asset : gOwned)
        if (auto* gear = dynamic_cast<SIM_StageEquipment*>(asset)) out.push_back(gear);
    return out;
}

std::vector<SIM_AssetMusic*> MusicAssets() {
    std::vector<SIM_AssetMusic*> out;
    for (SIM_Asset* asset : gAll)
        if (auto* music = dynamic_cast<SIM_AssetMusic*>(asset)) out.push_back(music);
    return out;
}

bool BandOwns(const std::string& key) { return Globals().IsSet(key); }

void PayDailyCosts() {
    // What the band owns pays, once: merchandise owned is still on sale for restocking, so
    // going over the shop as well would charge it twice. A copy: a failed upkeep changes the list.
    for (SIM_Asset* asset : std::vector<SIM_Asset*>(gOwned)) asset->PayDailyCost();
    for (;;) {
        auto failed = std::find_if(gOwned.begin(), gOwned.end(), [](const SIM_Asset* a) { return a->upkeepFailed; });
        if (failed == gOwned.end()) break;
        (*failed)->LeaveBand(true);
    }
}

float PerGigCosts() {
    float total = 0.0f;
    for (const SIM_Asset* asset : gOwned) total += asset->perGigCost;
    return total;
}

void PayPerGigCosts(float factor) {
    const float cost = PerGigCosts() * factor;
    if (cost != 0.0f) GetFinances().cash -= cost;
}

float StageShowValue() {
    float total = 0.0f;
    for (const SIM_StageEquipment* gear : OwnedStageEquipment()) total += gear->stageShow;
    return std::max(total, 0.01f);
}

float EquipmentWeight() {
    float total = 0.0f;
    for (const SIM_StageEquipment* gear : OwnedStageEquipment()) total += gear->weight;
    return total;
}

float AssetsNetWorth() {
    float total = 0.0f;
    for (const SIM_Asset* asset : gOwned) {
        if (const auto* merch = dynamic_cast<const SIM_Merchandise*>(asset))
            total += static_cast<float>(merch->Stock()) * merch->unitPrice;
        else
            total += asset->price;
    }
    return total;
}

std::vector<SIM_Asset*> ShopTabListing(const std::string& tab) {
    std::vector<SIM_Asset*> out;
    for (SIM_Asset* asset : gShop)
        if (asset->IsInShop() && asset->shopTab == tab && PlayedInBand(asset->instrument)) out.push_back(asset);
    return out;
}

std::vector<std::string> PurchaseHints(const SIM_Asset& asset, float fame) {
    std::vector<std::string> hints;
    if (fame < 30.0f && (asset.key == "sound engineer" || asset.key == "lighting engineer"))
        hints.emplace_back("engineer_low_fame");
    if (dynamic_cast<const SIM_Instrument*>(&asset)) hints.emplace_back("purchase_instrument");
    if (dynamic_cast<const SIM_AssetMusic*>(&asset)) hints.emplace_back("purchase_album");
    return hints;
}

void ShopPurchase(SIM_Asset& asset) {
    Screens().PlaySound(kCashSound);
    asset.Purchase(true);
    // A member who wished for it has his wish; he picks another when he next feels short-changed.
    for (SIM_Musician* m : GetBand().members)
        if (m->wantedAsset == &asset) m->wantedAsset = nullptr;
    for (const std::string& hint : PurchaseHints(asset, GetFame().fame)) Screens().TriggerHint(hint);
}

SIM_AssetAction AssetWindowAction(const SIM_Asset& asset) {
    if (asset.service) {
        if (asset.employee) return {SIM_AssetAction::kSell, "FIRE_EMPLOYEE", "FIRE_EMPLOYEE_TOOLTIP"};
        return {SIM_AssetAction::kSell, "CANCEL_SERVICE", "TOOLTIP_CANCEL_SERVICE"};
    }
    if (asset.sellable) return {SIM_AssetAction::kSell, "SELL_ASSET", "TOOLTIP_SELL_ASSET"};
    if (dynamic_cast<const SIM_Merchandise*>(&asset)) return {SIM_AssetAction::kOpenShop, "MERCHANDISE_BUY", {}};
    return {};
}

// ---- Seams ------------------------------------------------------------------------------------

namespace {
SIM_AssetFacts Describe(const SIM_Asset* asset) {
    SIM_AssetFacts facts;
    if (!asset) return facts;
    facts.type = asset->TypeName();
    facts.kind = asset->category.empty() ? asset->key : asset->category;
    facts.forWholeBand = asset->instrument == kAssetForWholeBand;
    facts.instrument = asset->instrument < kAssetNoInstrument ? asset->instrument : -1;
    facts.value = asset->value;
    if (const auto* played = dynamic_cast<const SIM_Instrument*>(asset)) facts.quality = played->quality;
    facts.owned = asset->owned;
    facts.available = asset->IsInShop() && Contains(gShop, asset);
    return facts;
}

// A member who leaves takes what he holds; the band keeps it only while another member has it
// (auditionees share the catalogue's starting instruments).
void SetHolder(SIM_Asset* asset, SIM_Musician* holder) {
    if (!asset) return;
    if (holder) {
        asset->assigned = true;
        return;
    }
    const SIM_Band* band = BandIfAny();
    const bool stillHeld = band && std::any_of(band->members.begin(), band->members.end(), [&](const SIM_Musician* m) {
                               return Contains(m->possessions, asset);
                           });
    asset->assigned = stillHeld;
    if (!stillHeld && asset->owned && asset->instrument < kAssetNoInstrument) asset->LeaveBand(false);
}
}  // namespace

void RegisterAssets() {
    SIM_WorldSeams& world = WorldSeams();
    world.assetsDailyUpdate = [] { PayDailyCosts(); };
    world.assetsNetWorth = [] { return AssetsNetWorth(); };
    // The albums look up the song elements they teach, so those load first.
    world.loadCatalogues = [before = world.loadCatalogues] {
        RunSeam(before);
        LoadAssets();
    };
    SIM_PeopleSeams& people = PeopleSeams();
    people.storeAssets = [] { return gAll; };
    people.describeAsset = [](const SIM_Asset* asset) { return Describe(asset); };
    people.findAsset = [](const std::string& key) { return FindAsset(key); };
    people.setAssetOwner = [](SIM_Asset* asset, SIM_Musician* holder) { SetHolder(asset, holder); };
}
