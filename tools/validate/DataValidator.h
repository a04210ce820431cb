#pragma once
// gigvale-tool validate-data: checks a data folder against the keys the code reads and against
// the catalogues' own rules, and lists every problem it finds.
#include "DataKeyScan.h"

#include <string>
#include <vector>

struct DataProblem {
    std::string file;   // relative to the data folder ("simulation/venues.csv")
    std::string where;  // a row ("row 12"), a key or a section
    std::string what;
};

// One problem a line: "file: where: what".
std::string FormatProblem(const DataProblem& problem);

// Every problem of the data folder (e.g. "data"); codeKeys are the keys the sources name.
std::vector<DataProblem> ValidateData(const std::string& dataDir, const std::vector<ScannedKey>& codeKeys);

// The keys of this build's sources (generated at build time by gv-datakeyscan).
const std::vector<ScannedKey>& CodeDataKeys();
