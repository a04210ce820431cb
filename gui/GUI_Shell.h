#pragma once
// What the screens ask of the application: the input, the clock, the fade between screens,
// switching game modes and the display. The game installs itself; framework tests install a
// small stand-in.
#include <cstdint>
#include <functional>

class CBaseInputManager;

class GUI_Shell {
public:
    virtual ~GUI_Shell() = default;
    virtual CBaseInputManager& Input() = 0;
    // Milliseconds of the game's clock (a fixed step per frame under the script driver).
    virtual std::uint64_t Now() = 0;
    virtual void SwitchGameMode(int number) = 0;
    // The 150 ms black fade; clicks are blocked until it ends and endAction has run.
    virtual void StartFade(bool fadeOut, std::function<void()> endAction) = 0;
    virtual bool Fading() const = 0;
    virtual void ToggleWindowed() = 0;
    virtual bool InGame() const = 0;
    // The career is over: no game is in progress any more (the main menu stops offering to
    // resume or save it) and the main menu fades in.
    virtual void LeaveGame() = 0;
    // The quit confirmation's OK: the program ends at the end of this frame.
    virtual void Quit() = 0;
    // The loading screen with its bar at fraction (0..1), shown at once.
    virtual void ShowLoadingProgress(float fraction) = 0;
};

GUI_Shell& Shell();
void SetShell(GUI_Shell* shell);
// True when the input manager reports either Alt key held.
bool AltHeld();
