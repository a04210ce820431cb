#pragma once
// The shop (a tab per kind of thing, a card per asset on sale), the window of something the
// band owns, and the listening window of an album. SIM_ShopScreens holds the rules and texts.
#include "GUI_Dialog.h"
#include "SIM_ShopScreens.h"

#include <string>
#include <vector>

// One asset on sale: picture, name, price, what it costs to keep, and the button that buys it
// (greyed while the band cannot pay).
class GUI_ShopCard : public GUI_WindowBase {
public:
    GUI_ShopCard(const SIM_ShopModel::Card& card, float left, float top, std::function<void()> onBuy);
    GUI_ButtonText* BuyButton() const { return buy_; }
    const SIM_ShopModel::Card& Card() const { return card_; }

protected:
    void DrawBackground() override;

private:
    SIM_ShopModel::Card card_;
    std::vector<std::string> name_;         // wrapped once
    std::vector<std::string> description_;  // wrapped once
    GUI_ButtonText* buy_ = nullptr;
};

class GUI_Shop : public GUI_WindowBase {
public:
    static constexpr int kCardsPerPage = 6;

    // Opens over the desktop on a tab (an open shop is replaced).
    static GUI_Shop* Open(const std::string& tab = "instruments");

    explicit GUI_Shop(const std::string& tab);
    const SIM_ShopModel& Model() const { return model_; }
    const std::string& CurrentTab() const { return tab_; }
    const std::vector<GUI_ShopCard*>& Cards() const { return cards_; }
    int Page() const { return page_; }
    int PageCount() const;
    void ShowTab(const std::string& tab);
    void ShowPage(int page);
    // The card's button: the band buys it and the cards follow the stock and the cash.
    void Buy(SIM_Asset& asset);
    void Finish();
    // A full-screen activity: it has every key. Escape leaves.
    void OnNotify(int key) override;

protected:
    void DrawBackground() override;

private:
    void Rebuild();

    SIM_ShopModel model_;
    std::string tab_;
    std::vector<SIM_ShopModel::Card> listing_;
    std::vector<GUI_ButtonText*> tabButtons_;
    std::vector<GUI_ShopCard*> cards_;
    GUI_IconButton* left_ = nullptr;
    GUI_IconButton* right_ = nullptr;
    int page_ = 0;
};

// What the band owns: its picture and words, its costs, its second-hand value and its action.
class GUI_AssetWindow : public GUI_Dialog {
public:
    static GUI_AssetWindow* Open(SIM_Asset& asset);

    explicit GUI_AssetWindow(SIM_Asset& asset);
    const SIM_AssetWindowModel& Model() const { return model_; }
    GUI_ButtonText* ActionButton() const { return action_; }
    void Act();

protected:
    void DrawForeground() override;

private:
    SIM_AssetWindowModel model_;
    std::vector<std::string> text_;  // wrapped once
    GUI_ButtonText* action_ = nullptr;
};

// An album the band owns: a listen a day, the track playing, how far through it the player is
// and what it teaches.
class GUI_ListenWindow : public GUI_Dialog {
public:
    static GUI_ListenWindow* Open(SIM_AssetMusic& album);

    explicit GUI_ListenWindow(SIM_AssetMusic& album);
    const SIM_ListenModel& Model() const { return model_; }
    GUI_ButtonText* ListenButton() const { return listen_; }
    void Listen();
    // The button follows the day: a new day opens it again.
    void Update() override;

protected:
    void DrawForeground() override;

private:
    void Follow();

    SIM_ListenModel model_;
    std::vector<std::string> text_;  // wrapped once
    GUI_ButtonText* listen_ = nullptr;
};

// The control panel's shopping button and the "shopping" hook.
void OpenShop();
// A desktop icon of something the band owns: an album opens its listening window.
void OpenOwnedAsset(const SIM_Asset& asset);
