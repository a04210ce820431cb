#pragma once
// Modal message boxes, and the error handler the game installs to show its failure reports.
#include "LibErrors.h"

#include <functional>
#include <string>

struct SDL_Window;

constexpr const char* kSupportAddress = "support@gigvale.example";
constexpr const char* kProblemText =
    "Something has gone wrong with the game. You can attempt to continue anyway, but we would appreciate it if you "
    "click the email button which will tell us what went wrong. You should be able to load the previous auto-save "
    "and carry on from there.";

// Shows a message box when there is a display; otherwise it is only logged by the caller.
void ShowMessageBox(const std::string& caption, const std::string& text);

// "Problem encountered": returns when "Attempt to continue" is chosen; "Email The Developer"
// opens a mail to the developers and keeps the dialog open.
void ShowProblemDialog(const std::string& assertionText);

class DialogErrorHandler : public ErrorHandler {
public:
    void OnAssert(const std::string& text) override;
    [[noreturn]] void OnFatal(const std::string& text, int exitCode) override;

    // Told after the fault (where this session's replay is kept), and run before the dialog
    // shows (so the replay is on disk even if the game goes no further).
    std::string replayNote;
    std::function<void()> beforeReport;

private:
    std::string WithNote(const std::string& text);
};

void SetDialogParent(SDL_Window* window);
