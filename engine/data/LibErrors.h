#pragma once
// The three failure reports every part of the game uses. They go through a replaceable
// handler: the game shows dialogs, tests count assertions and turn fatal errors into exceptions.
#include <stdexcept>
#include <string>

extern const char* const kBuildLabel;  // "1.17"

class ErrorHandler {
public:
    virtual ~ErrorHandler() = default;
    // The assertion text is shown to the player; returns when the dialog is closed.
    virtual void OnAssert(const std::string& text) = 0;
    // Must not return normally: ends the program (or throws, in tests).
    [[noreturn]] virtual void OnFatal(const std::string& text, int exitCode) = 0;
};

// Without a display: assertions are only logged, fatal errors end the process.
class LoggingErrorHandler : public ErrorHandler {
public:
    void OnAssert(const std::string& text) override;
    [[noreturn]] void OnFatal(const std::string& text, int exitCode) override;
};

// Thrown by ThrowingErrorHandler so tests can expect a fatal error.
struct FatalErrorException : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// For tests and tools: counts assertions, throws on fatal errors.
class ThrowingErrorHandler : public ErrorHandler {
public:
    int assertions = 0;
    std::string lastAssert;
    void OnAssert(const std::string& text) override;
    [[noreturn]] void OnFatal(const std::string& text, int exitCode) override;
};

// Installs a handler (not owned); nullptr restores the logging handler. Returns the previous one.
ErrorHandler* SetErrorHandler(ErrorHandler* handler);
ErrorHandler& GetErrorHandler();

// Count of failed assertions since start-up (tools report it).
int AssertionCount();
void ResetAssertionCount();

void GameAssert(bool condition, const char* sourceFile, int line);
void ReportError(const char* sourceFile, const std::string& message, int line);
[[noreturn]] void FatalError(const char* sourceFile, const std::string& message, int line);
// As FatalError, with an explicit system error text and exit code (folder creation).
[[noreturn]] void FatalErrorWithCode(const std::string& text, int exitCode);

#define GAME_ASSERT(cond) GameAssert(static_cast<bool>(cond), __FILE__, __LINE__)
#define REPORT_ERROR(msg) ReportError(__FILE__, (msg), __LINE__)
#define FATAL_ERROR(msg) FatalError(__FILE__, (msg), __LINE__)
