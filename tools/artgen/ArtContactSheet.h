#pragma once
#include <string>

// Lays every picture below rootDir out on one PNG, each with its file name under it, on the house
// leather; returns the number of pictures placed, or -1 when the sheet cannot be written.
int MakeContactSheet(const std::string& rootDir, const std::string& outPng);
