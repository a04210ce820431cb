// The shop, the window of something the band owns and an album's listening window, over a
// headless career with a full line-up: what their buttons do to the cash, the stock, the
// members and the desktop's icons.
#include "GHashTable.h"
#include "GUI_Shop.h"
#include "GameScreensFixture.h"
#include "HeadlessPlayer.h"
#include "SIM_Band.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
class ShopScreens : public GameScreensFixture {
protected:
    void SetUp() override {
        GameScreensFixture::SetUp();
        while (MissingInstrument() >= 0) ASSERT_TRUE(AuditionHeadless(MissingInstrument(), true));
        GetFinances().cash = 100000.0f;
    }
    static GUI_Shop* Shop() { return WindowList().Find<GUI_Shop>(); }
    // The card of that asset on the open tab, paging on to find it; null when it is not on sale.
    static GUI_ShopCard* CardOf(GUI_Shop& shop, const SIM_Asset& asset) {
        for (int page = 0; page < shop.PageCount(); ++page) {
            shop.ShowPage(page);
            for (GUI_ShopCard* card : shop.Cards())
                if (card->Card().asset == &asset) return card;
        }
        return nullptr;
    }
    bool HasIcon(const SIM_Asset& asset) {
        desktop.Items().Sync();
        const auto& items = desktop.Items().Items();
        return std::any_of(items.begin(), items.end(), [&](const auto& item) { return item->Shows(&asset); });
    }
};
}  // namespace

TEST_F(ShopScreens, ACardSoldLeavesTheShelfGoesToItsPlayerAndGrantsWishes) {
    GameScreens().OpenShopping();
    GUI_Shop* shop = Shop();
    ASSERT_NE(shop, nullptr);
    // The shop asked the members what they want; the card of a wish says who wants it.
    SIM_Musician* wisher = nullptr;
    for (SIM_Musician* m : GetBand().members)
        if (m->wantedAsset) wisher = m;
    ASSERT_NE(wisher, nullptr);
    SIM_Asset& wanted = *wisher->wantedAsset;
    shop->ShowTab(wanted.shopTab);
    GUI_ShopCard* card = CardOf(*shop, wanted);
    ASSERT_NE(card, nullptr);
    const auto wishers = std::count_if(GetBand().members.begin(), GetBand().members.end(),
                                       [&](const SIM_Musician* m) { return m->wantedAsset == &wanted; });
    EXPECT_EQ(card->Card().wantedLine.find(wisher->fullname) != std::string::npos, wishers == 1);
    EXPECT_FALSE(card->Card().wantedLine.empty());
    const float cash = GetFinances().cash;
    const int tills = Played("cash.ogg");
    card->BuyButton()->Press();
    FlushDeferredDeletes();
    EXPECT_FLOAT_EQ(GetFinances().cash, cash - GetFinances().DiscountedCost(wanted.price));
    EXPECT_EQ(Played("cash.ogg"), tills + 1);
    EXPECT_EQ(CardOf(*shop, wanted), nullptr);
    for (const SIM_Musician* m : GetBand().members) EXPECT_NE(m->wantedAsset, &wanted) << m->fullname;
    EXPECT_TRUE(HasIcon(wanted));

    // An instrument goes into the hands of the member who plays it.
    SIM_Musician* guitarist = GetBand().FindMemberByInstrument(INSTRUMENT_GUITAR);
    SIM_Asset* guitar = FindAsset("stage guitar");
    ASSERT_TRUE(guitarist && guitar);
    shop->ShowTab("instruments");
    card = CardOf(*shop, *guitar);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->BuyButton()->Label(), Translate("HOOK_PURCHASE"));
    card->BuyButton()->Press();
    FlushDeferredDeletes();
    EXPECT_EQ(CardOf(*shop, *guitar), nullptr);
    EXPECT_TRUE(guitar->assigned);
    EXPECT_NE(std::find(guitarist->possessions.begin(), guitarist->possessions.end(), guitar), guitarist->possessions.end());
    // Nobody in the band plays the saxophone: the shop has none on its shelf.
    if (!GetBand().FindMemberByInstrument(INSTRUMENT_SAXOPHONE) && GetMilo().instrument != INSTRUMENT_SAXOPHONE) {
        EXPECT_EQ(CardOf(*shop, *FindAsset("cheap saxophone")), nullptr);
    }
    // Staff are hired, not bought.
    shop->ShowTab("staff");
    ASSERT_FALSE(shop->Cards().empty());
    EXPECT_EQ(shop->Cards().front()->BuyButton()->Label(), Translate("HOOK_HIRE"));
}

TEST_F(ShopScreens, WhatTheBandCannotPayForIsGreyedAndRefusedAndMerchandiseRestocks) {
    GetFinances().cash = 150.0f;
    GUI_Shop* shop = GUI_Shop::Open("merchandise");
    auto* shirts = dynamic_cast<SIM_Merchandise*>(FindAsset("tshirts(20)"));
    ASSERT_NE(shirts, nullptr);
    GUI_ShopCard* card = CardOf(*shop, *shirts);
    ASSERT_NE(card, nullptr);
    EXPECT_FALSE(card->BuyButton()->enabled);
    EXPECT_EQ(card->BuyButton()->Tooltip()->Text(), Translate("SHOP_CANNOT_AFFORD"));
    shop->Buy(*shirts);
    EXPECT_FLOAT_EQ(GetFinances().cash, 150.0f);
    EXPECT_EQ(shirts->Stock(), 0);

    // With the money, every batch adds to the stock and the card stays on the shelf.
    GetFinances().cash = 1000.0f;
    shop->ShowTab("merchandise");
    for (int batch = 0; batch < 2; ++batch) {
        card = CardOf(*shop, *shirts);
        ASSERT_NE(card, nullptr);
        ASSERT_TRUE(card->BuyButton()->enabled);
        card->BuyButton()->Press();
        FlushDeferredDeletes();
    }
    EXPECT_EQ(shirts->Stock(), 2 * shirts->batchSize);
    card = CardOf(*shop, *shirts);
    ASSERT_NE(card, nullptr);
    EXPECT_NE(card->Card().stockLine.find(std::to_string(2 * shirts->batchSize)), std::string::npos);
    EXPECT_FLOAT_EQ(GetFinances().cash, 1000.0f - 2.0f * GetFinances().DiscountedCost(shirts->price));
}

TEST_F(ShopScreens, AnOwnedThingsWindowSellsItFiresStaffOrSendsForMoreStock) {
    SIM_Asset* guitar = FindAsset("stage guitar");
    SIM_Asset* manager = FindAsset("manager");
    SIM_Asset* shirts = FindAsset("tshirts(20)");
    ASSERT_TRUE(guitar && manager && shirts);
    for (SIM_Asset* asset : {guitar, manager, shirts}) ShopPurchase(*asset);

    OpenOwnedAsset(*manager);
    auto* open = WindowList().Find<GUI_AssetWindow>();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->ActionButton()->Label(), Translate("FIRE_EMPLOYEE"));

    // Selling: half the price back once, the open closes and the icon goes.
    OpenOwnedAsset(*guitar);
    FlushDeferredDeletes();
    open = WindowList().Find<GUI_AssetWindow>();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->ActionButton()->Label(), Translate("SELL_ASSET"));
    const auto& lines = open->Model().lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find(Translate("SECOND_HAND_VALUE")) == 0; }));
    ASSERT_TRUE(HasIcon(*guitar));
    // The guitar leaves no effect on the band's values: selling it leaves the lights about as
    // they were (the guitarist minds losing it a little), not at a bare sum of effects until the
    // next morning.
    GetBand().RecalculateBandValues();
    std::vector<float> values;
    for (const auto& v : GetBand().bandValues.values) values.push_back(v->value);
    const float cash = GetFinances().cash;
    open->ActionButton()->Press();
    open->Act();  // a second press of a closing open sells nothing more
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_AssetWindow>(), nullptr);
    EXPECT_FLOAT_EQ(GetFinances().cash, cash + guitar->price * 0.5f);
    EXPECT_FALSE(guitar->owned);
    EXPECT_FALSE(HasIcon(*guitar));
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(GetBand().bandValues.values[i]->value, values[i], 0.05f) << GetBand().bandValues.values[i]->name;

    // Merchandise: its open sends the player to the shop's merchandise.
    OpenOwnedAsset(*shirts);
    open = WindowList().Find<GUI_AssetWindow>();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->ActionButton()->Label(), Translate("MERCHANDISE_BUY"));
    open->ActionButton()->Press();
    FlushDeferredDeletes();
    EXPECT_EQ(WindowList().Find<GUI_AssetWindow>(), nullptr);
    ASSERT_NE(Shop(), nullptr);
    EXPECT_EQ(Shop()->CurrentTab(), "merchandise");
    EXPECT_TRUE(shirts->owned);
}

TEST_F(ShopScreens, AnAlbumIsHeardOnceADayUntilItTeachesItsElement) {
    auto* album = dynamic_cast<SIM_AssetMusic*>(FindAsset("album falsetto"));
    ASSERT_NE(album, nullptr);
    ASSERT_NE(album->element, nullptr);
    ASSERT_FALSE(album->tracks.empty());
    album->element->unlocked = false;
    ShopPurchase(*album);
    OpenOwnedAsset(*album);
    EXPECT_EQ(WindowList().Find<GUI_AssetWindow>(), nullptr);
    auto* open = WindowList().Find<GUI_ListenWindow>();
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->Model().UnlockedLine().empty());

    for (std::size_t day = 0; day < album->tracks.size(); ++day) {
        ASSERT_TRUE(open->ListenButton()->enabled) << day;
        open->ListenButton()->Press();
        EXPECT_EQ(album->listened, static_cast<int>(day) + 1);
        EXPECT_NE(open->Model().trackLine.find(album->tracks[day]), std::string::npos);
        // A second listen the same day is refused, and the button says why.
        EXPECT_FALSE(open->ListenButton()->enabled);
        EXPECT_EQ(open->ListenButton()->Tooltip()->Text(), Translate("ASSETMUSIC_HEARD_TODAY"));
        open->Listen();
        EXPECT_EQ(album->listened, static_cast<int>(day) + 1);
        EXPECT_EQ(album->element->unlocked, day + 1 == album->tracks.size());
        ++GetSIM().turncount;
        open->Update();
    }
    EXPECT_NE(open->Model().UnlockedLine().find(album->element->label), std::string::npos);
}
