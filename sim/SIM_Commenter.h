#pragma once
// A band member's voice: scores every remark he could make and says the most pressing one.
#include <memory>
#include <string>
#include <vector>

class SIM_Musician;
class SIM_OptionSubject;

enum SIM_CommentType : int {
    COMMENT_POSSESSION_DEMAND = 0,
    COMMENT_STRESS = 1,
    COMMENT_BOREDOM = 2,
    COMMENT_STUDIO_TOO_BAD = 3,
    COMMENT_STUDIO_TOO_GOOD = 4,
    COMMENT_UNREHEARSED = 5,
    COMMENT_ABOUT_RIGHT = 6,
    COMMENT_OVERREHEARSED = 7,
    COMMENT_NEED_NEW_SONGS = 8,
    COMMENT_NEED_PRACTICE = 9,
    COMMENT_INSTRUMENT_LIMIT = 10,
    COMMENT_POOR_ATTENDANCE = 11,
    COMMENT_GOOD_ATTENDANCE = 12,
    COMMENT_DESTROYED_INSTRUMENT = 13,
    COMMENT_PUBLICITY_POOR_REACH = 14,
    COMMENT_STAGE_SHOW_LOW = 15,
    COMMENT_SONGS_BAD = 16,
    COMMENT_KEYED = 17,  // the key travels in the record's text
    COMMENT_LOW_MOTIVATION = 18,
    COMMENT_HIGH_MOTIVATION = 19,
    COMMENT_LOW_RELATIONSHIP = 20,
    COMMENT_HIGH_RELATIONSHIP = 21,
    COMMENT_SHOULD_REHEARSE = 22,
    COMMENT_SONGS_BORED = 23,
    COMMENT_NEED_HYPE = 24,
    COMMENT_INSPIRATION_HIGH = 25,
    COMMENT_NEED_VAN = 26,
    COMMENT_CONSIDERING_RESIGNATION = 27,
    COMMENT_DEFAULT_REHEARSAL = 28,
};

struct SIM_CommentCandidate {
    int type = 0;
    float priority = 0.0f;
    std::string text;
};

class SIM_Commenter {
public:
    static constexpr int kTypeCount = 29;

    explicit SIM_Commenter(SIM_Musician* owner_);
    virtual ~SIM_Commenter();
    SIM_Commenter(const SIM_Commenter&) = delete;
    SIM_Commenter& operator=(const SIM_Commenter&) = delete;

    void DailyComment();
    void RehearsalComment(const SIM_OptionSubject* rehearsal);
    // A remark for the next daily pass; priority 0 adds nothing.
    void QueueComment(int type, float priority, const std::string& text = {});
    // Scores one type and keeps it as a candidate when it beats its repetition.
    void EvaluateComment(int type, const SIM_OptionSubject* rehearsal = nullptr);
    void SpeakBest();
    void Speak(const SIM_CommentCandidate& record);
    // The raw priority of a type, before repetition (0 when its condition fails).
    float RawPriority(int type, const SIM_OptionSubject* rehearsal) const;

    SIM_Musician* owner;
    float repetition[kTypeCount] = {};
    std::vector<SIM_CommentCandidate> queued;
    std::vector<SIM_CommentCandidate> candidates;
};

// The translation key of a type (type 0 without its asset kind, type 17 empty).
std::string CommentKey(int type);
const std::vector<SIM_Commenter*>& AllCommenters();
