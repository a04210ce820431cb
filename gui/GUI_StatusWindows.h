#pragma once
// The desktop's status windows, redrawn every frame from the simulation: cash, fame, the
// date, the two-week calendar, the band's state lights and today's remarks.
#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "GUI_WindowBase.h"

#include <string>

class SIM_Attribute;

// A status window on the skin's LCD panel: a small label over a figure.
class GUI_LcdPanel : public GUI_WindowBase {
protected:
    GUI_LcdPanel(const std::string& windowName, const std::string& tooltipKey);
    virtual std::string Label() const = 0;
    virtual std::string Figure() const = 0;
    void DrawBackground() override;
    void SetRect(float left, float top, float right, float bottom) override;

private:
    GUI_ButtonBase* hover_;
};

class GUI_Cash : public GUI_LcdPanel {
public:
    GUI_Cash();
    std::string Label() const override;
    std::string Figure() const override;
};

class GUI_Fame : public GUI_LcdPanel {
public:
    GUI_Fame();
    std::string Label() const override;
    std::string Figure() const override;
};

class GUI_Date : public GUI_LcdPanel {
public:
    GUI_Date();
    std::string Label() const override;
    std::string Figure() const override;
};

// Cash as the desktop shows it: whole dollars with separators from $100, cents below that.
std::string CashFigure(float cash);

// One day of the calendar: its weekday and day, and the picture of what happens on it.
class GUI_CalendarDay : public GUI_ButtonBase {
public:
    explicit GUI_CalendarDay(int slot) : slot_(slot) {}
    void Update() override;
    void Draw() override;

private:
    int slot_;
    std::string entries_;
};

class GUI_Calendar : public GUI_WindowBase {
public:
    GUI_Calendar();

protected:
    void DrawBackground() override;
};

// The light of a band value: green, yellow or red.
enum class GUI_Light { Green, Yellow, Red };
// Red once the value is past its warning limit on its warning side, else green when it is at
// least half way to good, else yellow.
GUI_Light IndicatorLight(float value, bool highIsGood, int criteria, float warnLimit);

class GUI_Indicator : public GUI_ButtonBase {
public:
    explicit GUI_Indicator(std::string valueName) : valueName_(std::move(valueName)) {}
    void Update() override;
    void Draw() override;

private:
    const SIM_Attribute* Value() const;
    std::string valueName_;
    bool reported_ = false;
};

// The band tab: the band's name and one light per band value, in the catalogue's order.
class GUI_BandTab : public GUI_WindowTab {
public:
    GUI_BandTab();
    void Rebuild();
    void Update() override;

protected:
    void DrawBackground() override;

private:
    std::size_t built_ = 0;
};

// The band's state at a glance, in two tabs: the band's lights and its songs.
class GUI_BandState : public GUI_TabContainer {
public:
    GUI_BandState();
    GUI_BandTab& BandTab() const { return *band_; }
    GUI_WindowTab& SongsTab() const { return *songs_; }

private:
    GUI_BandTab* band_ = nullptr;
    GUI_WindowTab* songs_ = nullptr;
};

// Today's remarks of the band members.
class GUI_MessageBoard : public GUI_WindowBase {
public:
    GUI_MessageBoard();

protected:
    void DrawBackground() override;
};
