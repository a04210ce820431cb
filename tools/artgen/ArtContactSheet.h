#pragma once
#include <string>

// Lays every picture below bitmapsDir (and any file given in extraFiles' folder scan) out on one
// PNG with its name under it, on the house leather; returns the number of pictures placed, or
// -1 when the sheet cannot be written.
int MakeContactSheet(const std::string& rootDir, const std::string& outPng);
