#pragma once
// A catalogue entry (an asset, a venue, a publicity event, a rival band) that pushes named
// values when it is used.
#include <string>
#include <vector>

struct SIM_Modifier {
    std::string name;         // its prefix picks the target: "glob_", "band_" or the player
    std::string displayText;  // translation of "nv_" + name
    float degrade = 0.0f;     // 0..1
    std::string source;       // the container's label when the modifier was added
    float amount = 0.0f;      // -1..1
};

class SIM_ModifierContainer {
public:
    virtual ~SIM_ModifierContainer() = default;
    // "name,amount,degrade". Amounts starting with "_" and degrades starting with a letter or
    // "_" are tuning keys. Texts not starting with a letter or "_" are ignored.
    virtual void AddModifier(const std::string& text);
    // Pushes every modifier, scaled by factor, to the world, the band or the player.
    void ApplyModifiers(float factor) const;

    std::vector<SIM_Modifier> modifiers;
    std::string label = "unset";
};
