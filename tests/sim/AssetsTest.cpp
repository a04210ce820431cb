#include "LibSpreadsheet.h"
#include "PeopleTestSupport.h"
#include "SIM_Asset.h"
#include "SIM_Commenter.h"
#include "SIM_Finances.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

namespace {
// A small catalogue: one of each kind, keyed as the shipped data keys them.
const char* const kCatalogue =
    "Assets\n"
    "#,asset,amp,Amp,general,Loud,amp.png,amp.ogg,300,0,5,40,,BAND,\"SELLABLE,REBUYABLE\",amp,,\"band_motivation,0.1,0.5\",#\n"
    "#,asset,trophy,Trophy,general,Shiny,t.png,,300,0,0,0,,,SELLABLE,,,#\n"
    "#,instrument,cheap guitar,Cheap Guitar,instruments,,g.png,,100,0,0,10,,GUITAR,\"SELLABLE,REBUYABLE\",guitar,0.2,,#\n"
    "#,instrument,cheap bass,Cheap Bass,instruments,,b.png,,100,0,0,10,,BASS,REBUYABLE,bass,0.3,,#\n"
    "#,stage_equipment,lights,Lights,lighting,,l.png,,200,0,7,0,,,\"SELLABLE,REBUYABLE\",,0.25,40,,#\n"
    "#,stage_equipment,smoke,Smoke,effects,,s.png,,100,0,3,0,,,REBUYABLE,,0.5,10,,#\n"
    "#,video,clip,Clip,general,,v.png,,50,0,0,0,,,,,0.3,0.9,,#\n"
    "#,merchandise,tshirts(20),T-Shirts,merchandise,,t.png,,100,0,0,0,,,REBUYABLE,,20,15,glob_stock_tshirts,,#\n"
    "#,recorded_music,album,Album,music,,a.png,,20,0,0,0,,,,,riff,\"One,Two,Three,Four\",,#\n"
    "#,asset,roadie,Roadie,staff,,r.png,,100,40,10,0,,,\"SERVICE,EMPLOYEE\",,,#\n"
    "#,asset,insurance,Insurance,general,,i.png,,0,5,0,0,,,\"SERVICE,SELLABLE\",,,#\n";

class Assets : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        PeopleSeams().findSongElement = [this](const std::string& name) {
            return name == "riff" ? riff : nullptr;
        };
        AssetSeams().unlockSongElement = [this](SIM_SongElement* e) { unlocked.push_back(e); };
        RegisterAssets();
        LoadAssets(dir.Write("assets.csv", kCatalogue));
        GetFinances().cash = 1000.0f;
    }
    template <class T = SIM_Asset>
    T& Get(const std::string& key) {
        auto* asset = dynamic_cast<T*>(FindAsset(key));
        EXPECT_NE(asset, nullptr) << key;
        return *asset;
    }
    static bool Lists(const std::vector<SIM_Asset*>& list, const SIM_Asset& asset) {
        return std::find(list.begin(), list.end(), &asset) != list.end();
    }

    // Any distinct address stands for the song catalogue's element.
    SIM_SongElement* riff = reinterpret_cast<SIM_SongElement*>(&riffStorage);
    int riffStorage = 0;
    std::vector<SIM_SongElement*> unlocked;
};
}  // namespace

TEST_F(Assets, RowsBecomeTheirKindsWithFlagsColumnsAndModifiers) {
    EXPECT_EQ(AllAssets().size(), 11u);
    EXPECT_EQ(ShopStock().size(), 11u);
    SIM_Asset& amp = Get("amp");
    EXPECT_TRUE(amp.sellable && amp.rebuyable && !amp.service);
    ASSERT_EQ(amp.modifiers.size(), 1u);
    EXPECT_EQ(amp.modifiers[0].source, "amp");
    EXPECT_FLOAT_EQ(Get<SIM_Instrument>("cheap bass").quality, 0.3f);
    EXPECT_FLOAT_EQ(Get<SIM_StageEquipment>("lights").weight, 40.0f);
    EXPECT_FLOAT_EQ(Get<SIM_Video>("clip").hypeDegrade, 0.9f);
    SIM_Merchandise& shirts = Get<SIM_Merchandise>("tshirts(20)");
    EXPECT_EQ(shirts.stockKey, "glob_stock_tshirts");
    SIM_AssetMusic& album = Get<SIM_AssetMusic>("album");
    EXPECT_EQ(album.element, riff);
    EXPECT_EQ(album.tracks, (std::vector<std::string>{"One", "Two", "Three", "Four"}));

    EXPECT_THROW(LoadAssets(dir.path() + "/missing.csv"), FatalErrorException);
}

TEST_F(Assets, PurchaseAtADiscountAndSellBackForHalf) {
    SetTuning("RS_BUSINESS_DISCOUNT=5\n");
    WorldSeams().businessmanCount = [] { return 2; };
    GetStatistics() = SIM_GameStatistics{};
    SIM_Asset& amp = Get("amp");
    amp.Purchase(true);
    EXPECT_FLOAT_EQ(GetFinances().cash, 730.0f);
    EXPECT_FLOAT_EQ(GetStatistics().moneyEarned, 0.0f);  // spending is not income
    EXPECT_TRUE(BandOwns("amp"));
    EXPECT_FALSE(Lists(ShopStock(), amp));
    EXPECT_TRUE(Lists(GetBand().communalAssets, amp));
    EXPECT_EQ(screens.Screens(), std::vector<std::string>{"sound amp.ogg"});

    amp.Sell();
    EXPECT_FLOAT_EQ(GetFinances().cash, 880.0f);
    EXPECT_FLOAT_EQ(GetStatistics().moneyEarned, 150.0f);
    EXPECT_FALSE(BandOwns("amp"));
    EXPECT_TRUE(amp.returned);
    EXPECT_TRUE(Lists(ShopStock(), amp));
    EXPECT_FALSE(Lists(GetBand().communalAssets, amp));
    EXPECT_EQ(screens.Screens().back(), "sound data/sounds/cash.ogg");
}

TEST_F(Assets, AssetsThatCannotBeReboughtNeverReturnToTheShop) {
    SIM_Asset& trophy = Get("trophy");
    EXPECT_TRUE(ShopTabListing("general").size() == 1u);  // the amp only: the trophy is not for sale
    trophy.Acquire();
    trophy.Sell();
    EXPECT_FALSE(Lists(ShopStock(), trophy));
    EXPECT_FALSE(trophy.returned);
    SIM_StageEquipment& smoke = Get<SIM_StageEquipment>("smoke");
    smoke.Purchase(false);
    smoke.Lose();
    EXPECT_TRUE(Lists(ShopStock(), smoke));  // rebuyable: back on the shelf
    EXPECT_FLOAT_EQ(GetFinances().cash, 1150.0f);  // half the trophy's price, nothing for the smoke
}

TEST_F(Assets, MerchandiseBatchesAddUpAndSellFromStock) {
    SIM_Merchandise& shirts = Get<SIM_Merchandise>("tshirts(20)");
    shirts.Purchase(false);  // merchandise is always paid for
    shirts.Purchase(true);
    EXPECT_EQ(shirts.Stock(), 40);
    EXPECT_FLOAT_EQ(GetFinances().cash, 800.0f);
    EXPECT_EQ(std::count(OwnedAssets().begin(), OwnedAssets().end(), &shirts), 1);
    EXPECT_TRUE(Lists(ShopTabListing("merchandise"), shirts));  // still on sale for restocking

    EXPECT_FLOAT_EQ(shirts.SellStock(0), 0.0f);
    EXPECT_FLOAT_EQ(shirts.SellStock(10), 150.0f);
    EXPECT_EQ(shirts.Stock(), 30);
    EXPECT_FLOAT_EQ(AssetsNetWorth(), 450.0f);  // stock at its sale price, not the batch price
    // Selling more than there is counts as a fault and sells what is left.
    EXPECT_FLOAT_EQ(shirts.SellStock(31), 450.0f);
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(shirts.Stock(), 0);
}

TEST_F(Assets, InstrumentsGoToTheirPlayerOrWaitForOne) {
    SIM_Instrument& guitar = Get<SIM_Instrument>("cheap guitar");
    EXPECT_TRUE(ShopTabListing("instruments").empty());  // nobody plays anything yet
    GetMilo().instrument = INSTRUMENT_GUITAR;  // the player's own instrument is played in the band
    EXPECT_EQ(ShopTabListing("instruments"), std::vector<SIM_Asset*>{&guitar});
    GetMilo().instrument = INSTRUMENT_VOCALS;
    guitar.Purchase(true);
    EXPECT_TRUE(guitar.owned);
    EXPECT_FALSE(guitar.assigned);

    SIM_Musician& bassist = Join(0.5f, INSTRUMENT_BASS);
    EXPECT_EQ(ShopTabListing("instruments"), std::vector<SIM_Asset*>{FindAsset("cheap bass")});
    SIM_Instrument& bass = Get<SIM_Instrument>("cheap bass");
    bass.Purchase(true);
    EXPECT_TRUE(bass.assigned);
    EXPECT_EQ(bassist.BestInstrument(), &bass);
    ASSERT_FALSE(bassist.commenter->queued.empty());
    EXPECT_EQ(bassist.commenter->queued.back().text, "cheapbass_THANKS");
    EXPECT_FLOAT_EQ(bassist.possessionValue, 10.0f);
    bass.Purchase(false);  // the same catalogue bass again: still one in his hands
    EXPECT_FLOAT_EQ(bassist.possessionValue, 10.0f);

    // Sold from under him, it is no longer his to play.
    bass.Sell();
    EXPECT_EQ(bassist.BestInstrument(), nullptr);
    EXPECT_FLOAT_EQ(bassist.possessionValue, 0.0f);

    // A member who leaves takes his instrument with him.
    bass.Purchase(false);
    bassist.Fire();
    EXPECT_FALSE(bass.owned);
    EXPECT_FALSE(BandOwns("cheap bass"));
}

TEST_F(Assets, StageFiguresAndGigCosts) {
    EXPECT_FLOAT_EQ(StageShowValue(), 0.01f);
    EXPECT_FLOAT_EQ(EquipmentWeight(), 0.0f);
    Get("lights").Purchase(false);
    Get("smoke").Purchase(false);
    Get("amp").Purchase(false);
    EXPECT_FLOAT_EQ(StageShowValue(), 0.75f);
    EXPECT_FLOAT_EQ(EquipmentWeight(), 50.0f);
    EXPECT_FLOAT_EQ(PerGigCosts(), 15.0f);
    PayPerGigCosts(2.0f);
    EXPECT_FLOAT_EQ(GetFinances().cash, 970.0f);
}

TEST_F(Assets, DailyCostsAndStaffThatCannotBePaidWalkOut) {
    SIM_Asset& roadie = Get("roadie");
    SIM_Asset& insurance = Get("insurance");
    roadie.Purchase(false);
    insurance.Purchase(false);
    // Merchandise stays on sale for restocking while the band owns it: its upkeep is paid once.
    SIM_Merchandise& shirts = Get<SIM_Merchandise>("tshirts(20)");
    shirts.dailyCost = 2.0f;
    shirts.Purchase(false);
    GetFinances().cash += 100.0f;  // the batch's price back
    PayDailyCosts();
    EXPECT_FLOAT_EQ(GetFinances().cash, 953.0f);
    shirts.LeaveBand(true);

    GetFinances().cash = 30.0f;  // the roadie's 40 is more than the band has
    PayDailyCosts();
    EXPECT_FLOAT_EQ(GetFinances().cash, -15.0f);
    EXPECT_FALSE(BandOwns("roadie"));
    EXPECT_TRUE(Lists(ShopStock(), roadie));
    EXPECT_TRUE(OwnedAssets().empty());  // the insurance is a service too: the band is in debt
    // Each says so with its picture.
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"message ASSET_INSUFFICIENTUPKEEP_TITLE with r.png",
                                                           "message ASSET_INSUFFICIENTUPKEEP_TITLE with i.png"}));
    // Gone staff cost nothing.
    PayDailyCosts();
    EXPECT_FLOAT_EQ(GetFinances().cash, -15.0f);
}

TEST_F(Assets, AlbumTeachesItsElementOnTheLastTrack) {
    SetTuning("RS_LISTEN_ALBUM_INSPIRATION=0.1\nRS_LISTEN_ALBUM_INSPIRATION_DEGRADE=0.5\n");
    SIM_AssetMusic& album = Get<SIM_AssetMusic>("album");
    const float before = GetMilo().GetValue("inspiration");
    for (int i = 0; i < 3; ++i) album.Listen();
    EXPECT_TRUE(unlocked.empty());
    EXPECT_FLOAT_EQ(album.progress, 0.75f);
    album.Listen();
    EXPECT_EQ(unlocked, std::vector<SIM_SongElement*>{riff});
    EXPECT_FLOAT_EQ(album.progress, 1.0f);
    album.Listen();
    EXPECT_FLOAT_EQ(album.progress, 1.0f);
    GetMilo().RecalculateAttributes();
    EXPECT_GT(GetMilo().GetValue("inspiration"), before);

    // An album naming an element the song catalogue lacks teaches nothing.
    LoadAssets(dir.Write("bad.csv", "#,recorded_music,x,X,music,,,,1,0,0,0,,,,,nope,\"A\",,#\n"));
    EXPECT_EQ(errors.assertions, 1);
    EXPECT_EQ(Get<SIM_AssetMusic>("x").element, nullptr);
}

TEST_F(Assets, VideosRaiseHype) {
    const float before = GetBand().GetBandValue("band_hype");
    Get("clip").Purchase(true);
    GetBand().RecalculateBandValues();
    EXPECT_GT(GetBand().GetBandValue("band_hype"), before);
    EXPECT_FLOAT_EQ(GetFinances().cash, 950.0f);
}

TEST_F(Assets, WindowButtonsAndShopHints) {
    EXPECT_EQ(AssetWindowAction(Get("roadie")).label, "FIRE_EMPLOYEE");
    EXPECT_EQ(AssetWindowAction(Get("insurance")).label, "CANCEL_SERVICE");  // service before sellable
    EXPECT_EQ(AssetWindowAction(Get("tshirts(20)")).kind, SIM_AssetAction::kOpenShop);

    // Bought through the shop: the till, the sale, then the hint.
    ShopPurchase(Get("album"));
    EXPECT_EQ(screens.Screens(), (std::vector<std::string>{"sound data/sounds/cash.ogg", "hint purchase_album"}));
    EXPECT_FLOAT_EQ(GetFinances().cash, 980.0f);
}

TEST_F(Assets, PeopleSeeTheCatalogue) {
    SIM_Musician& guitarist = Join(0.5f, INSTRUMENT_GUITAR);
    guitarist.PickWantedAsset();
    EXPECT_EQ(guitarist.wantedAsset, FindAsset("cheap guitar"));  // the cheapest valued thing he can use
    const SIM_AssetFacts facts = PeopleSeams().describeAsset(FindAsset("amp"));
    EXPECT_TRUE(facts.forWholeBand);
    EXPECT_EQ(facts.kind, "amp");
    EXPECT_EQ(PeopleSeams().describeAsset(FindAsset("tshirts(20)")).type, "merchandise");

    Get("amp").Purchase(false);
    EXPECT_FLOAT_EQ(guitarist.possessionValue, 40.0f);  // communal gear counts for everyone
    GetFinances().cash = 0.0f;
    EXPECT_FLOAT_EQ(GetFinances().GetNetWorth(), 300.0f);
}

using ShippedAssets = SimTest;

TEST_F(ShippedAssets, CatalogueCoversTheKeysTheGameLooksUpAndTheirTexts) {
    SetStringsFile(kStringsFile);
    ClearTranslations();
    LoadAssets();
    EXPECT_EQ(errors.assertions, 0);
    std::set<std::string> keys;
    int qualities[kAssetNoInstrument] = {};
    const std::set<std::string> tabs = {"instruments", "lighting", "effects", "general", "merchandise", "music", "staff"};
    for (const SIM_Asset* asset : AllAssets()) {
        EXPECT_TRUE(keys.insert(asset->key).second) << "duplicate " << asset->key;
        EXPECT_EQ(tabs.count(asset->shopTab), 1u) << asset->key;
        EXPECT_TRUE(asset->IsInShop()) << asset->key << " could never be bought";
        if (const auto* played = dynamic_cast<const SIM_Instrument*>(asset)) {
            ASSERT_LT(played->instrument, kAssetNoInstrument) << asset->key;
            ++qualities[played->instrument];
            std::string thanks = asset->key + "_THANKS";
            std::erase(thanks, ' ');
            EXPECT_NE(Translate(thanks), thanks) << asset->key;
        }
        // Whatever a member may come to want has a remark to ask for it.
        if (asset->value > 0.0f) {
            std::string kind = asset->category;
            for (char& c : kind) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_NE(Translate("COMMENT_POSSESION_DEMAND_" + kind), "COMMENT_POSSESION_DEMAND_" + kind);
        }
    }
    for (int i = 0; i < kAssetNoInstrument; ++i) EXPECT_GE(qualities[i], 3) << "instrument " << i;
    for (const char* key : {"manager", "roadie", "cheap van", "tour bus", "sound engineer", "lighting engineer",
                            "publicist", "masseuse", "tshirts(20)", "sweatshirts(20)", "posters(100)"})
        EXPECT_NE(FindAsset(key), nullptr) << key;

    // Auditionees arrive with instruments from this catalogue, for the instrument they play.
    const std::map<std::string, int> numbers = {{"KEYBOARD", 0}, {"DRUMS", 1}, {"BASS", 2},
                                                {"GUITAR", 3},   {"SAXOPHONE", 4}, {"VOCALS", 5}};
    const auto auditionees = LoadSpreadsheet("data/simulation/auditionees.csv");
    for (const std::string& row : auditionees->rows) {
        LibTokenizer cells(row);
        cells.Next();
        const std::string instrument = cells.NextText();
        for (int i = 0; i < 3; ++i) cells.Next();
        const std::string start = cells.NextText();
        const auto* played = dynamic_cast<const SIM_Instrument*>(FindAsset(start));
        ASSERT_NE(played, nullptr) << start;
        ASSERT_EQ(numbers.count(instrument), 1u) << instrument;
        EXPECT_EQ(played->instrument, numbers.at(instrument)) << start;
    }
}

TEST_F(Assets, CataloguesLoadAfterTheSongElementsTheAlbumsName) {
    ResetAssets();
    std::vector<std::string> order;
    WorldSeams().loadCatalogues = [&] {
        order.push_back("songs");
        EXPECT_TRUE(AllAssets().empty());
    };
    RegisterAssets();
    const std::string folder = dir.path() + "/run";
    dir.Write("run/data/simulation/assets.csv", kCatalogue);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    WorldSeams().loadCatalogues();
    std::filesystem::current_path(previous);
    EXPECT_EQ(order, std::vector<std::string>{"songs"});
    EXPECT_EQ(AllAssets().size(), 11u);
}

TEST_F(Assets, TheShopGrantsAWishOnce) {
    // A member whose wish is bought for him stops asking for it; a wish for something else stands.
    SIM_Musician& guitarist = Join(0.5f, INSTRUMENT_GUITAR);
    SIM_Musician& bassist = Join(0.5f, INSTRUMENT_BASS);
    guitarist.PickWantedAsset();
    bassist.PickWantedAsset();
    ASSERT_EQ(guitarist.wantedAsset, FindAsset("cheap guitar"));
    ASSERT_EQ(bassist.wantedAsset, FindAsset("cheap bass"));
    ShopPurchase(Get("cheap guitar"));
    EXPECT_EQ(guitarist.wantedAsset, nullptr);
    EXPECT_EQ(bassist.wantedAsset, FindAsset("cheap bass"));
    EXPECT_TRUE(Get("cheap guitar").assigned);
}
