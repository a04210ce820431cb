// The scripted-input driver. Each frame advances the game's clock by a fixed step, so fades,
// tooltips and timers run the same on every machine; the frame recorder tells what was drawn
// where, so a script can find buttons by their labels and check texts. Every frame is also
// checked for text outside the screen or its window, and for windows off screen.
#include "PlayScript.h"

#include "ScreenDriver.h"

#include "BenchRender.h"

#include "FrameRecord.h"
#include "Game.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Band.h"
#include "SIM_Person.h"
#include "SIM_SIM.h"
#include "SIM_SongPuzzle.h"
#include "SIM_SongScreens.h"
#include "SIM_SaveGame.h"
#include "TuningOverrides.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace {
constexpr int kWaitFrames = 400;        // how long wait-text waits before it fails

using Failure = ScreenFailure;

std::string Trim(const std::string& text);

class ScriptRunner {
public:
    ScriptRunner(Game& game, std::string outDir) : game_(game), driver_(game, std::move(outDir)) {}

    void Run(const std::string& command, const std::string& rest) {
        if (command == "click" || command == "rclick") driver_.Click(Point(rest), command == "click");
        else if (command == "move") driver_.Move(Point(rest));
        else if (command == "key") Key(rest);
        else if (command == "type") driver_.Type(rest);
        else if (command == "frames") driver_.Frames(Count(rest));
        else if (command == "shot") driver_.Shot(rest);
        else if (command == "expect-text") ExpectText(rest, true);
        else if (command == "expect-no-text") ExpectText(rest, false);
        else if (command == "wait-text") WaitText(rest);
        else if (command == "frames-until-text") FramesUntilText(rest);
        else if (command == "click-text") driver_.ClickText(rest);
        else if (command == "drag") Drag(rest);
        else if (command == "drag-text") DragText(rest);
        else if (command == "hover") Hover(rest);
        else if (command == "expect-tooltip") ExpectTooltip(rest);
        else if (command == "expect-mode") ExpectMode(Count(rest));
        else if (command == "save") SaveNamed(rest);
        else if (command == "load") LoadNamed(rest);
        else if (command == "next-day") NextDay();
        else if (command == "write-song") WriteSong();
        else if (command == "upset") Upset(rest);
        else if (command == "expect-quit") ExpectQuit();
        else if (command == "close-window") CloseWindow();
        else if (command == "tick") Tick(rest);
        else if (command == "input-mouse") InputMouse(rest);
        else if (command == "input-key") InputKey(rest);
        else if (command == "input-text") InputText(rest);
        else if (command == "input-cursor" || command == "input-warp") InputCursor(rest, command == "input-warp");
        else if (command == "input-quit") game_.RequestQuit();
        else throw Failure{"unknown command '" + command + "'"};
    }

    // The first frame, so the script starts with something drawn to look at.
    void Begin() { driver_.Frame(); }
    int FramesRun() const { return driver_.FramesRun(); }
    bool Quit() const { return game_.QuitPosted(); }
    bool Start(ThrowingErrorHandler& errors) { return driver_.StartGame(errors); }
    void SetClock(std::uint64_t now) { driver_.SetClock(now); }
    std::string TextsDrawn() const { return ScreenDriver::TextsDrawn(); }

private:
    static ScreenDriver::Point Point(const std::string& rest) {
        std::istringstream in(rest);
        float x = 0.0f, y = 0.0f;
        if (!(in >> x >> y)) throw Failure{"expected X Y"};
        return {x, y};
    }

    static int Count(const std::string& rest) {
        long long n = 0;
        if (!ParseNumber(rest, n) || n < 0 || n > 1000000) throw Failure{"expected a count"};
        return static_cast<int>(n);
    }

    static bool ParseNumber(const std::string& text, long long& out) {
        char* end = nullptr;
        out = std::strtoll(text.c_str(), &end, 10);
        return !text.empty() && end && *end == '\0';
    }

    void Frame() { driver_.Frame(); }

    // ---- A session's replay: the device records as the game queued them, and its frames at
    // the pace they ran.

    // "tick MS N": N frames, each MS after the last.
    void Tick(const std::string& rest) {
        std::istringstream in(rest);
        std::uint64_t step = 0;
        int n = 0;
        if (!(in >> step >> n) || n < 0) throw Failure{"expected MS N"};
        for (int i = 0; i < n && !game_.QuitPosted(); ++i) driver_.Tick(step);
    }

    // "input-mouse move-x|move-y|wheel V" or "input-mouse button B down|up".
    void InputMouse(const std::string& rest) {
        std::istringstream in(rest);
        std::string kind, state;
        int value = 0;
        if (!(in >> kind >> value)) throw Failure{"expected KIND VALUE"};
        MouseRecord record;
        record.value = value;
        if (kind == "move-x") record.kind = MouseRecord::MoveX;
        else if (kind == "move-y") record.kind = MouseRecord::MoveY;
        else if (kind == "wheel") record.kind = MouseRecord::Wheel;
        else if (kind == "button" && in >> state && (state == "down" || state == "up")) {
            record.kind = MouseRecord::Button;
            record.pressed = state == "down";
        } else {
            throw Failure{"unknown mouse record '" + rest + "'"};
        }
        game_.Input().QueueMouse(record);
    }

    // "input-cursor X Y": where the system put the pointer; "input-warp X Y": where a script did.
    void InputCursor(const std::string& rest, bool warp) {
        const auto [x, y] = Point(rest);
        if (warp) game_.Input().WarpCursor(x, y);
        else game_.Input().SetSystemCursor(x, y);
    }

    // "input-key CODE down|up", with the game's own scan code.
    void InputKey(const std::string& rest) {
        std::istringstream in(rest);
        int code = 0;
        std::string state;
        if (!(in >> code >> state) || code <= 0 || code >= 256 || (state != "down" && state != "up"))
            throw Failure{"expected CODE down|up"};
        game_.Input().QueueKey(code, state == "down");
    }

    // "input-text HEX": the typed text's bytes.
    void InputText(const std::string& hex) {
        if (hex.empty() || hex.size() % 2 != 0) throw Failure{"expected the text in hex"};
        std::string text;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            char* end = nullptr;
            const std::string pair = hex.substr(i, 2);
            const long byte = std::strtol(pair.c_str(), &end, 16);
            if (!end || *end != '\0') throw Failure{"expected the text in hex"};
            text += static_cast<char>(byte);
        }
        game_.Input().QueueText(text);
    }

    // "key NAME" or "key NAME N" (pressed N times, a frame each).
    void Key(const std::string& rest) {
        const std::size_t space = rest.find(' ');
        const int times = space == std::string::npos ? 1 : Count(rest.substr(space + 1));
        for (int i = 0; i < times; ++i) driver_.Key(rest.substr(0, space));
    }

    static bool Drawn(const std::string& text) { return ScreenDriver::Drawn(text); }

    void ExpectText(const std::string& text, bool present) const {
        if (Drawn(text) != present)
            throw Failure{present ? "expected the text \"" + text + "\"" : "did not expect the text \"" + text + "\""};
    }

    void WaitText(const std::string& text) {
        for (int i = 0; i < kWaitFrames && !Drawn(text); ++i) Frame();
        ExpectText(text, true);
    }

    // "frames-until-text TEXT MAX": frames run until the text is drawn, at most MAX of them (a
    // state that comes after a melody or a timer, however long it takes on this frame clock).
    void FramesUntilText(const std::string& rest) {
        const std::size_t space = rest.rfind(' ');
        const std::size_t end = space == std::string::npos ? space : rest.find_last_not_of(' ', space);
        if (end == std::string::npos) throw Failure{"expected TEXT MAX"};
        const std::string text = rest.substr(0, end + 1);
        const int most = Count(rest.substr(space + 1));
        for (int i = 0; i < most && !Drawn(text) && !game_.QuitPosted(); ++i) Frame();
        if (!Drawn(text)) throw Failure{FormatText("the text \"%s\" was not drawn within %d frames", text.c_str(), most)};
    }

    // A tooltip's lines are read as one text, however it was wrapped.
    void ExpectTooltip(const std::string& text) const {
        const GFrame& frame = FrameRecorder().LastFrame();
        std::map<int, std::string> tooltips;
        for (const GFrameText& drawn : frame.texts)
            if (drawn.window >= 0 && frame.windows[static_cast<std::size_t>(drawn.window)].name == "tooltip") {
                std::string& whole = tooltips[drawn.window];
                whole += (whole.empty() ? "" : " ") + drawn.text;
            }
        for (const auto& [window, whole] : tooltips)
            if (whole.find(text) != std::string::npos) return;
        throw Failure{"expected a tooltip with \"" + text + "\""};
    }

    // "drag X1 Y1 X2 Y2"
    void Drag(const std::string& rest) {
        std::istringstream in(rest);
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        if (!(in >> x1 >> y1 >> x2 >> y2)) throw Failure{"expected X1 Y1 X2 Y2"};
        driver_.Drag({x1, y1}, {x2, y2});
    }

    // "drag-text TEXT X Y": the element labelled TEXT (a puzzle piece by its element) dragged
    // from its centre to X Y. The label may hold spaces; the last two words are the point.
    void DragText(const std::string& rest) {
        const std::size_t lastSpace = rest.rfind(' ');
        const std::size_t pointStart = lastSpace == std::string::npos ? std::string::npos : rest.rfind(' ', lastSpace - 1);
        if (pointStart == std::string::npos || pointStart == 0) throw Failure{"expected TEXT X Y"};
        const std::string label = Trim(rest.substr(0, pointStart));
        const auto from = ScreenDriver::FindControl(label);
        if (!from) throw Failure{"no enabled element or text \"" + label + "\" to drag"};
        driver_.Drag(*from, Point(rest.substr(pointStart + 1)));
    }

    void Hover(const std::string& label) {
        const auto at = ScreenDriver::FindControl(label, true);
        if (!at) throw Failure{"no button or text \"" + label + "\" to point at"};
        driver_.Move(*at);
    }

    // The window's close box, as the window manager reports it.
    void CloseWindow() {
        SDL_Event event{};
        event.type = SDL_QUIT;
        SDL_PushEvent(&event);
        Frame();
    }

    void ExpectQuit() {
        driver_.Frames(2);
        if (!game_.QuitPosted()) throw Failure{"expected the game to have quit"};
    }

    void ExpectMode(int number) const {
        if (game_.CurrentModeNumber() != number)
            throw Failure{FormatText("expected mode %d, the game is in mode %d", number, game_.CurrentModeNumber())};
    }

    void SaveNamed(const std::string& name) {
        std::string error;
        if (!SaveGame(name, &error)) throw Failure{"could not save \"" + name + "\": " + error};
    }

    // Ends the day as a finished activity does, for scripts of screens that need a later day.
    void NextDay() {
        if (!game_.inGame) throw Failure{"no game in progress"};
        GetSIM().UseAct();
        Frame();
    }

    // Writes a song as the control panel's button will once its screen exists: the song is made,
    // the puzzle filled as the headless player fills it and finished, which ends the day.
    void WriteSong() {
        if (!game_.inGame) throw Failure{"no game in progress"};
        SIM_SongPuzzle& puzzle = WriteNewSong();
        ImproveSongGreedily(puzzle);
        if (!FinishPuzzle()) ClosePuzzle();
        Frame();
    }

    // Makes a member miserable for good (bored stiff, his motivation gone): left alone he walks
    // out after the days of thinking it over that any unhappy member takes.
    void Upset(const std::string& name) {
        if (!game_.inGame) throw Failure{"no game in progress"};
        for (SIM_Musician* member : GetBand().members) {
            if (member->fullname != name) continue;
            member->boredom = 1.0f;
            member->motivation.AddEffect(-1.0f, 1.0f, "upset");
            member->Recalculate();
            Frame();
            return;
        }
        throw Failure{"no member called \"" + name + "\""};
    }

    void LoadNamed(const std::string& name) {
        std::string error;
        if (!game_.LoadSavedGame(name, &error)) throw Failure{"could not load \"" + name + "\": " + error};
    }

    Game& game_;
    ScreenDriver driver_;
};

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// One line of a script, with where it was written.
struct ScriptLine {
    std::string file;
    std::size_t number = 0;
    std::string text;
};

// The script's lines, with "include FILE" (a path relative to the including script) replaced by
// that file's lines; false with the reason when a file cannot be read or includes itself.
bool ReadScript(const std::string& path, std::vector<ScriptLine>& lines, std::string& error, int depth = 0) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read '" + path + "'";
        return false;
    }
    if (depth > 8) {
        error = "'" + path + "' is included too deeply (does it include itself?)";
        return false;
    }
    std::size_t number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        const std::string line = Trim(text);
        if (line.rfind("include ", 0) == 0) {
            const std::filesystem::path included = std::filesystem::path(path).parent_path() / Trim(line.substr(8));
            if (!ReadScript(included.string(), lines, error, depth + 1)) return false;
            continue;
        }
        lines.push_back({path, number, line});
    }
    return true;
}
}  // namespace

// A replay's header: the seed, the clocks and the player's folder its session started from.
struct SessionHeader {
    std::optional<long long> seed, clock, wallClock;
    std::string userFolder;  // relative to the script
};

// "# NAME: VALUE" lines; false with a message on a value that is not what it should be.
bool ReadSessionHeader(const std::vector<ScriptLine>& lines, SessionHeader& header) {
    for (const ScriptLine& line : lines) {
        const std::size_t colon = line.text.find(':');
        if (line.text.rfind("# ", 0) != 0 || colon == std::string::npos) continue;
        const std::string name = line.text.substr(2, colon - 2), value = Trim(line.text.substr(colon + 1));
        std::optional<long long>* number = name == "seed" ? &header.seed
                                           : name == "clock-start" ? &header.clock
                                           : name == "wall-clock" ? &header.wallClock
                                                                    : nullptr;
        if (name == "user-folder") header.userFolder = value;
        if (!number) continue;
        char* end = nullptr;
        const long long parsed = std::strtoll(value.c_str(), &end, 10);
        if (value.empty() || !end || *end != '\0' || parsed < 0) {
            std::fprintf(stderr, "%s:%zu: expected \"# %s: NUMBER\"\n", line.file.c_str(), line.number, name.c_str());
            return false;
        }
        *number = parsed;
    }
    return true;
}

// The replayed session's player's folder, copied into HOME's documents (a fresh folder unless
// one is given), so the player's own files are never touched.
bool PrepareUserFolder(const std::string& scriptPath, const std::string& from, std::string& home, bool& madeHome) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (home.empty()) {
        std::string pattern = (fs::temp_directory_path(ec) / "gigvale-replay-XXXXXX").string();
        if (!mkdtemp(pattern.data())) return false;
        home = pattern;
        madeHome = true;
    }
    const fs::path source = fs::path(scriptPath).parent_path() / from;
    const fs::path target = fs::path(home) / "Documents" / "gigvale";
    fs::create_directories(target, ec);
    if (fs::exists(source, ec)) fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) return false;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (fs::path(home) / ".config").string().c_str(), 1);
    return true;
}

int PlayScript(const std::vector<std::string>& args) {
    std::string scriptPath, outDir, home;
    std::optional<long long> seedOption;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size()) outDir = args[++i];
        else if (args[i] == "--seed" && i + 1 < args.size()) seedOption = std::strtoll(args[++i].c_str(), nullptr, 10);
        else if (args[i] == "--home" && i + 1 < args.size()) home = std::filesystem::absolute(args[++i]).string();
        else if (scriptPath.empty() && args[i].rfind("--", 0) != 0) scriptPath = args[i];
        else {
            std::fprintf(stderr, "usage: gigvale-tool play-script SCRIPT [--out DIR] [--seed N] [--home DIR]\n");
            return 2;
        }
    }
    if (!std::filesystem::path(scriptPath).is_absolute()) scriptPath = std::filesystem::absolute(scriptPath).string();
    std::vector<ScriptLine> lines;
    std::string readError;
    if (!ReadScript(scriptPath, lines, readError)) {
        std::fprintf(stderr, "gigvale-tool play-script: %s\n", readError.c_str());
        return 2;
    }
    if (!outDir.empty()) outDir = std::filesystem::absolute(outDir).string();
    // "# tuning: KEY=VALUE" lines set developer switches before the game starts (the backdrop
    // tool replaces the main menu only when its switch is on at start-up).
    for (const ScriptLine& line : lines) {
        const std::string prefix = "# tuning:";
        if (line.text.rfind(prefix, 0) != 0) continue;
        const std::string setting = Trim(line.text.substr(prefix.size()));
        const std::size_t equals = setting.find('=');
        char* end = nullptr;
        const float value = equals == std::string::npos ? 0.0f : std::strtof(setting.c_str() + equals + 1, &end);
        if (equals == std::string::npos || equals == 0 || !end || *end != '\0') {
            std::fprintf(stderr, "%s:%zu: expected \"# tuning: KEY=NUMBER\"\n", line.file.c_str(), line.number);
            return 2;
        }
        OverrideTuningValue(Trim(setting.substr(0, equals)), value);
    }
    SessionHeader header;
    if (!ReadSessionHeader(lines, header)) return 2;
    bool madeHome = false;
    if (!header.userFolder.empty() && !PrepareUserFolder(scriptPath, header.userFolder, home, madeHome)) {
        std::fprintf(stderr, "gigvale-tool play-script: could not copy the session's folder %s\n", header.userFolder.c_str());
        return 2;
    }

    UseRunFolderHeadless();
    FrameRecorder().Enable(true);
    Game& game = GetGame();
    ScriptRunner runner(game, outDir);
    // A replay starts the game at its session's clock, seed and time of day.
    runner.SetClock(static_cast<std::uint64_t>(header.clock.value_or(0)));
    game.seedOverride = static_cast<std::uint32_t>(seedOption.value_or(header.seed.value_or(1)));
    if (header.wallClock) game.wallClockOverride = static_cast<std::time_t>(*header.wallClock);
    // Assertions fail the script; fatal errors end it with their text.
    ThrowingErrorHandler errors;
    if (!runner.Start(errors)) {
        std::fprintf(stderr, "gigvale-tool play-script: the game did not start\n");
        return 1;
    }

    int status = 0;
    try {
        // A replay's frames are all in its lines.
        if (!header.clock) runner.Begin();
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s: the first frame: %s\n", scriptPath.c_str(), failure.what.c_str());
        status = 1;
    }
    for (std::size_t i = 0; i < lines.size() && status == 0; ++i) {
        const ScriptLine& script = lines[i];
        const std::string& line = script.text;
        if (line.empty() || line[0] == '#') continue;
        const std::size_t space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : Trim(line.substr(space + 1));
        try {
            runner.Run(command, rest);
            if (errors.assertions > 0) throw Failure{"assertion failed: " + errors.lastAssert};
        } catch (const Failure& failure) {
            std::fprintf(stderr, "%s:%zu: %s\n  %s\n  texts drawn in that frame:\n%s", script.file.c_str(), script.number,
                         line.c_str(), failure.what.c_str(), runner.TextsDrawn().c_str());
            status = 1;
        } catch (const FatalErrorException& fatal) {
            std::fprintf(stderr, "%s:%zu: %s\n  fatal error: %s\n", script.file.c_str(), script.number, line.c_str(),
                         fatal.what());
            status = 1;
        }
    }
    const bool quit = runner.Quit();
    if (!quit) game.Shutdown();
    SetErrorHandler(nullptr);
    ClearTuningOverrides();
    if (madeHome) {
        std::error_code ec;
        std::filesystem::remove_all(home, ec);
    }
    if (status == 0)
        std::printf("play-script %s: %d frames, %s\n", scriptPath.c_str(), runner.FramesRun(),
                    quit ? "the game quit" : "the game is still running");
    return status;
}
