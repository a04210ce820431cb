#include "MessageBoxes.h"

#include "LibDebugLog.h"
#include "LibFileList.h"
#include "Platform.h"

#include <SDL.h>

#include <cstdlib>

namespace {
SDL_Window* gParent = nullptr;

bool CanShowDialogs() { return SDL_WasInit(SDL_INIT_VIDEO) && !IsHeadless(); }
}  // namespace

void SetDialogParent(SDL_Window* window) { gParent = window; }

void ShowMessageBox(const std::string& caption, const std::string& text) {
    if (!CanShowDialogs()) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), gParent);
}

void ShowProblemDialog(const std::string& assertionText) {
    if (!CanShowDialogs()) return;
    enum { kContinue = 0, kEmail = 1 };
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kContinue,
         "Attempt to continue"},
        {0, kEmail, "Email The Developer"},
    };
    const std::string message = std::string(kProblemText) + "\n\n" + assertionText;
    const SDL_MessageBoxData data{SDL_MESSAGEBOX_WARNING, gParent, "Problem encountered", message.c_str(), 2,
                                  buttons, nullptr};
    for (;;) {
        int chosen = kContinue;
        if (SDL_ShowMessageBox(&data, &chosen) != 0 || chosen != kEmail) return;
        OpenMailLink(kSupportAddress, "bugreport", assertionText);
    }
}

std::string DialogErrorHandler::WithNote(const std::string& text) {
    if (beforeReport) beforeReport();
    return replayNote.empty() ? text : text + "\n\n" + replayNote;
}

void DialogErrorHandler::OnAssert(const std::string& text) { ShowProblemDialog(WithNote(text)); }

void DialogErrorHandler::OnFatal(const std::string& text, int exitCode) {
    ShowMessageBox("ERROR", WithNote(text));
    CloseDebugLog();
    std::exit(exitCode);
}
