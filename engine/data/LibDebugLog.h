#pragma once
// The debug log "./debugdata/debug.txt" (an installed game's is in the user's state folder), open
// from start-up to shut-down.
#include <string>

// Creates the log (replacing an old one) with its header lines.
bool OpenDebugLog();
// Writes the text and a line feed and flushes; nothing happens while the log is closed.
void WriteDebugLine(const std::string& text);
// Writes "END DEBUG---" and closes the log.
void CloseDebugLog();
bool IsDebugLogOpen();

// The debugger output: standard error, only when it is a terminal so tests stay quiet.
void WriteDebugOutput(const std::string& text);

// Where the log lives; tests point it into a temporary folder.
void SetDebugLogPath(const std::string& path);
const std::string& DebugLogPath();
