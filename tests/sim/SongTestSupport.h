#pragma once
// Songs registered over a small element catalogue and a player who writes them; tests set
// suitabilities and connectors by hand instead of relying on the random draws.
#include "SIM_Names.h"
#include "SIM_People.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"
#include "SIM_WorldSeams.h"
#include "SimTestSupport.h"

#include <string>

class SongTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        RegisterPeople();
        RegisterSongs();
        SetTuning("RS_SONGS_REQ_FOR_GIG=4\nRS_SONGWRITING_PER_SONG=0.1\n");
        GetMilo().SetupFromAvatar("m_face.jpg", dir.Write("attributes.csv", "Player\n"
                                                                           "#,inspiration,I,0.3,1,1,x,below,0,,\n"
                                                                           "#,songwriting,S,0.2,0,1,x,neither,0,,\n"));
        LoadSongElements(dir.Write("song_elements.csv", Catalogue(0)));
        ResetSongs();
    }

    // The seven default elements (unlocked) and extra unlocked ones named x0, x1, ...
    static std::string Catalogue(int extra) {
        std::string text = "Song elements\n"
                           "#,clichedlyrics,Cliched lyrics,1,LYRICS,0.5\n"
                           "#,basicdrums,Basic drums,1,MUSIC,0.5\n"
                           "#,basicbass,Basic bass,1,MUSIC,0.5\n"
                           "#,basicguitar,Basic guitar,1,MUSIC,0.5\n"
                           "#,backing vocals,Backing vocals,1,MUSIC,0.5\n"
                           "#,ambition,Ambition,1,LYRICS,0.5\n"
                           "#,uptempo,Uptempo,1,MUSIC,0.5\n"
                           "#,locked one,Locked,0,MUSIC,0.5\n";
        for (int i = 0; i < extra; ++i) text += "#,x" + std::to_string(i) + ",Extra,1,MUSIC,0.5\n";
        return text;
    }

    static SIM_Suitability& Entry(SIM_Song& song, const std::string& name) {
        for (SIM_Suitability& s : song.suitabilities)
            if (s.name == name) return s;
        ADD_FAILURE() << "no entry " << name;
        return song.suitabilities.front();
    }
    // Every entry gets the same suitability; connectors either all match or never do.
    static void SetAll(SIM_Song& song, float suitability, bool linksMatch) {
        for (SIM_Suitability& s : song.suitabilities) {
            s.suitability = suitability;
            s.left = 0;
            s.right = linksMatch ? 0 : 1;
        }
    }
    static void SetSongwriting(float value) { GetMilo().attributes.Find("songwriting")->value = value; }
};
