#pragma once
// Game actions reachable by name, so data files (the hints) can start them.
#include <functional>
#include <string>
#include <vector>

class SIM_FunctionTable {
public:
    using Function = std::function<void()>;

    // Starts with "practice" and "shopping".
    SIM_FunctionTable();
    virtual ~SIM_FunctionTable() = default;

    void RegisterHook(const std::string& name, Function function);
    // Calls the first hook of that name; an unknown name is fatal ("Hook not found: %s").
    void CallHook(const std::string& name) const;
    bool HasHook(const std::string& name) const;

private:
    struct Entry {
        Function function;
        std::string name;
    };
    std::vector<Entry> entries_;
};

SIM_FunctionTable& GetFunctionTable();
void ResetFunctionTable();
