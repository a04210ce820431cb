#pragma once
// Everything the band can own: instruments, stage equipment, videos, merchandise, albums by
// other artists, vehicles and staff. One catalogue read from a spreadsheet; each asset sits
// either in the shop's stock or among the band's owned assets.
#include "SIM_ModifierContainer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class LibTokenizer;
class SIM_Musician;
class SIM_SongElement;

// The instrument column: the instrument numbers of the people, plus these two.
constexpr int kAssetNoInstrument = 6;
constexpr int kAssetForWholeBand = 7;  // "BAND": a communal asset anyone can use

class SIM_Asset : public SIM_ModifierContainer {
public:
    ~SIM_Asset() override = default;

    virtual void Purchase(bool pay);
    virtual void Sell();
    // Reads one catalogue row, kind columns and modifiers included.
    void LoadFromRow(const std::string& row);
    virtual void PayDailyCost();
    virtual void OnUpkeepFailed();
    // Listed in the shop, and back in its stock when sold or lost.
    virtual bool IsInShop() const { return rebuyable; }
    // Ownership without payment (a gift, a loaded game).
    virtual void Acquire();
    // Destroyed (smashed at a gig): like selling, without money or sound.
    void Lose();
    // Out of the band's hands: off the owned list, out of members' hands and the communal
    // list, into the shop stock (always, or only when it can be bought again), ownership 0.
    void LeaveBand(bool alwaysToShop);
    // "instrument", "merchandise", or the kind column's text for the other kinds.
    virtual std::string TypeName() const { return kindText; }

    std::string kindText;
    std::string key;
    std::string displayName;
    std::string shopTab;
    std::string text;
    std::string image;
    std::string purchaseSound;
    float price = 0.0f;
    float dailyCost = 0.0f;
    float perGigCost = 0.0f;
    float value = 0.0f;  // what a member holding it feels it is worth
    std::string note;
    int instrument = kAssetNoInstrument;
    std::string category;  // what sort of thing it is ("guitar", "van"): names a member's demand
    bool stealable = false;
    bool sellable = false;
    bool rebuyable = false;
    bool service = false;
    bool desirable = false;
    bool employee = false;

    bool owned = false;
    bool returned = false;  // back in the shop after being sold or lost
    bool assigned = false;  // held by a member
    bool upkeepFailed = false;

protected:
    // The columns only this kind has; the tokenizer stands at the first of them.
    virtual void LoadKindColumns(LibTokenizer&) {}
};

class SIM_Instrument : public SIM_Asset {
public:
    std::string TypeName() const override { return "instrument"; }
    float quality = 0.0f;

protected:
    void LoadKindColumns(LibTokenizer& cells) override;
};

class SIM_StageEquipment : public SIM_Asset {
public:
    float stageShow = 0.0f;
    float weight = 0.0f;

protected:
    void LoadKindColumns(LibTokenizer& cells) override;
};

class SIM_Video : public SIM_Asset {
public:
    void Purchase(bool pay) override;
    float hypeAmount = 0.0f;
    float hypeDegrade = 0.0f;

protected:
    void LoadKindColumns(LibTokenizer& cells) override;
};

class SIM_Merchandise : public SIM_Asset {
public:
    std::string TypeName() const override { return "merchandise"; }
    // One batch, always paid for; the stock grows by the batch size.
    void Purchase(bool pay) override;
    void Acquire() override;
    int Stock() const;
    // Sells n units from stock (1 <= n <= stock) and returns the income.
    float SellStock(int n);

    int batchSize = 0;
    float unitPrice = 0.0f;
    std::string stockKey;

protected:
    void LoadKindColumns(LibTokenizer& cells) override;
};

class SIM_AssetMusic : public SIM_Asset {
public:
    // One more listen; the album's song element unlocks once every track has been heard.
    void Listen();

    std::string elementName;
    SIM_SongElement* element = nullptr;  // null when the song catalogue does not know it
    std::vector<std::string> tracks;
    int listened = 0;
    float progress = 0.0f;
    int heardOnTurn = -1;  // the day of its last listen in the listening window; not saved

protected:
    void LoadKindColumns(LibTokenizer& cells) override;
};

// Where assets reach the song catalogue, which is built separately. Empty: no element unlocks.
struct SIM_AssetSeams {
    // Unlocks the element for good: its bringer is forgotten first, so nobody's leaving
    // locks it again.
    std::function<void(SIM_SongElement*)> unlockSongElement;
};
SIM_AssetSeams& AssetSeams();

// ---- The catalogue and the band's holdings ---------------------------------------------
// Replaces the catalogue; a missing file is fatal ("Assets file not found").
void LoadAssets(const std::string& path = "data/simulation/assets.csv");
SIM_Asset* FindAsset(const std::string& key);
const std::vector<SIM_Asset*>& AllAssets();       // file order
const std::vector<SIM_Asset*>& ShopStock();       // not owned
const std::vector<SIM_Asset*>& OwnedAssets();     // purchase order
std::vector<SIM_StageEquipment*> OwnedStageEquipment();
std::vector<SIM_AssetMusic*> MusicAssets();
// The ownership value of that key exists and is not 0.
bool BandOwns(const std::string& key);

// Daily upkeep of everything owned, then the assets whose upkeep failed are dropped.
void PayDailyCosts();
float PerGigCosts();
void PayPerGigCosts(float factor);
// Sum of the owned stage equipment's show values, at least 0.01.
float StageShowValue();
float EquipmentWeight();
// Merchandise at stock times unit price, everything else owned at its price.
float AssetsNetWorth();

// What a shop tab lists: rebuyable stock of that tab, instruments only while somebody in
// the band plays them.
std::vector<SIM_Asset*> ShopTabListing(const std::string& tab);
// The hints the shop offers after a purchase.
std::vector<std::string> PurchaseHints(const SIM_Asset& asset, float fame);
// The shop card's button: the till rings, the band pays, and the shop offers its hints.
void ShopPurchase(SIM_Asset& asset);

// The owned-asset window's action button.
struct SIM_AssetAction {
    enum Kind { kNone, kSell, kOpenShop } kind = kNone;
    std::string label;    // translation key
    std::string tooltip;  // translation key
};
SIM_AssetAction AssetWindowAction(const SIM_Asset& asset);

// Fills the asset entries of the world and people seams; the catalogue loads after whatever
// the catalogue step already held (the song elements the albums teach).
void RegisterAssets();
void ResetAssets();
