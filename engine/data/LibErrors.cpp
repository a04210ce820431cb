#include "LibErrors.h"

#include "LibDebugLog.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const kBuildLabel = "1.17";

namespace {
LoggingErrorHandler gLoggingHandler;
ErrorHandler* gHandler = &gLoggingHandler;
int gAssertions = 0;
}  // namespace

void LoggingErrorHandler::OnAssert(const std::string&) {}

void LoggingErrorHandler::OnFatal(const std::string& text, int exitCode) {
    std::fprintf(stderr, "ERROR: %s\n", text.c_str());
    CloseDebugLog();
    std::exit(exitCode);
}

void ThrowingErrorHandler::OnAssert(const std::string& text) {
    ++assertions;
    lastAssert = text;
}

void ThrowingErrorHandler::OnFatal(const std::string& text, int) { throw FatalErrorException(text); }

ErrorHandler* SetErrorHandler(ErrorHandler* handler) {
    ErrorHandler* previous = gHandler;
    gHandler = handler ? handler : &gLoggingHandler;
    return previous;
}

ErrorHandler& GetErrorHandler() { return *gHandler; }

int AssertionCount() { return gAssertions; }
void ResetAssertionCount() { gAssertions = 0; }

void GameAssert(bool condition, const char* sourceFile, int line) {
    if (condition) return;
    ++gAssertions;
    char text[1024];
    std::snprintf(text, sizeof text, "Assertion failure:filename:%s,linenum:%d,build:%s", sourceFile, line,
                  kBuildLabel);
    gHandler->OnAssert(text);
    WriteDebugLine(text);
}

void ReportError(const char* sourceFile, const std::string& message, int line) {
    char text[2048];
    std::snprintf(text, sizeof text, "%s:%s %d", sourceFile, message.c_str(), line);
    // The debugger output hears of it even before the log opens or after it closes.
    if (IsDebugLogOpen()) WriteDebugLine(text);
    else WriteDebugOutput(std::string(text) + "\n");
}

void FatalError(const char* sourceFile, const std::string& message, int line) {
    const int code = errno;
    char text[2048];
    std::snprintf(text, sizeof text, "%s:%s %d (%s)", sourceFile, message.c_str(), line,
                  code ? std::strerror(code) : "no system error");
    FatalErrorWithCode(text, 1);
}

void FatalErrorWithCode(const std::string& text, int exitCode) {
    WriteDebugLine(text);
    gHandler->OnFatal(text, exitCode);
    std::abort();  // a handler must not return
}
