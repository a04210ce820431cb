#pragma once
// Finds the data keys the game's sources name: tuning keys, translation keys and numbered
// sections, hint keys, hook names, pictures and sounds. The build runs it over the sources, so
// the validator's list of keys comes from the code itself and never goes stale.
#include <string>
#include <string_view>
#include <vector>

enum class ScannedKind {
    kTuning,         // read through GetTuningValue
    kText,           // looked up by Translate
    kSection,        // a numbered section of random or picked texts
    kTextOrSection,  // handed on to a lookup elsewhere: either a text or a section will do
    kTextPrefix,     // the start of a key finished at run time ("COMMENT_POSSESION_DEMAND_")
    kTextSuffix,     // the end of a key begun at run time ("_THANKS")
    kTuningPrefix,
    kTuningSuffix,
    kPattern,        // a key or file name with a number filled in ("DAY_ABBV_%d")
    kHint,           // TriggerHint: must be a row of the hint catalogue
    kHook,           // RegisterHook: a hook name the hints may run
    kPicture,        // a texture, found by file name below the pictures folder
    kSound,          // a sound file below the data folder
    kTrait,          // a personality trait the code tests
    kAsset,          // an asset the code asks the band about
    kAttribute,      // a player attribute the code reads or changes
    kBandValue,      // a band value the code reads
    kToken,          // a placeholder the code fills in texts ("<BANDNAME>")
};

struct ScannedKey {
    ScannedKind kind;
    std::string key;
    std::string file;
    int line = 0;
};

const char* ScannedKindName(ScannedKind kind);
// The keys named by one source file, in the order they appear. A line whose comment says
// "not a data key" is left out.
std::vector<ScannedKey> ScanSource(std::string_view source, const std::string& fileName);
