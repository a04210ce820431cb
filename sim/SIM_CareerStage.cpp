#include "SIM_CareerStage.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <memory>

namespace {
std::unique_ptr<SIM_CareerStage> gStage;

constexpr const char* kTitleKeys[SIM_CareerStage::kStages] = {"GAMEMODE_DREAMER", "GAMEMODE_AMATEUR",
                                                             "GAMEMODE_GIGGING", "GAMEMODE_SIGNED"};
constexpr const char* kPictures[SIM_CareerStage::kStages] = {"gamemode_dreamer.jpg", "gamemode_amateur.jpg",
                                                            "gamemode_gigging.jpg", "gamemode_signed.jpg"};
const std::string kNone;

bool InRange(int stage) { return stage >= 0 && stage < SIM_CareerStage::kStages; }
}  // namespace

SIM_CareerStage::SIM_CareerStage() {
    for (int s = 0; s < kStages; ++s) {
        titles_[static_cast<std::size_t>(s)] = Translate(kTitleKeys[s]);
        descriptions_[static_cast<std::size_t>(s)] = Translate(std::string(kTitleKeys[s]) + "_TEXT");
    }
}

void SIM_CareerStage::SetStage(int stage) {
    GAME_ASSERT(InRange(stage));
    if (InRange(stage)) stage_ = stage;
}

void SIM_CareerStage::UpdateStage() {
    const SIM_WorldSeams& seams = WorldSeams();
    bool rises = false;
    switch (stage_) {
    case 0:
        rises = AskSeam(seams.isLineupComplete, false);
        break;
    case 1:
        rises = AskSeam(seams.isLineupComplete, false) &&
                static_cast<float>(AskSeam(seams.songCount, 0)) >= GetTuningValue("RS_SONGS_REQ_FOR_GIG");
        break;
    case 2:
        rises = AskSeam(seams.hasRecordDeal, false);
        break;
    default:
        break;
    }
    if (!rises) return;
    ++stage_;
    Screens().OpenStageAnnouncement(stage_);
}

const std::string& SIM_CareerStage::Title(int stage) const {
    return InRange(stage) ? titles_[static_cast<std::size_t>(stage)] : kNone;
}

const std::string& SIM_CareerStage::Description(int stage) const {
    return InRange(stage) ? descriptions_[static_cast<std::size_t>(stage)] : kNone;
}

const char* SIM_CareerStage::Picture(int stage) { return InRange(stage) ? kPictures[stage] : ""; }

SIM_CareerStage& GetCareerStage() {
    if (!gStage) gStage = std::make_unique<SIM_CareerStage>();
    return *gStage;
}

void ResetCareerStage() { gStage.reset(); }
