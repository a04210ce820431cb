#pragma once
// Every quantity the simulation tracks is a named number kept within 0..1.
#include <memory>
#include <string>
#include <vector>

class SIM_NamedValue {
public:
    SIM_NamedValue() = default;
    SIM_NamedValue(std::string name_, std::string guiname_, float value_)
        : guiname(std::move(guiname_)), name(std::move(name_)), value(value_) {}
    virtual ~SIM_NamedValue() = default;
    SIM_NamedValue(const SIM_NamedValue&) = delete;
    SIM_NamedValue& operator=(const SIM_NamedValue&) = delete;

    virtual void Recalculate() {}
    virtual void OnClicked() {}

    // op is "+=", "-=", "*=" or "/="; the result is clamped to 0..1. Any other op only clamps.
    void ApplyOperation(const std::string& op, float amount);

    std::string guiname;
    std::string name;
    float value = 0.0f;
};

class SIM_NamedValueList {
public:
    explicit SIM_NamedValueList(std::string name_ = {});
    virtual ~SIM_NamedValueList();
    SIM_NamedValueList(const SIM_NamedValueList&) = delete;
    SIM_NamedValueList& operator=(const SIM_NamedValueList&) = delete;

    // The first value of that name, or null.
    SIM_NamedValue* Find(const std::string& valueName) const;
    // The value's number; a missing value is fatal ("Value not found").
    float GetValue(const std::string& valueName) const;
    bool Exists(const std::string& valueName) const { return Find(valueName) != nullptr; }
    // True when the value exists and is not 0 (world flags).
    bool IsSet(const std::string& valueName) const;
    SIM_NamedValue& Add(std::unique_ptr<SIM_NamedValue> value);
    void Clear();

    std::string name;
    std::vector<std::unique_ptr<SIM_NamedValue>> values;
};

// Every living named-value list.
const std::vector<SIM_NamedValueList*>& AllNamedValueLists();

// The world values ("glob_..."), saved as "globals"; created on first use.
SIM_NamedValueList& Globals();
void ResetGlobals();
