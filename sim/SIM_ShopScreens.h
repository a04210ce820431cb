#pragma once
// What the shop, an owned asset's window and an album's listening window show, and what their
// buttons do. The screens only draw these texts and forward presses.
#include "SIM_Asset.h"

#include <string>
#include <vector>

// The shop: a tab per kind of thing, a card per asset on sale in it.
class SIM_ShopModel {
public:
    struct Tab {
        std::string key;    // the assets' shop-tab column
        std::string label;  // translated
    };
    struct Card {
        SIM_Asset* asset = nullptr;
        std::string name;
        std::string picture;
        std::string description;
        std::string priceLine;               // "$ 1,400", what the band pays after its discount
        std::vector<std::string> costLines;  // "($ 35.00/day)", "($ 25.00/gig)"
        std::string stockLine;               // merchandise only
        std::string wantedLine;              // a member who wishes for it
        std::string buyLabel;                // translated
        std::string buyTooltip;              // key: why it cannot be bought, or what buying does
        bool canBuy = false;
    };

    // Every member is asked what he wants, so the cards can say so.
    SIM_ShopModel();
    static const std::vector<Tab>& Tabs();
    // The cards' button on a tab, translated: staff are hired, the rest bought.
    static std::string BuyLabel(const std::string& tab);
    // The cards of one tab as the band's cash stands now.
    std::vector<Card> Cards(const std::string& tab) const;
    // The card's button: refused while the band cannot pay; otherwise the asset is bought.
    bool Buy(SIM_Asset& asset);

    std::string title;
    std::string finishLabel;
    std::string finishTooltip;  // key
    std::string CashLine() const;
    // The business discount, or nothing while there is none.
    std::string DiscountLine() const;
};

// An owned asset's window: its picture and words, what it costs to keep, what it would fetch
// and its one action.
class SIM_AssetWindowModel {
public:
    explicit SIM_AssetWindowModel(SIM_Asset& asset);
    // The action button: selling (or ending a service) gives the asset up; merchandise asks for
    // the shop. True when the window should close.
    bool Act();
    bool OpensShop() const { return action.kind == SIM_AssetAction::kOpenShop; }

    SIM_Asset& asset;
    std::string title;
    std::string picture;
    std::string text;
    std::vector<std::string> lines;
    SIM_AssetAction action;  // label translated, tooltip a key
    bool acted = false;
};

// An album's listening window: one listen a day, the track that plays, how far through the
// album the player is and what it teaches.
class SIM_ListenModel {
public:
    explicit SIM_ListenModel(SIM_AssetMusic& album);
    // One listen: refused when the album was already heard today.
    bool Listen();
    bool CanListen() const;
    std::string ListenTooltip() const;  // key
    std::string ProgressLine() const;
    std::string UnlocksLine() const;
    // "You have soaked this album up..." once it has been heard through.
    std::string UnlockedLine() const;

    SIM_AssetMusic& album;
    std::string title;
    std::string picture;
    std::string text;
    std::string listenLabel;
    // Set by a listen.
    std::string trackLine;
    std::string inspirationLine;
};
