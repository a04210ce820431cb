#pragma once
// A simulation with the people registered, a small trait list, a band catalogue and a player;
// every tuning value is 0 unless a test sets it.
#include "SIM_Band.h"
#include "SIM_Fame.h"
#include "SIM_People.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Relationship.h"
#include "SimTestSupport.h"

class PeopleTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        RegisterPeople();
        SetTuning("");
        SetStringsFile(dir.Write("people.ini", "[strings]\nHE=he\nSHE=she\n"
                                               "COMMENT_LOW_MOTIVATION=Why bother\n"
                                               "COMMENT_LOW_RELATIONSHIP=<NEMESIS> again; <HE_SHE> never stops\n"
                                               "COMMENT_DEFAULT_REHEARSAL=That will do\n"
                                               "GIG_TALK=<BANDNAME> rocked\n"
                                               "COMMENT_SONGS_BORED=Not <SONGNAME> again\n"));
        LoadPersonalities(dir.Write("personalities.csv", "Traits\n"
                                                         "#,lazy ,Lazy,<NAME> sleeps; <HE_SHE> snores\n"
                                                         "#,energetic,Energetic,Bouncy\n"
                                                         "#,optimistic,Optimistic,Sunny\n"
                                                         "#,pessimistic,Pessimistic,Gloomy\n"
                                                         "#,ambitious,Ambitious,Hungry\n"
                                                         "#,imaginitive,Imaginative,Dreamy\n"
                                                         "#,peacemaker,Peacemaker,Calm\n"
                                                         "#,disruptor,Disruptor,Trouble\n"
                                                         "#,egotistical,Ego,Vain\n"
                                                         "#, charismatic,Charismatic,Leading blank\n"
                                                         "#,lazy,Second lazy,Duplicate\n"));
        GetBand().LoadBandData(dir.Write("band.csv", "Band\n"
                                                     "#,band_hype,Hype,0,1,1,x,below,0,,\n"
                                                     "#,band_rehearsal,R,0,1,1,x,below,0,,\n"
                                                     "#,band_stress,S,0,1,0,x,above,0,,\n"
                                                     "#,band_chemistry,C,0,1,1,x,below,0,,\n"
                                                     "#,band_musicianship,M,0,1,1,x,below,0,,\n"
                                                     "#,band_live_experience,L,0,1,1,x,below,0,,\n"
                                                     "#,band_motivation,Mo,0,1,1,x,below,0,,\n"));
        GetMilo().SetupFromAvatar("m_face.jpg", dir.Write("attributes.csv", "Player\n"
                                                                           "#,inspiration,I,0.3,1,1,x,below,0,,\n"
                                                                           "#,live_experience,L,0.2,0,1,x,neither,0,,\n"
                                                                           "#,attrib_vocals,V,0.2,0,1,x,neither,0,,\n"
                                                                           "#,music_vocals,Sing,0.4,0,1,x,neither,0,,\n"
                                                                           "#,music_guitar,Gtr,0.1,0,1,x,neither,0,,\n"));
    }

    // A band member with the given chemistry and instrument.
    SIM_Musician& Join(float chemistry = 0.5f, int instrument = INSTRUMENT_GUITAR) {
        SIM_Musician& m = CreateMusician();
        m.chemistry = chemistry;
        m.instrument = instrument;
        m.forename = "M" + std::to_string(AllMusicians().size());
        GetBand().AddMember(&m);
        return m;
    }
    SIM_Musician& WithTraits(SIM_Musician& m, std::initializer_list<const char*> traits) {
        for (const char* t : traits) m.AddPersonality(FindPersonality(t));
        return m;
    }
};
