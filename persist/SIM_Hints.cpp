#include "SIM_Hints.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibSpreadsheet.h"
#include "SIM_Finances.h"
#include "SIM_FunctionTable.h"
#include "SIM_HintHelp.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

namespace {
std::vector<SIM_Hint> gHints;
std::vector<const SIM_Hint*> gQueue;
std::string gSeenFile;

SIM_Hint ReadHint(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // the data-row marker
    SIM_Hint hint;
    hint.key = cells.NextText();
    hint.text = cells.NextText();
    hint.x = cells.NextInt();
    hint.y = cells.NextInt();
    hint.deferred = cells.NextInt() != 0;
    hint.field6 = cells.NextText();
    hint.hook = cells.NextText();
    hint.field8 = cells.NextText();
    hint.field9 = cells.NextText();
    return hint;
}

void OpenHintWindow(const SIM_Hint& hint) {
    SaveHints();
    SIM_HintHelpModel model;
    model.key = hint.key;
    model.title = Translate("HINT_TITLE");
    model.disclaimer = Translate("HINT_DISCLAIMER");
    model.text = hint.text;
    model.x = hint.x;
    model.y = hint.y;
    Screens().OpenHintHelp(model);
    if (!hint.hook.empty()) GetFunctionTable().CallHook(hint.hook);
}
}  // namespace

void LoadHints(const std::string& userFolder, const std::string& catalogue) {
    gHints.clear();
    gQueue.clear();
    gSeenFile = userFolder + "/hints.txt";
    LibConfigSection seen;
    seen.Load("hints", gSeenFile);
    const auto sheet = LoadSpreadsheet(catalogue);
    for (const std::string& row : sheet->rows) {
        SIM_Hint hint = ReadHint(row);
        hint.seen = ParseLeadingInt(seen.Find(hint.key)) != 0;
        gHints.push_back(std::move(hint));
    }
}

bool SaveHints() {
    std::string text = "[hints]\n";
    for (const SIM_Hint& hint : gHints) text += hint.key + " = " + (hint.seen ? "1" : "0") + "\n";
    if (gSeenFile.empty() || !WriteFileReplacing(gSeenFile, text)) {
        WriteDebugLine("failed to write hint");
        return false;
    }
    return true;
}

const std::vector<SIM_Hint>& Hints() { return gHints; }
const std::vector<const SIM_Hint*>& QueuedHints() { return gQueue; }

void ResetHints() {
    gHints.clear();
    gQueue.clear();
    gSeenFile.clear();
}

bool TriggerHint(const std::string& key) {
    for (SIM_Hint& hint : gHints) {
        if (hint.key != key) continue;
        if (hint.seen) return false;
        hint.seen = true;
        if (hint.deferred) gQueue.push_back(&hint);
        else OpenHintWindow(hint);
        return true;
    }
    FATAL_ERROR("Hint Help key not found");
}

void ShowQueuedHints() {
    // A hook run by one window could trigger another hint; take the queue first.
    const std::vector<const SIM_Hint*> queued = std::move(gQueue);
    gQueue.clear();
    for (const SIM_Hint* hint : queued) OpenHintWindow(*hint);
}

void CheckDayHints() {
    const SIM_WorldSeams& world = WorldSeams();
    const int turn = GetSIM().turncount;
    if (turn == 4 && AskSeam(world.bandMemberCount, 0) == 0) Screens().TriggerHint("timed_audition");
    else if (turn == 20 && AskSeam(world.songCount, 0) <= 4) Screens().TriggerHint("need_more_songs");
    if (GetFinances().cash < 5.0f) Screens().TriggerHint("no_money");
}

void RegisterHints() { WorldSeams().checkDayHints = CheckDayHints; }
