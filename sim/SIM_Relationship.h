#pragma once
// How well two band members get on: -1 (they hate each other) to +1 (close friends).
#include <vector>

class SIM_Musician;

class SIM_Relationship {
public:
    // Both people must be set; the relationship joins the list of all relationships.
    SIM_Relationship(SIM_Musician* p1, SIM_Musician* p2);
    virtual ~SIM_Relationship();
    SIM_Relationship(const SIM_Relationship&) = delete;
    SIM_Relationship& operator=(const SIM_Relationship&) = delete;

    SIM_Musician* OtherPerson(const SIM_Musician* person) const;

    SIM_Musician* P1;
    SIM_Musician* P2;
    float value = 0.0f;
};

// Every relationship, in creation order.
const std::vector<SIM_Relationship*>& AllRelationships();
// Creates a relationship owned by the list of all relationships.
SIM_Relationship& CreateRelationship(SIM_Musician* p1, SIM_Musician* p2);
// Takes it out of both members' lists and destroys it.
void DestroyRelationship(SIM_Relationship* relationship);
void DestroyAllRelationships();
SIM_Relationship* FindRelationship(const SIM_Musician* a, const SIM_Musician* b);
void DegradeAllRelationships();
float AverageRelationship();
// After a shared activity: matched pairs grow closer, clashing pairs drift apart.
void UpdateRelationships(float scale);
// Possession envy of the pair, 0..RS_JEALOUSY_LIMIT.
float Jealousy(const SIM_Relationship& relationship);
