// The career player: the sensible headless player's choices (tools/Headless*.cpp) carried out as
// a player carries them out, on the real game's screens. It reads what a player reads (the
// frame's texts and buttons, the models the screens draw) and acts only by clicks, keys, drags
// and typing, so whatever a career meets on the screens (a stuck screen, a text out of its
// window, a failed assertion) stops it with the screen and the day.
#include "ScreenCareer.h"

#include "BenchRender.h"
#include "CareerRuns.h"
#include "HeadlessAlbums.h"
#include "HeadlessPlayer.h"
#include "HeadlessPractice.h"
#include "HeadlessPublicity.h"
#include "HeadlessWorld.h"
#include "ScreenDriver.h"

#include "FrameRecord.h"
#include "GHashTable.h"
#include "Game.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_Asset.h"
#include "SIM_Auditions.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_CareerStage.h"
#include "SIM_DailyOptions.h"
#include "SIM_Date.h"
#include "SIM_Endorsements.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_Person.h"
#include "SIM_Practice.h"
#include "SIM_RecordCompany.h"
#include "SIM_Rehearsal.h"
#include "SIM_Relaxation.h"
#include "SIM_SIM.h"
#include "SIM_ShopScreens.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"
#include "SIM_Venue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace {
using Point = ScreenDriver::Point;

// Frames without a new day after which a screen counts as stuck: a practice run and a song
// written piece by piece take well under this.
constexpr int kStuckFrames = 15000;
// Frames a screen takes to fade in or out before it answers clicks.
constexpr int kFadeFrames = 20;
// Pages a card may be looked for on before the player gives up on it.
constexpr int kMostPages = 12;

// Windows that are parts of a screen (cards, strips, panels), not screens of their own.
const std::set<std::string>& PartWindows() {
    static const std::set<std::string> parts = {
        "tooltip",       "pane",        "control panel", "calendar",     "remarks",         "band state",
        "band tab",      "gig card",    "auditionee",    "rehearsal room", "rehearsal comment", "relax option",
        "relax details", "shop card",   "songs tab",   "mixer strip",   "jigsaw section", "studio selector",  "member",
        "player",        "dialog",      "cash",          "fame",         "date",            ""};
    return parts;
}

// A window's name without what tells its instances apart ("hint audition_button" is a "hint").
std::string ScreenName(const std::string& window) {
    for (const char* family : {"hint ", "news ", "message ", "resignation ", "member ", "auditionee ",
                               "jigsaw section ", "confirmation "})
        if (window.rfind(family, 0) == 0) return std::string(family, std::string(family).size() - 1);
    return window;
}

// A name drawn whole, shortened with "...", or wrapped (its first line drawn alone) stands for
// the whole name.
bool Shows(const std::string& drawn, const std::string& whole) {
    if (drawn == whole) return true;
    constexpr std::size_t dots = 3;
    if (drawn.size() > dots && drawn.compare(drawn.size() - dots, dots, "...") == 0)
        return whole.rfind(drawn.substr(0, drawn.size() - dots), 0) == 0;
    return !drawn.empty() && whole.size() > drawn.size() && whole.rfind(drawn, 0) == 0 && whole[drawn.size()] == ' ';
}

// The process's resident memory, from the kernel's own account.
double ResidentMegabytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0.0;
    char line[256];
    double kb = 0.0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %lf kB", &kb) == 1) break;
    std::fclose(status);
    return kb / 1024.0;
}

// A save keeps fame and cash to three decimals (and a float holds cash in the thousands to
// about as much): a loaded career's may differ from the saved one by that little.
bool SameFigure(float saved, float loaded) {
    return std::abs(saved - loaded) <= 0.0006f + std::abs(saved) * 2.0e-7f;
}

// The state line without the figures a save rounds, which are compared as SameFigure says.
std::string WithoutRounded(std::string state) {
    for (const char* figure : {" fame ", " cash "})
        if (const std::size_t at = state.find(figure); at != std::string::npos)
            state.erase(at, state.find(' ', at + std::strlen(figure)) - at);
    return state;
}

Point Centre(const GRect& r) { return {(r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f}; }

const GFrame& Drawn() { return FrameRecorder().LastFrame(); }

// Words no finished message box says: the texts of screens still to be made.
bool LooksLikePlaceholder(const std::string& text) {
    for (const char* marker : {"placeholder", "Placeholder", "not in this build", "not yet available", "coming soon",
                               "Coming soon", "TODO", "to be done"})
        if (text.find(marker) != std::string::npos) return true;
    // A key the strings file lacks is drawn as itself: capitals and underscores.
    return text.size() > 3 && text.find('_') != std::string::npos &&
           text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") == std::string::npos;
}

class CareerPlayer {
public:
    CareerPlayer(Game& game, std::string shotsDir, int days)
        : game_(game), hand_(game, std::move(shotsDir)), days_(days) {
        hand_.onFrame = [this] { Watch(); };
    }

    // Starts the game on the player's frame clock; failed assertions stop the career at the
    // frame they happen in.
    bool Start(ThrowingErrorHandler& errors) {
        errors_ = &errors;
        return hand_.StartGame(errors);
    }
    // Prints each screen as the player comes to it, with the day.
    void Trace(bool on) { trace_ = on; }
    int FramesRun() const { return hand_.FramesRun(); }
    const std::vector<std::string>& Visited() const { return visited_; }
    std::string Where() const {
        return FormatText("on the screen \"%s\" on day %d (%s)", screen_.c_str(), game_.inGame ? GetSIM().turncount : 0,
                          game_.inGame ? DateText().c_str() : "no career yet");
    }

    // The main menu, a new career with names typed in, then day after day until the years are up.
    void Play() {
        hand_.Frames(kFadeFrames);
        Click("New Career");
        hand_.Frames(kFadeFrames);
        DismissAdvice();
        TypeInto("Random @1", "Robin Quarry");
        TypeInto("Random @2", "The Night Shift");
        Click("Let's Rock");
        hand_.Frames(kFadeFrames);
        if (!game_.inGame) throw ScreenFailure{"the new career did not start"};
        firstTurn_ = GetSIM().turncount;
        while (GetSIM().turncount - firstTurn_ < days_ && !game_.QuitPosted()) Step();
        if (game_.QuitPosted()) throw ScreenFailure{"the game quit in the middle of the career"};
    }

private:
    // ---- Watching every frame: screens visited, the day's progress, the yearly lines.
    void Watch() {
        if (errors_ && errors_->assertions > 0) throw ScreenFailure{"assertion failed: " + errors_->lastAssert};
        const GFrame& frame = Drawn();
        std::set<std::string> now;
        for (const GFrameWindow& window : frame.windows) now.insert(ScreenName(window.name));
        if (!game_.inGame) now.insert(game_.CurrentModeNumber() == 2 ? "new game" : "main menu");
        for (const std::string& name : now) {
            if (PartWindows().count(name)) continue;
            if (seen_.insert(name).second) visited_.push_back(name);
            // A screen's shot once it has faded in.
            if (int& frames = shownFor_[name]; frames >= 0 && ++frames == kFadeFrames) {
                frames = -1;
                std::string file = name;
                for (char& c : file)
                    if (c == ' ') c = '-';
                hand_.Shot(file);
            }
        }
        for (auto& [name, frames] : shownFor_)
            if (frames > 0 && !now.count(name)) frames = 0;
        for (const std::string& name : now)
            if (!shown_.count(name)) Arrived(name);
        shown_ = now;
        for (std::size_t i = 0; i < frame.windows.size(); ++i)
            if (ScreenName(frame.windows[i].name) == "message")
                for (const GFrameText& text : frame.texts)
                    if (text.window == static_cast<int>(i) && LooksLikePlaceholder(text.text))
                        throw ScreenFailure{"a message box that looks like a placeholder: \"" + text.text + "\""};
        if (!game_.inGame) return;
        if (GetSIM().turncount != lastTurn_) {
            lastTurn_ = GetSIM().turncount;
            stillFrames_ = 0;
        } else if (++stillFrames_ > kStuckFrames) {
            throw ScreenFailure{FormatText("stuck: no new day in %d frames", kStuckFrames)};
        }
    }

    // The lines simulate prints for the same events.
    void Arrived(const std::string& name) {
        if (!game_.inGame) return;
        if (name == "yearly review")
            std::printf("yearly review %d: %s %s %s rss %.0f MB\n", ++reviews_, DateText().c_str(), StateText().c_str(),
                        BandText().c_str(), ResidentMegabytes());
        else if (name == "end of the game")
            std::printf("game end: %s %s\n", DateText().c_str(), StateText().c_str());
        else if (name == "stage announcement")
            std::printf("stage %d: %s\n", GetCareerStage().GetStage(), DateText().c_str());
        std::fflush(stdout);
    }

    // ---- Finding things on the screen.
    static bool Showing(const std::string& screen) {
        for (const GFrameWindow& window : Drawn().windows)
            if (ScreenName(window.name) == screen) return true;
        return false;
    }

    // The top-most screen that takes the player's attention; "desktop" when none does.
    static std::string TopScreen() {
        const auto& windows = Drawn().windows;
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            const std::string name = ScreenName(it->name);
            if (Handlers().count(name)) return name;
            if (!PartWindows().count(name)) return "unknown window \"" + it->name + "\"";
        }
        return "desktop";
    }

    // The enabled control labelled so nearest the text that names its card: in the card's own
    // window when the card is one, else the nearest below or beside it.
    static std::optional<Point> ControlFor(const std::string& whole, const std::string& label) {
        const GFrame& frame = Drawn();
        const GFrameText* anchor = NameDrawn(whole);
        if (!anchor) return std::nullopt;
        const GFrameControl* best = nullptr;
        float bestDistance = 0.0f;
        for (const GFrameControl& control : frame.controls) {
            if (!control.enabled || control.label != label) continue;
            const float dy = (control.rect.top + control.rect.bottom) / 2.0f - (anchor->rect.top + anchor->rect.bottom) / 2.0f;
            float distance = dy < 0.0f ? -dy * 4.0f : dy;  // a card's button lies beside or below its name
            if (control.window != anchor->window) distance += 10000.0f;
            if (!best || distance < bestDistance) best = &control, bestDistance = distance;
        }
        if (!best || bestDistance >= 10000.0f + 200.0f) return std::nullopt;
        return Centre(best->rect);
    }

    // The top-most text that is the name whole, else one that stands for it (shortened or the
    // first line of it wrapped): "Lighting", a wrapped name's second line, is no "Lighting Rig".
    static const GFrameText* NameDrawn(const std::string& whole) {
        const auto& texts = Drawn().texts;
        for (bool exact : {true, false})
            for (auto it = texts.rbegin(); it != texts.rend(); ++it)
                if (exact ? it->text == whole : Shows(it->text, whole)) return &*it;
        return nullptr;
    }

    static std::optional<Point> TextAt(const std::string& whole) {
        if (const GFrameText* text = NameDrawn(whole)) return Centre(text->rect);
        return std::nullopt;
    }

    // ---- Acting.
    void Click(const std::string& label, int settle = 2) {
        hand_.ClickText(label);
        hand_.Frames(settle);
    }

    // Only a button that takes clicks: a greyed one's label drawn as text is no way on.
    static std::optional<Point> Button(const std::string& label) {
        const auto& controls = Drawn().controls;
        for (auto it = controls.rbegin(); it != controls.rend(); ++it)
            if (it->enabled && it->label == label) return Centre(it->rect);
        return std::nullopt;
    }

    bool ClickIfThere(const std::string& label, int settle = 2) {
        const auto at = Button(label);
        if (!at) return false;
        ClickAt(*at, settle);
        return true;
    }

    void ClickAt(Point at, int settle = 2) {
        hand_.Click(at);
        hand_.Frames(settle);
    }

    // A text field, found left of its "Random" button, cleared and typed into.
    void TypeInto(const std::string& randomButton, const std::string& text) {
        const auto button = ScreenDriver::FindControl(randomButton);
        if (!button) throw ScreenFailure{"no name field beside \"" + randomButton + "\""};
        ClickAt({button->first - 300.0f, button->second});
        for (int i = 0; i < 40; ++i) hand_.Key("Backspace");
        hand_.Type(text);
        hand_.Frames(2);
    }

    void DismissAdvice() {
        for (int i = 0; i < 20 && (TopScreen() == "hint" || TopScreen() == "message"); ++i) Click("OK");
    }

    // Looks for a card through the pages of a screen; true when its name is drawn.
    bool FindOnPages(const std::string& whole, const std::string& nextPage, const std::string& firstPage) {
        while (ClickIfThere(firstPage)) {
        }
        return ScrollTo(whole, nextPage);
    }

    void ClickCard(const std::string& whole, const std::string& label, int settle = 2) {
        const auto at = ControlFor(whole, label);
        if (!at) throw ScreenFailure{"no \"" + label + "\" button by \"" + whole + "\""};
        ClickAt(*at, settle);
    }

    // ---- One step: whatever the top-most screen asks for.
    void Step() {
        const std::string before = screen_;
        screen_ = TopScreen();
        if (trace_ && screen_ != before)
            std::printf("  day %d weekday %d: %s\n", GetSIM().turncount, GetSIMDate().GetDate().weekday, screen_.c_str());
        if (GetSIM().turncount != dayOfTries_) {
            dayOfTries_ = GetSIM().turncount;
            tried_.clear();
        }
        if (auto it = Handlers().find(screen_); it != Handlers().end()) return (this->*(it->second))();
        throw ScreenFailure{"the career player does not know this screen"};
    }

    // Screens with one way on: the first of these buttons that is there.
    static const std::map<std::string, std::vector<std::string>>& GoOn() {
        static const std::map<std::string, std::vector<std::string>> goOn = {
            {"hint", {"OK"}},
            {"message", {"OK"}},
            {"resignation", {"OK"}},
            {"stage announcement", {"Onwards"}},
            {"news", {"Continue", "Head home"}},
            {"gig", {"Back to work", "Head home"}},
            {"publicity", {"Continue"}},
            {"relax results", {"Back to work"}},
            {"rehearsal summary", {"Finish"}},
            {"album details", {"Close", "OK"}},
            {"asset window", {"Close"}},
        };
        return goOn;
    }

    // Screens where the player chooses, and the desktop with its control panel.
    using Handler = void (CareerPlayer::*)();
    static const std::map<std::string, Handler>& Handlers() {
        static const std::map<std::string, Handler> handlers = [] {
            std::map<std::string, Handler> table = {
                {"daily options", &CareerPlayer::DailyOptions}, {"endorsement", &CareerPlayer::Endorsement},
                {"record company offer", &CareerPlayer::RecordOffer}, {"auditions", &CareerPlayer::Auditions},
                {"audition picker", &CareerPlayer::Hire},       {"book gig", &CareerPlayer::BookGig},
                {"rehearsal", &CareerPlayer::RehearsalRoom},    {"practice", &CareerPlayer::Practice},
                {"songwriting", &CareerPlayer::Songwriting},    {"song details", &CareerPlayer::RetireSong},
                {"shop", &CareerPlayer::Shop},                  {"listen window", &CareerPlayer::Listen},
                {"new album", &CareerPlayer::NewAlbum},         {"mixing desk", &CareerPlayer::Mix},
                {"relax chooser", &CareerPlayer::DayOff},       {"desktop", &CareerPlayer::Desktop},
                {"yearly review", &CareerPlayer::YearlyReview}, {"end of the game", &CareerPlayer::EndOfGame}};
            for (const auto& [screen, buttons] : GoOn()) table.emplace(screen, &CareerPlayer::GoOnStep);
            return table;
        }();
        return handlers;
    }

    void GoOnStep() {
        for (const std::string& label : GoOn().at(screen_))
            if (ClickIfThere(label, kFadeFrames)) return;
        // A screen with a single button of its own (news and rival gigs name theirs each time).
        const GFrame& frame = Drawn();
        for (int w = static_cast<int>(frame.windows.size()) - 1; w >= 0; --w) {
            if (ScreenName(frame.windows[static_cast<std::size_t>(w)].name) != screen_) continue;
            std::vector<const GFrameControl*> own;
            for (const GFrameControl& control : frame.controls)
                if (control.window == w && control.enabled && !control.label.empty()) own.push_back(&control);
            if (own.size() == 1) return ClickAt(Centre(own.front()->rect), kFadeFrames);
            break;
        }
        throw ScreenFailure{"no way on: none of its buttons is there"};
    }

    // The review shows the career so far as a chart; the career is then saved and loaded
    // through the menus at the next quiet moment on the desktop, and must come back whole.
    void YearlyReview() {
        ExpectChart();
        saveDue_ = true;
        Click("Onwards", kFadeFrames);
    }

    void EndOfGame() {
        ExpectChart();
        Click("Play on", kFadeFrames);
    }

    void ExpectChart() const {
        if (!ScreenDriver::Drawn(Translate("CHART_FAME")) || GetCareerHistory().weeks.empty())
            throw ScreenFailure{"the " + screen_ + " shows no chart of the career"};
    }

    void SaveAndLoad() {
        saveDue_ = false;
        const std::size_t weeks = GetCareerHistory().weeks.size();
        const int day = GetSIM().turncount;
        const std::string state = StateText();
        const float fame = GetFame().fame, cash = GetFinances().cash;
        hand_.Key("Escape");
        hand_.Frames(2);
        Click("OK", kFadeFrames);
        Click("Save Game", kFadeFrames);
        for (int i = 0; i < 31; ++i) hand_.Key("Backspace");
        hand_.Type(kSaveName);
        Click("Save", 2);
        ClickIfThere("Overwrite", 2);
        hand_.Frames(kFadeFrames);
        Click("Load Game", kFadeFrames);
        Click(kSaveName, kFadeFrames);
        if (!game_.inGame) throw ScreenFailure{"the yearly save did not load"};
        // The loaded world is a new one: nothing the player held on to from the old one stays.
        wanted_ = nullptr;
        listen_ = nullptr;
        const bool same = GetCareerHistory().weeks.size() == weeks && GetSIM().turncount == day &&
                          WithoutRounded(StateText()) == WithoutRounded(state) && SameFigure(fame, GetFame().fame) &&
                          SameFigure(cash, GetFinances().cash);
        if (!same)
            throw ScreenFailure{FormatText("the yearly save came back changed: %zu weeks of history for %zu, day %d for %d\n"
                                           "  saved:  %s\n  loaded: %s",
                                           GetCareerHistory().weeks.size(), weeks, GetSIM().turncount, day,
                                           state.c_str(), StateText().c_str())};
        std::printf("saved and loaded: %s, %zu weeks of history\n", DateText().c_str(), weeks);
    }

    void RecordOffer() { Click(HeadlessSignsRecordOffer() ? "Sign" : "Walk away", kFadeFrames); }

    // ---- The day's options: the world first (a sponsor, rival gigs, a charity gig), then an
    // option the sensible player wants, else on with the day.
    void DailyOptions() {
        if (SIM_Asset* manager = HeadlessManagerForSponsors(); manager && !tried_.count("manager")) {
            tried_.insert("manager");
            wanted_ = manager;
            Click("Get on with the day", kFadeFrames);
            return;
        }
        const SIM_DailyOption* take = nullptr;
        for (const auto& option : GetDailyOptions().Options())
            if (HeadlessWatchesRivalGig(*option) && !tried_.count("rival " + option->title)) {
                tried_.insert("rival " + option->title);
                take = option.get();
                ++HeadlessTally().rivalGigsWatched;
                break;
            }
        if (!take) take = PlayableCharityGig();
        if (take && take->kind == OPTION_CHARITY_GIG) ++HeadlessTally().charityGigs;
        if (!take)
            for (const auto& option : GetDailyOptions().Options())
                if (WantsHeadlessOption(*option)) {
                    take = option.get();
                    break;
                }
        if (!take) {
            Click("Get on with the day", kFadeFrames);
            return;
        }
        if (take->kind == OPTION_PUBLICITY) ++HeadlessTally().publicity;
        ScrollTo(take->title, Translate("DAILYOPTIONS_DOWN_TOOLTIP"));
        ClickCard(take->title, "Take it", kFadeFrames * 2);
    }

    // Pages on (or down a list that shows a few rows at a time: five of the day's cards, a
    // dozen songs) until the name is drawn; true when it is.
    bool ScrollTo(const std::string& whole, const std::string& next) {
        for (int i = 0; i < kMostPages && !TextAt(whole); ++i)
            if (!ClickIfThere(next)) break;
        return TextAt(whole).has_value();
    }

    void Endorsement() {
        if (ClickIfThere("Done", kFadeFrames)) return;
        SIM_Endorsement* offer = PendingEndorsementOffer();
        const bool take = offer && HeadlessTakesEndorsement(*offer);
        if (!take) ++HeadlessTally().endorsementsRejected;
        Click(take ? "Take the money" : "Turn it down");
    }

    // ---- The control panel: the sensible player's act of the day, in its order.
    void Desktop() {
        if (saveDue_) return SaveAndLoad();
        const int missing = MissingInstrument();
        auto once = [this](const std::string& act) { return tried_.insert(act).second; };
        if (wanted_ && once("buy")) return Open("Go shopping for instruments, gear and staff");
        if (missing >= 0 && once(FormatText("auditions %zu", GetBand().members.size()))) {
            instrument_ = missing;
            return Open("Hold auditions for a new band member");
        }
        if (GetBand().members.empty()) return Open("Practise");
        SIM_Song* retire = nullptr;
        if (missing < 0 && HeadlessSongDue(&retire) && once("song")) {
            if (retire) {
                Click("Songs");
                ScrollTo(retire->name, Translate("SONGLIST_DOWN_TOOLTIP"));
                if (auto at = TextAt(retire->name)) ClickAt(*at, kFadeFrames);
                return;
            }
            return Open("Write a new song");
        }
        if (SIM_Asset* key = ChooseHeadlessGigKey(); key && once("gig key")) {
            wanted_ = key;
            return Open("Go shopping for instruments, gear and staff");
        }
        if (IsAlbumReady() && (GetRecordCompany().hasDeal || HeadlessStudioChoice() >= 0) && once("studio"))
            return Open("Go into the studio and record an album");
        if (HeadlessWantsGig() && once("gig")) return Open("Book a gig");
        if (ChooseHeadlessRehearsal(missing) && once("rehearsal")) return Open("Rent a room and rehearse the set");
        if (listen_ && once("listen")) {
            const std::string album = listen_->displayName;
            listen_ = nullptr;
            if (auto at = TextAt(album)) return ClickAt(*at, 4);
        }
        if (GetSIMDate().GetDate().weekday == 0 && once("shopping")) {
            shoppingDay_ = true;
            return Open("Go shopping for instruments, gear and staff");
        }
        // Any other day (and the practice day) the band practises: a whole practice run.
        Open("Practise");
    }

    void Open(const std::string& button) { Click(button, kFadeFrames); }

    // ---- Auditions: the missing instrument, the ablest candidate.
    void Auditions() {
        if (instrument_ < 0) return hand_.Key("Escape");
        int index = 0;
        for (const GFrameControl& control : Drawn().controls)
            if (control.label.rfind("Audition ", 0) == 0 && index++ == instrument_) {
                ClickAt(Centre(control.rect), 4);
                instrument_ = -1;
                return;
            }
        throw ScreenFailure{FormatText("no audition button for instrument %d", instrument_)};
    }

    void Hire() {
        const int pick = AblestCandidate(GetAuditionPicker());
        if (pick < 0) return hand_.Key("Escape");
        for (const GFrameControl& control : Drawn().controls)
            if (control.enabled && control.label == "Hire" && control.window >= 0 &&
                Drawn().windows[static_cast<std::size_t>(control.window)].name == FormatText("auditionee %d", pick)) {
                ClickAt(Centre(control.rect), 10);
                return;
            }
        throw ScreenFailure{FormatText("no Hire button on candidate %d's card", pick + 1)};
    }

    // ---- Booking a gig: the sensible player's venue among the cards, else nothing today.
    void BookGig() {
        SIM_Gig* gig = ChooseHeadlessGig();
        if (gig && FindOnPages(gig->venue->displayName, "Show more venues", "Show the venues before these")) {
            ++HeadlessTally().gigsBooked;
            ClickCard(gig->venue->displayName, "Book", kFadeFrames);
            return;
        }
        Click("Done", kFadeFrames);
    }

    void RehearsalRoom() {
        const SIM_RehearsalVenue* room = ChooseHeadlessRehearsal(MissingInstrument());
        if (room && FindOnPages(room->displayName, "Show the next page", "Show the previous page")) {
            ClickCard(room->displayName, "Rehearse here", 10);
            return;
        }
        Click("Cancel", kFadeFrames);
    }

    // ---- Practice: Start, each note of the tune played back by its digit key, Continue.
    void Practice() {
        if (ClickIfThere("Continue", kFadeFrames)) return;
        SIM_PracticeRun* run = CurrentPracticeRun();
        if (run && run->state() == SIM_PracticeRun::kPlayerTurn) {
            const int note = HeadlessPlayedNote(run->melody().Next());
            hand_.Key(std::to_string(note));
            return;
        }
        if (ClickIfThere("Start")) return;
        hand_.Frame();
    }

    // ---- Songwriting: each section tried with every free element by dragging its piece there,
    // the best kept (the quality is on the screen), then Finish.
    void Songwriting() {
        SIM_SongPuzzle* puzzle = OpenedPuzzle();
        if (!puzzle) return hand_.Frame();
        ImproveSongGreedily(*puzzle, [this](const SIM_SongElement& element, int section) {
            return DragPiece(element, SectionCentre(section), section);
        });
        Click("Finish", kFadeFrames);
    }

    static Point SectionCentre(int section) {
        const std::string name = FormatText("jigsaw section %d", section);
        for (const GFrameWindow& window : Drawn().windows)
            if (window.name == name) return Centre(window.rect);
        throw ScreenFailure{"no " + name + " on the puzzle"};
    }

    // The element's piece dragged into the section, scrolling the palette to it; true when the
    // section holds it afterwards.
    bool DragPiece(const SIM_SongElement& element, Point target, int section) {
        while (ClickIfThere("Show earlier song elements.")) {
        }
        for (int scroll = 0; scroll < kMostPages * 4; ++scroll) {
            if (auto at = ScreenDriver::FindControl(element.label)) {
                hand_.Drag(*at, target);
                hand_.Frames(2);
                DismissAdvice();
                return OpenedPuzzle()->GetSong().elements[static_cast<std::size_t>(section)] == &element;
            }
            if (!ClickIfThere("Show more song elements.")) break;
        }
        return false;
    }

    // The song details opened to retire the weakest song make room for a new one.
    void RetireSong() {
        DismissAdvice();
        // Retiring closes the details: an Escape after it would ask to leave the career.
        if (ClickIfThere("Retire", kFadeFrames)) {
            DismissAdvice();
            ClickIfThere("Band");
            Open("Write a new song");
            return;
        }
        hand_.Key("Escape");
        hand_.Frames(2);
    }

    // ---- The shop: the wanted thing on its tab, bought, and the shop closed.
    // On a shopping day the members have told the shop what they want when it opened.
    void Shop() {
        SIM_Asset* asset = wanted_;
        wanted_ = nullptr;
        if (!asset && shoppingDay_) {
            const HeadlessPurchase purchase = ChooseHeadlessPurchase();
            asset = purchase.buy;
            listen_ = purchase.listen;
        }
        shoppingDay_ = false;
        if (asset) {
            for (const SIM_ShopModel::Tab& tab : SIM_ShopModel::Tabs())
                if (tab.key == asset->shopTab) ClickIfThere(Translate(tab.label));
            if (FindOnPages(asset->displayName, "Show the next page", "Show the previous page"))
                ClickCard(asset->displayName, SIM_ShopModel::BuyLabel(asset->shopTab), 4);
            else
                throw ScreenFailure{"\"" + asset->displayName + "\" is not on the shop's shelves"};
            DismissAdvice();
        }
        Click("Done", kFadeFrames);
    }

    // An album the band owns, heard once through its window on the desk.
    void Listen() {
        DismissAdvice();
        ClickIfThere("Listen", 4);
        DismissAdvice();
        Click("Close", 4);
    }

    // ---- The studio: the best songs onto the track listing, the studio, the faders in the middle.
    void NewAlbum() {
        SIM_NewAlbumModel* model = NewAlbumScreen();
        if (!model) return hand_.Frame();
        for (SIM_Song* song : HeadlessAlbumTracks(model->Available()))
            if (auto at = TextAt(song->name); at && static_cast<int>(model->Tracks().size()) < kAlbumTracks) ClickAt(*at);
        for (SIM_Song* song : model->VisibleAvailable())
            if (static_cast<int>(model->Tracks().size()) < kAlbumTracks)
                if (auto at = TextAt(song->name)) ClickAt(*at);
        if (model->ShowsStudioSelector()) {
            const int studio = HeadlessStudioChoice();
            if (studio < 0) return Click("Cancel", kFadeFrames);
            if (auto at = TextAt(Studios()[static_cast<std::size_t>(studio)]->name)) ClickAt(*at);
        }
        Click("Into the studio", kFadeFrames);
    }

    void Mix() {
        for (const GFrameControl& control : std::vector<GFrameControl>(Drawn().controls)) {
            if (control.label.size() < 8 || control.label.compare(control.label.size() - 8, 8, "'s level") != 0) continue;
            // The knob's two ends, then the middle of its travel.
            const Point knob = Centre(control.rect);
            hand_.Drag(knob, {knob.first, 0.0f});
            const auto top = ScreenDriver::FindControl(control.label);
            hand_.Drag(*top, {knob.first, static_cast<float>(kScreenHeight - 1)});
            const auto bottom = ScreenDriver::FindControl(control.label);
            hand_.Drag(*bottom, {knob.first, (top->second + bottom->second) / 2.0f});
        }
        DismissAdvice();
        Click("Release it", kFadeFrames * 2);
    }

    // ---- A day off: the sensible player's place, else not today.
    void DayOff() {
        const SIM_RelaxChooser chooser;
        const std::size_t card = PickRelaxCard(chooser);
        if (card < chooser.cards.size()) {
            const auto& pick = chooser.cards[card];
            if (FindOnPages(pick.title, "Show more places to go", "Show the places before these")) {
                ++HeadlessTally().relaxations;
                ClickCard(pick.title, pick.useLabel, kFadeFrames);
                return;
            }
        }
        Click("Not today", kFadeFrames);
    }

    Game& game_;
    const ThrowingErrorHandler* errors_ = nullptr;  // not owned
    ScreenDriver hand_;
    int days_;
    int firstTurn_ = 0;
    std::string screen_ = "main menu";
    std::vector<std::string> visited_;
    std::set<std::string> seen_, shown_;
    std::map<std::string, int> shownFor_;  // frames each screen has been up, -1 once shot
    int lastTurn_ = -1, stillFrames_ = 0, reviews_ = 0;
    bool trace_ = false;
    // What the player set out to do today and has tried.
    int dayOfTries_ = -1;
    std::set<std::string> tried_;
    int instrument_ = -1;
    SIM_Asset* wanted_ = nullptr;
    SIM_AssetMusic* listen_ = nullptr;
    bool shoppingDay_ = false;
    bool saveDue_ = false;
    static constexpr const char* kSaveName = "Yearly review";
};

bool ParseWhole(const std::string& text, long long& out) {
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && end && *end == '\0';
}
}  // namespace

int PlayCareerThroughScreens(const std::vector<std::string>& args) {
    long long seed = 1, years = 1;
    std::string shots;
    bool trace = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--seed" && hasValue && ParseWhole(args[i + 1], seed) && seed >= 0 && seed <= 0xffffffffLL) ++i;
        else if (args[i] == "--years" && hasValue && ParseWhole(args[i + 1], years) && years >= 1 && years <= 100) ++i;
        else if (args[i] == "--shots" && hasValue) shots = std::filesystem::absolute(args[++i]).string();
        else if (args[i] == "--trace") trace = true;
        else {
            std::fprintf(stderr, "usage: gigvale-tool play-career --seed N --years Y [--shots DIR] [--trace]\n");
            return 2;
        }
    }
    UseRunFolderHeadless();
    FrameRecorder().Enable(true);
    // Only shots need pixels; the checks read what each frame holds.
    Renderer().SetDrawPixels(!shots.empty());
    Game& game = GetGame();
    CareerPlayer player(game, shots, static_cast<int>(years) * kDaysPerGameYear);
    game.seedOverride = static_cast<std::uint32_t>(seed);
    ThrowingErrorHandler errors;
    if (!player.Start(errors)) {
        std::fprintf(stderr, "gigvale-tool play-career: the game did not start\n");
        return 1;
    }
    player.Trace(trace);
    ResetAssertionCount();
    HeadlessTally() = HeadlessCounts{};

    std::string failure;
    try {
        player.Play();
        if (errors.assertions > 0) throw ScreenFailure{"assertion failed: " + errors.lastAssert};
    } catch (const ScreenFailure& fault) {
        failure = fault.what + (errors.assertions > 0 && fault.what.rfind("assertion", 0) != 0
                                    ? " (after an assertion failed: " + errors.lastAssert + ")"
                                    : "");
    } catch (const FatalErrorException& fatal) {
        failure = std::string("fatal error: ") + fatal.what();
    }
    const std::string where = player.Where();
    const bool inGame = game.inGame;
    if (inGame)
        std::printf("end: %s %s asserts %d\n", DateText().c_str(), StateText().c_str(), errors.assertions);
    std::string screens;
    for (const std::string& name : player.Visited()) screens += (screens.empty() ? "" : ", ") + name;
    std::printf("screens visited (%zu): %s\n", player.Visited().size(), screens.c_str());
    std::printf("frames drawn %d, failed expectations %d, failed assertions %d\n", player.FramesRun(),
                failure.empty() ? 0 : 1, errors.assertions);
    if (!game.QuitPosted()) game.Shutdown();
    SetErrorHandler(nullptr);
    if (!failure.empty()) {
        std::fprintf(stderr, "gigvale-tool play-career: %s %s\n  texts drawn in that frame:\n%s", failure.c_str(),
                     where.c_str(), ScreenDriver::TextsDrawn().c_str());
        return 1;
    }
    return 0;
}
