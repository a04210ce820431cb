// "bench render": times a typical frame on the software renderer under the dummy video
// driver: a full-screen background, 200 sprites from 20 textures and 2,000 glyphs in 4 fonts;
// with "--screen desktop", also the real game's desktop in a career's second year, with
// "--screen practice" the practice screen of that career in the player's turn, with
// "--screen puzzle" its songwriting puzzle in use, with "--screen gig" the gig screen with
// every piece of stage equipment on, with "--screen review" and "--screen endgame" the
// screens that close a year and the game, over that career, and with the name of any other
// screen that screen opened over that career; "--screen all" times every screen and ends with a
// table of their median and worst frames.
#include "BenchRender.h"

#include "CareerRuns.h"
#include "GUI_Activities.h"
#include "GUI_GUI.h"
#include "GUI_Gig.h"
#include "GUI_Stage.h"
#include "GUI_HintHelp.h"
#include "GUI_EndGame.h"
#include "GUI_JigSaw.h"
#include "GUI_Practice.h"
#include "GUI_Screens.h"
#include "GUI_YearlyReview.h"
#include "GUI_AlbumScreens.h"
#include "GUI_DailyOptions.h"
#include "GUI_Relax.h"
#include "GUI_Shop.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Publicity.h"
#include "SIM_RecordCompany.h"
#include "SIM_Song.h"
#include "Game.h"
#include "HeadlessPlayer.h"
#include "LibDataFolder.h"
#include "LibFileList.h"
#include "SIM_Band.h"
#include "SIM_Performance.h"
#include "SIM_Practice.h"
#include "SIM_SIM.h"
#include "SIM_SaveGame.h"
#include "SIM_SongPuzzle.h"
#include "SIM_SongScreens.h"
#include "SIM_Venue.h"
#include "TuningOverrides.h"

#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "Sprites.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Pictures made on the spot, so the benchmark needs no art beyond the fonts.
void MakePictures(const std::string& folder) {
    std::vector<std::uint32_t> pixels(1024 * 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            pixels[static_cast<std::size_t>(y * 1024 + x)] =
                0xFF000000u | static_cast<std::uint32_t>(x / 4) << 16 | static_cast<std::uint32_t>(y / 3) << 8 | 0x40u;
    SavePicturePNG(folder + "/bench_background.png", pixels, 1024, 768);
    std::vector<std::uint32_t> sprite(64 * 64);
    for (int t = 0; t < 20; ++t) {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int dx = x - 32, dy = y - 32;
                const std::uint32_t alpha = dx * dx + dy * dy < 30 * 30 ? 0xC0u : 0x00u;
                sprite[static_cast<std::size_t>(y * 64 + x)] =
                    alpha << 24 | static_cast<std::uint32_t>(t * 12) << 16 | static_cast<std::uint32_t>(255 - t * 12) << 8 | 0x80u;
            }
        SavePicturePNG(folder + "/bench_sprite" + std::to_string(t) + ".png", sprite, 64, 64);
    }
}

}  // namespace

void UseRunFolderHeadless() {
    // An installed tool has no run folder: it stays where it was started, so paths given to it
    // keep their meaning.
    char* base = DataFolderIsShared() ? nullptr : SDL_GetBasePath();
    if (base) {
        std::error_code ec;
        std::filesystem::current_path(base, ec);
        SDL_free(base);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

namespace {
// Each screen timed in this run, for the closing table.
struct ScreenTiming {
    std::string screen;
    double median = 0.0, worst = 0.0;
};
std::vector<ScreenTiming>& Timings() {
    static std::vector<ScreenTiming> timings;
    return timings;
}

// The median of a screen's frame times; the screen's median and worst go to the table.
double Record(const std::string& screen, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    Timings().push_back({screen, median, times.back()});
    return median;
}

// A headless career of the sensible player into its second year, written as a save.
bool WriteSecondYearCareer(const std::string& path) {
    SIM_HeadlessScreens headless;
    StartHeadlessGame(headless, 1);
    for (int day = 0; day < kDaysPerGameYear + 30; ++day) {
        headless.CloseEndGame();
        PlayHeadlessDay();
        headless.events.clear();
    }
    const bool written = WriteFileReplacing(path, SaveGameText());
    ResetAllSimulation();
    SetScreens(nullptr);
    return written;
}

// The real game on a frame clock of 20 ms, with the second-year career loaded.
class BenchGame {
public:
    bool Start(const std::string& folder) {
        const std::string save = folder + "/second-year.xml";
        if (!WriteSecondYearCareer(save)) {
            std::fprintf(stderr, "bench render: could not write %s\n", save.c_str());
            return false;
        }
        setenv("HOME", folder.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (folder + "/.config").c_str(), 1);
        game_.SetClock([this] { return now_; });
        Renderer().SetSoftwareOnly(true);
        if (!game_.Start() || !game_.LoadSavedGame(save)) {
            std::fprintf(stderr, "bench render: the game did not start with the career\n");
            return false;
        }
        game_.frameSleep = 0;
        return true;
    }
    void Frame() {
        now_ += 20;
        game_.PumpEvents();
        game_.RunFrame();
    }
    // One frame, timed.
    double TimedFrame() {
        const std::uint64_t start = SDL_GetPerformanceCounter();
        Frame();
        return static_cast<double>(SDL_GetPerformanceCounter() - start) * 1000.0 /
               static_cast<double>(SDL_GetPerformanceFrequency());
    }
    void Point(float x, float y) {
        game_.Input().x = x;
        game_.Input().y = y;
        game_.Input().SetSystemCursor(x, y);
    }
    void Key(int scanCode) {
        game_.Input().QueueKey(scanCode, true);
        game_.Input().QueueKey(scanCode, false);
    }
    Game& game() { return game_; }

private:
    Game& game_ = GetGame();
    std::uint64_t now_ = 0;
};

// Closes what a screen's bench left open, so the next screen is timed alone over the desktop.
void PutAway(BenchGame& bench) {
    WindowList().CloseAllClosableWindows();
    CloseAlbumScreens();
    for (int i = 0; i < 5; ++i) bench.Frame();
}

// The game's desktop with that career loaded, the band's icons on it and a tooltip showing.
int BenchDesktop(BenchGame& bench, int frames) {
    // Rest on a control-panel button (practice) until its tooltip is fully shown.
    bench.Point(656.0f, 724.0f);
    for (int i = 0; i < 40; ++i) bench.Frame();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) times.push_back(bench.TimedFrame());
    std::printf("desktop: %d frames of a second-year career (%zu members, %zu icons), median %.3f ms/frame\n", frames,
                GetBand().members.size(), bench.game().Desktop().Items().Items().size(), Record("desktop", times));
    return 0;
}

// Untimed frames until a practice run waits for the player's notes; a run that is over gives
// way to a new one, opened as the control panel opens it.
bool ToPlayersTurn(BenchGame& bench) {
    for (int i = 0; i < 5000; ++i) {
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        SIM_PracticeRun* run = CurrentPracticeRun();
        if (!run || run->state() == SIM_PracticeRun::kFinished) {
            OpenPractice();
            continue;
        }
        if (run->state() == SIM_PracticeRun::kInstructions) run->Start();
        if (run->state() == SIM_PracticeRun::kPlayerTurn) return true;
        bench.Frame();
    }
    return false;
}

// The practice screen in the player's turn: the long melodies further down the sets, a right
// note every few frames, so the notes glide and their sprays fly while the frames are timed.
int BenchPractice(BenchGame& bench, int frames) {
    constexpr int kFramesPerNote = 6;
    for (auto& mastered : GetPracticeRecord().ids) {
        mastered.clear();
        for (int melody = 0; melody < 30; ++melody) mastered.push_back(melody);
    }
    std::vector<double> times;
    std::size_t notes = 0, sprays = 0;
    for (int i = 0; i < frames; ++i) {
        if (!ToPlayersTurn(bench)) {
            std::fprintf(stderr, "bench render: the practice run never reached the player's turn\n");
            return 1;
        }
        // Keys a player types arrive through the game's input, as in play.
        if (i % kFramesPerNote == 0) bench.Key(1 + CurrentPracticeRun()->melody().Next());
        times.push_back(bench.TimedFrame());
        if (const GUI_Practice* screen = WindowList().Find<GUI_Practice>()) {
            notes += screen->Notes().size();
            sprays += screen->Effects().Running();
        }
    }
    const std::size_t bars = CurrentPracticeRun() ? CurrentPracticeRun()->bars().size() : 0;
    const double perFrame = static_cast<double>(frames);
    std::printf("practice: %d frames of the player's turn (%zu bars, %.1f notes and %.1f sprays a frame), median %.3f ms/frame\n",
                frames, bars, static_cast<double>(notes) / perFrame, static_cast<double>(sprays) / perFrame, Record("practice", times));
    return 0;
}

// The songwriting puzzle on a new song of that career, every element unlocked so the palette is
// full, a piece of it in the hand going round the sections and notes bursting at the links.
int BenchPuzzle(BenchGame& bench, int frames) {
    constexpr int kFramesPerBurst = 25;
    for (auto& element : SongElements()) element->unlocked = true;
    GUI_JigSaw* jigsaw = GUI_JigSaw::Show(WriteNewSong());
    while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
    bench.Frame();
    const SIM_SongPuzzle* puzzle = jigsaw->Puzzle();
    if (!puzzle || puzzle->Palette().empty()) {
        std::fprintf(stderr, "bench render: the puzzle did not open\n");
        return 1;
    }
    const SIM_PuzzleRect first = puzzle->Palette().front()->rect;
    bench.Point(first.CentreX(), first.CentreY());
    bench.Frame();
    bench.game().Input().QueueMouse({MouseRecord::Button, 0, true});
    bench.Frame();
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const float angle = static_cast<float>(i) * 0.05f;
        bench.Point(538.0f + 400.0f * std::cos(angle), 350.0f + 60.0f * std::sin(angle));
        if (i % kFramesPerBurst == 0) {
            const int link = 1 + i / kFramesPerBurst % (kSongSections - 1);
            jigsaw->Particles().Start("songnotes", 90.0f + 128.0f * static_cast<float>(link), 350.0f);
        }
        times.push_back(bench.TimedFrame());
    }
    std::printf("puzzle: %d frames, a piece in the hand, %zu pieces offered, %zu effects running, median %.3f ms/frame\n",
                frames, puzzle->Palette().size(), jigsaw->Particles().Running(), Record("puzzle", times));
    bench.game().Input().QueueMouse({MouseRecord::Button, 0, false});  // the piece let go
    bench.Frame();
    return 0;
}
// The gig screen at the biggest venue with every piece of stage equipment on, timed once the
// show has run long enough for the fog to build up and the charges to go off on their schedule,
// small and large: the busiest the screen gets.
int BenchGig(BenchGame& bench, int frames) {
    constexpr int kSettleFrames = 1000;  // 20 seconds of show
    for (const char* key : {"CHEAT_SMOKEMACHINE", "CHEAT_MAXLIGHTS", "CHEAT_LASERS", "CHEAT_COMPUTERLIGHTS",
                            "CHEAT_VIDEOSCREEN", "CHEAT_STONEHENGE", "CHEAT_SKULL", "CHEAT_SMALLPYRO", "CHEAT_LARGEPYRO"})
        OverrideTuningValue(key, 1.0f);
    SIM_Performance show;
    for (const auto& venue : Venues())
        if (!show.venue || venue->stageSize > show.venue->stageSize) show.venue = venue.get();
    show.attendance = show.venue ? show.venue->capacity : 0;
    show.soldOut = true;
    show.fameFactor = 3.0f;
    for (float& component : show.components) component = 0.7f;
    GUI_Gig* gig = GUI_Gig::Open(show);
    while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
    bench.Point(512.0f, 300.0f);
    for (int i = 0; i < kSettleFrames; ++i) bench.Frame();
    std::vector<double> times;
    std::size_t effects = 0;
    for (int i = 0; i < frames; ++i) {
        times.push_back(bench.TimedFrame());
        effects += gig->Stage().PyroEffectsRunning();
    }
    std::printf("gig: %d frames at %s (stage size %.2f), every piece on, %zu spotlights, %.1f pyro effects a frame, "
                "median %.3f ms/frame\n",
                frames, show.venue ? show.venue->displayName.c_str() : "no venue",
                static_cast<double>(show.venue ? show.venue->stageSize : 0.0f), gig->Stage().Spotlights().size(),
                static_cast<double>(effects) / static_cast<double>(frames), Record("gig", times));
    ClearTuningOverrides();
    return 0;
}

// The yearly review (its cards and figures) or the end of the game (its meters' lights), opened
// over that career as the day cycle opens them.
int BenchYearScreen(BenchGame& bench, int frames, bool end) {
    if (end) GameScreens().OpenEndGame();
    else GameScreens().OpenYearlyReview();
    while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
    for (int i = 0; i < 20; ++i) bench.Frame();  // the end screen's fade in
    if (end ? GUI_EndGame::Current() == nullptr : GUI_YearlyReview::Current() == nullptr) {
        std::fprintf(stderr, "bench render: the screen did not open\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) times.push_back(bench.TimedFrame());
    std::printf("%s: %d frames over a second-year career (%zu members), median %.3f ms/frame\n", end ? "endgame" : "review",
                frames, GetBand().members.size(), Record(end ? "endgame" : "review", times));
    return 0;
}

// The other screens, each opened over that career the way its button or card opens it, at its
// fullest: the band's whole repertoire free for an album, a released album, a performed
// publicity event. Each is timed with the mouse resting on it, then put away for the next.
struct OtherScreen {
    const char* name;
    std::function<void()> open;
};

const std::vector<OtherScreen>& OtherScreens() {
    static const std::vector<OtherScreen> screens = {
        {"options", [] { GUI_DailyOptions::Show(); }},
        {"auditions", [] { OpenAuditions(); }},
        {"bookgig", [] { OpenBookGig(); }},
        {"rehearsal", [] { OpenRehearsal(); }},
        {"shop", [] { OpenShop(); }},
        {"member", [] { OpenMemberWindow(*GetBand().members.front()); }},
        {"dayoff", [] { GUI_RelaxChooser::Open(); }},
        {"publicity",
         [] {
             if (PublicityTypes().empty()) LoadPublicityTypes();
             static std::unique_ptr<SIM_PublicityEvent> event;
             event = std::make_unique<SIM_PublicityEvent>(*PublicityTypes().front());
             PerformPublicity(*event);
             GameScreens().OpenPublicity(event.get());
         }},
        {"newalbum",
         [] {
             while (!IsAlbumReady()) CreateSong(0.6f);
             OpenStudio();
         }},
        {"mixer", [] { OpenMixingDesk(&CreateAlbum()); }},
        {"album",
         [] {
             SIM_Album& album = CreateAlbum();
             album.title = "Bench Marks";
             album.mode = ALBUM_RELEASED;
             GUI_AlbumDetails::Open(album);
         }},
        {"offer",
         [] {
             NegotiateTerms(GetRecordCompany());
             OpenRecordCompanyOffer();
         }},
        {"news", [] { GameScreens().ShowNews(std::string(400, 'x')); }},
    };
    return screens;
}

bool IsOtherScreen(const std::string& name) {
    const auto& screens = OtherScreens();
    return std::any_of(screens.begin(), screens.end(), [&](const OtherScreen& screen) { return name == screen.name; });
}

int BenchOtherScreens(BenchGame& bench, int frames, const std::string& only) {
    while (MissingInstrument() >= 0 && AuditionHeadless(MissingInstrument(), true)) {
    }
    int status = 0;
    for (const OtherScreen& screen : OtherScreens()) {
        if (only != "all" && only != screen.name) continue;
        const std::size_t before = WindowList().Windows().size();
        screen.open();
        while (GUI_HintHelp* hint = OpenHintWindow()) hint->Close();
        bench.Point(512.0f, 400.0f);
        for (int i = 0; i < 40; ++i) bench.Frame();  // fades in, a tooltip shown
        if (WindowList().Windows().size() <= before) {
            std::fprintf(stderr, "bench render: the screen '%s' did not open\n", screen.name);
            status = 1;
            continue;
        }
        std::vector<double> times;
        for (int i = 0; i < frames; ++i) times.push_back(bench.TimedFrame());
        std::printf("%s: %d frames over a second-year career, median %.3f ms/frame\n", screen.name, frames,
                    Record(screen.name, times));
        PutAway(bench);
    }
    return status;
}

void PrintTimingTable();

// One game with the career loaded for every screen asked for, in turn, the desktop first.
int BenchScreens(const std::string& screen, int frames, const std::string& folder) {
    BenchGame bench;
    if (!bench.Start(folder)) return 1;
    for (int i = 0; i < 20; ++i) bench.Frame();  // the desktop after the load's fade
    const bool all = screen == "all";
    int status = 0;
    auto run = [&](const char* name, const std::function<int()>& timed) {
        if (!all && screen != name) return;
        status |= timed();
        PutAway(bench);
    };
    run("desktop", [&] { return BenchDesktop(bench, frames); });
    run("practice", [&] { return BenchPractice(bench, frames); });
    run("puzzle", [&] { return BenchPuzzle(bench, frames); });
    run("gig", [&] { return BenchGig(bench, frames); });
    run("review", [&] { return BenchYearScreen(bench, frames, false); });
    run("endgame", [&] { return BenchYearScreen(bench, frames, true); });
    if (all || IsOtherScreen(screen)) status |= BenchOtherScreens(bench, frames, screen);
    bench.game().Shutdown();
    if (all) PrintTimingTable();
    return status;
}

void PrintTimingTable() {
    std::printf("\n| screen | median ms | worst ms |\n|---|---|---|\n");
    for (const ScreenTiming& timing : Timings())
        std::printf("| %s | %.2f | %.2f |\n", timing.screen.c_str(), timing.median, timing.worst);
}
}  // namespace

int BenchRender(const std::vector<std::string>& args) {
    std::string capture, screen;
    int frames = 200;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--png" && i + 1 < args.size()) capture = args[++i];
        else if (args[i] == "--frames" && i + 1 < args.size()) frames = std::max(1, std::atoi(args[++i].c_str()));
        else if (args[i] == "--screen" && i + 1 < args.size()) screen = args[++i];
        else {
            std::fprintf(stderr, "usage: gigvale-tool bench render [--frames N] [--png FILE] "
                                 "[--screen NAME|all]\n");
            return 2;
        }
    }
    std::vector<std::string> screens = {"desktop", "practice", "puzzle", "gig", "review", "endgame"};
    for (const OtherScreen& other : OtherScreens()) screens.emplace_back(other.name);
    if (!screen.empty() && screen != "all" && std::find(screens.begin(), screens.end(), screen) == screens.end()) {
        std::string names;
        for (const std::string& name : screens) names += (names.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "bench render: no screen '%s' (there are: %s, and all)\n", screen.c_str(), names.c_str());
        return 2;
    }
    UseRunFolderHeadless();
    if (!PlatformStartup()) return 1;
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, kScreenWidth, kScreenHeight, 0);
    GRenderer& renderer = Renderer();
    renderer.SetSoftwareOnly(true);
    if (!window || !renderer.Initialise(window, kScreenWidth, kScreenHeight, 32, true)) {
        std::fprintf(stderr, "bench render: no renderer: %s\n", SDL_GetError());
        return 1;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "gigvale-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr, "bench render: no temporary folder\n");
        return 1;
    }
    const std::filesystem::path pictures = pattern;
    MakePictures(pictures.string());
    renderer.ClearTextureFolders();
    renderer.AddTextureFolder("data/bitmaps");
    renderer.AddTextureFolder(pictures.string());
    LoadGameFonts();

    std::vector<CTexturedSprite> sprites;
    for (int i = 0; i < 200; ++i) {
        sprites.emplace_back("bench_sprite" + std::to_string(i % 20) + ".png");
        sprites.back().SetRect(static_cast<float>((i * 97) % 960), static_cast<float>((i * 61) % 704), 64.0f, 64.0f);
    }
    const char* fonts[4] = {"verdana14.dds", "verdanabold16.dds", "LCD18.dds", "verdana12.dds"};
    // 50 glyphs a line, no spaces, so every character is a drawn glyph.
    std::string line;
    for (const char* words = "Gigvale-tonight:TheCellarBar,doorsAt8!"; line.size() < 50;)
        line += words[line.size() % 38];
    LibFontManager& text = FontManager();

    std::vector<double> times;
    std::uint64_t switches = 0;
    int glyphs = 0;
    for (int frame = 0; frame < frames + 20; ++frame) {
        const std::uint64_t before = renderer.TextureSwitches();
        const std::uint64_t start = SDL_GetPerformanceCounter();
        renderer.BeginFrame();
        renderer.DrawTexture("bench_background.png", 0.0f, 0.0f, 1024.0f, 768.0f);
        for (CTexturedSprite& sprite : sprites) sprite.Draw();
        int drawn = 0;
        for (int f = 0; f < 4; ++f) {
            text.SelectFont(fonts[f]);
            for (int row = 0; row < 12 && drawn < (f + 1) * 500; ++row) {
                const int room = (f + 1) * 500 - drawn;
                const std::string part = line.substr(0, static_cast<std::size_t>(std::min<int>(room, 50)));
                text.Draw(part, 20.0f + static_cast<float>(f % 2) * 500.0f, 20.0f + static_cast<float>(f / 2 * 12 + row) * 30.0f,
                          0xFFFFFFFF, 16.0f);
                drawn += static_cast<int>(part.size());
            }
        }
        glyphs = drawn;
        if (frame == 0 && !capture.empty()) renderer.SaveFramePNG(capture);
        SDL_RenderFlush(renderer.Device());
        renderer.EndFrame();
        const std::uint64_t end = SDL_GetPerformanceCounter();
        if (frame < 20) continue;  // warm-up
        times.push_back(static_cast<double>(end - start) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency()));
        switches += renderer.TextureSwitches() - before;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("bench render: %d frames, 1 background, %zu sprites from 20 textures, %d glyphs in 4 fonts\n",
                frames, sprites.size(), glyphs);
    std::printf("median %.3f ms/frame (min %.3f, max %.3f), %.1f texture switches/frame\n", median, times.front(),
                times.back(), static_cast<double>(switches) / static_cast<double>(frames));
    sprites.clear();
    text.ClearFonts();
    renderer.Release();
    SDL_DestroyWindow(window);
    PlatformShutdown();
    const int status = screen.empty() ? 0 : BenchScreens(screen, frames, pictures.string());
    std::error_code ec;
    std::filesystem::remove_all(pictures, ec);
    return status;
}
