#pragma once
// The people's windows: a band member's (his values, his personality, what he owns and wants,
// and firing him), the player's own, the detail of one value, and the letter of a member who
// resigned. Value bars show changes as numbers that float up beside them.
#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "SIM_Screens.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class SIM_Attribute;
class SIM_Musician;

// A labelled bar of a value 0..1, "Label (42%)"; with an attribute behind it a click opens the
// attribute's detail and its changes float up beside the bar.
class GUI_AttributeBar : public GUI_ButtonBase, public SIM_Indicator {
public:
    GUI_AttributeBar(std::string label, std::function<float()> value, SIM_Attribute* attribute, bool highIsGood);
    ~GUI_AttributeBar() override;
    void Draw() override;
    // A change of the value, shown as "+5%" rising from the bar's left end for a while.
    void ShowChange(float change);
    std::string ControlLabel() const override { return label_; }
    std::size_t FloatingChanges() const { return floating_.size(); }

private:
    struct Floating {
        float change;
        std::uint64_t start;
    };
    std::string label_;
    std::function<float()> value_;
    SIM_Attribute* attribute_;
    bool highIsGood_;
    std::vector<Floating> floating_;
};

// How a value and its effects read in the detail view: one line per effect acting on it.
std::vector<std::string> AttributeEffectLines(const SIM_Attribute& attribute);

// A band member's window. Firing asks first.
class GUI_Musician : public GUI_Dialog {
public:
    explicit GUI_Musician(SIM_Musician& member);
    SIM_Musician& Member() const { return member_; }
    // The member's window, replacing one already open for him.
    static GUI_Musician* Open(SIM_Musician& member);
    void AskFire();

protected:
    void DrawForeground() override;

private:
    void BuildStatusTab(GUI_WindowTab& tab);
    void BuildPersonalityTab(GUI_WindowTab& tab);
    void BuildBelongingsTab(GUI_WindowTab& tab);
    SIM_Musician& member_;
    bool fired_ = false;
};

// The player's own window: his attributes and his playing, each bar opening its detail.
class GUI_Player : public GUI_Dialog {
public:
    GUI_Player();

protected:
    void DrawForeground() override;
};

// The ties between the band members, drawn between their icons on the desktop: friends in green,
// enemies in red. iconOf gives a member's icon, or null.
void DrawRelationshipLines(const std::function<const GUI_BaseElement*(const SIM_Musician*)>& iconOf);

// One value in detail: what it means, where it stands, and every effect acting on it now.
class GUI_AttributeDetail : public GUI_Dialog {
public:
    explicit GUI_AttributeDetail(const SIM_Attribute& attribute);

protected:
    void DrawForeground() override;

private:
    const SIM_Attribute& attribute_;
};

// The letter of a member who resigned: who he was, what he took with him and what he last said,
// kept as they were when he left.
class GUI_Resignation : public GUI_Dialog {
public:
    explicit GUI_Resignation(const SIM_Musician& member);
    const std::vector<std::string>& Belongings() const { return belongings_; }
    const std::vector<std::string>& Remarks() const { return remarks_; }

protected:
    void DrawForeground() override;

private:
    std::string portrait_;
    std::string text_;
    std::vector<std::string> belongings_;
    std::vector<std::string> remarks_;
};
