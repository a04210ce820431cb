#pragma once
// The save-load identifier: the number by which save files refer to people, songs and albums.
#include <vector>

class SIM_SLIDBase {
public:
    SIM_SLIDBase();
    virtual ~SIM_SLIDBase();
    SIM_SLIDBase(const SIM_SLIDBase&) = delete;
    SIM_SLIDBase& operator=(const SIM_SLIDBase&) = delete;

    int GetSLID() const { return slid_; }
    // The loader gives an object back the number it was saved with.
    void SetSLID(int slid) { slid_ = slid; }

private:
    int slid_;
};

// Numbers stay below this.
constexpr int kSLIDLimit = 99000;

// The next number to hand out; saved as "TopSLID".
int TopSLID();
void SetTopSLID(int next);
// A fresh game numbers from 0 again.
void ResetSLIDCounter();
// Every living SLID object, in creation order.
const std::vector<SIM_SLIDBase*>& AllSLIDObjects();
SIM_SLIDBase* FindBySLID(int slid);
