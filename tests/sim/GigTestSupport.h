#pragma once
// A band ready to play: the people of PeopleTest with the gig traits, a small asset catalogue
// (stage gear, merchandise, two guitars, a roadie), a few venues and a repertoire, with the
// performance registered. Every tuning value not set by a test is 0.
#include "LibRandom.h"
#include "PeopleTestSupport.h"
#include "SIM_Asset.h"
#include "SIM_Commenter.h"
#include "SIM_Finances.h"
#include "SIM_NamedValue.h"
#include "SIM_Performance.h"
#include "SIM_Song.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <memory>
#include <vector>

class GigTest : public PeopleTest {
protected:
    void SetUp() override {
        PeopleTest::SetUp();
        SetStringsFile(dir.Write("gig.ini", "[strings]\nCOMMENT_BACKSTAGE_DAMAGE=That cost us <AMOUNT>\n"
                                            "GIG_LIVEAT=Live at <VENUE>\nPERFORMANCE_PEOPLE=people\n"
                                            "PERFORMANCE_CAPACITY=Capacity\nGIG_SOLD_OUT=Sold out\n"
                                            "GIGSCREEN_NOSTOCK=None left\nGIGSCREEN_PROFIT=Profit\n"
                                            "VU_STAGESHOW=Show\nVU_STAGESHOW_TIP=Lights\n"
                                            "GIG_STRESS_EFFECT=Stress\nCANCELLED_GIG_TEXT=Nobody played <VENUE>\n"
                                            "[GIG_CANCELLED_TOOTIRED]\n0=Too tired\n"
                                            "[GIG_CANCELLED_TOOUNHAPPY]\n0=Too fed up\n"));
        LoadPersonalities(dir.Write("traits.csv", "Traits\n#,lazy,Lazy,x\n#,destructive,Destructive,x\n"
                                                  "#,businessman,Business,x\n#,pessimistic,Gloomy,x\n"
                                                  "#,optimistic,Sunny,x\n#,charismatic,Charm,x\n"));
        RegisterAssets();
        LoadAssets(dir.Write(
            "assets.csv",
            "Assets\n"
            "#,stage_equipment,rig,Rig,lighting,,r.png,,200,0,10,0,,,REBUYABLE,,0.6,120,,#\n"
            "#,instrument,cheap guitar,Cheap,instruments,,g.png,,100,0,0,10,,GUITAR,REBUYABLE,guitar,0.2,,#\n"
            "#,instrument,good guitar,Good,instruments,,g.png,,900,0,0,90,,GUITAR,REBUYABLE,guitar,0.8,,#\n"
            "#,merchandise,tshirts(20),Shirts,merchandise,,t.png,,100,0,0,0,,,REBUYABLE,,20,15,glob_stock_tshirts,,#\n"
            "#,merchandise,sweatshirts(20),Sweats,merchandise,,t.png,,100,0,0,0,,,REBUYABLE,,20,30,glob_stock_sweat,,#\n"
            "#,merchandise,posters(100),Posters,merchandise,,t.png,,100,0,0,0,,,REBUYABLE,,100,3,glob_stock_posters,,#\n"
            "#,asset,roadie,Roadie,staff,,r.png,,100,0,0,0,,,\"SERVICE,EMPLOYEE\",,,#\n"));
        RegisterVenues();
        // key, name, type, minimum fame, fame at average and perfect show, capacity, rental,
        // manager, ticket price, difficulties, stage size, note, picture, backdrop.
        LoadVenues(dir.Write("venues.csv", "Venues\n"
                                           "#,pub,The Pub,LOCAL,0,1,3,60,20,0,5,1,1,1,,p.jpg,b.jpg\n"
                                           "#,big,Big Hall,LOCAL,0,2,6,1001,500,0,10,1,1,1,,h.jpg,b.jpg\n"
                                           "#,hall,Hall,LOCAL,0,2,6,1000,500,0,10,1,1,1,,h.jpg,b.jpg\n"));
        ResetSongs();
        RegisterPerformance();
        SetTuning("GAME_DURATION_YEARS=10\n");  // the game end stays years away
        GetSIMDate().StartNewGameDate();
        SeedRandom(7);
        GetFinances().cash = 1000.0f;
    }

    // A gig booked for today at the venue.
    SIM_Gig& Booked(const std::string& venue, int type = GIG_ORDINARY) {
        auto gig = std::make_unique<SIM_Gig>();
        gig->venue = FindVenue(venue);
        gig->type = type;
        gig->date = GetSIMDate().GetDate().Date();
        BookedGigs().push_back(std::move(gig));
        return *BookedGigs().back();
    }
    // A performance at the venue as PlayGig starts it, not yet evaluated.
    SIM_Performance Fresh(const std::string& venue, SIM_Gig* gig = nullptr) {
        SIM_Performance p;
        p.venue = FindVenue(venue);
        p.gig = gig;
        return p;
    }
    // A member in the given mood. Every join recalculates the members, so the moods of all
    // members made this way are set again afterwards.
    SIM_Musician& Member(float happiness, float stress, std::initializer_list<const char*> traits = {}) {
        SIM_Musician& m = WithTraits(Join(0.5f), traits);
        moods_.push_back({&m, happiness, stress});
        for (const Mood& mood : moods_) {
            mood.member->happiness = mood.happiness;
            mood.member->stress.value = mood.stress;
        }
        return m;
    }
    void SetBandValue(const char* name, float value) { GetBand().bandValues.Find(name)->value = value; }
    void SetStock(const std::string& key, int units) {
        Globals().Add(std::make_unique<SIM_NamedValue>(key, key, static_cast<float>(units)));
    }
    SIM_Song& Song(float quality) {
        CurrentSongs().push_back(std::make_unique<SIM_Song>());
        CurrentSongs().back()->quality = quality;
        return *CurrentSongs().back();
    }
    // Every component of the evening at v (v at most 0.6, the rig's show): the band's values,
    // the player's singing, a song, the members' mood and the stage gear.
    void AllComponentsAt(float v, int members = 2) {
        for (int i = 0; i < members; ++i) Member(v + 0.05f, 0.0f);
        for (const char* name : {"band_musicianship", "band_live_experience", "band_chemistry", "band_rehearsal"})
            SetBandValue(name, v);
        GetMilo().attributes.Find("attrib_vocals")->value = v;
        Song(v);
        auto& rig = dynamic_cast<SIM_StageEquipment&>(*FindAsset("rig"));
        rig.stageShow = v;
        rig.Acquire();
    }
    // The remarks queued for a member, as (type, text).
    static std::vector<std::pair<int, std::string>> Queued(const SIM_Musician& m) {
        std::vector<std::pair<int, std::string>> out;
        for (const auto& c : m.commenter->queued) out.emplace_back(c.type, c.text);
        return out;
    }

private:
    struct Mood {
        SIM_Musician* member;
        float happiness;
        float stress;
    };
    std::vector<Mood> moods_;
};
