#pragma once
// One catalogue object per data row of a spreadsheet, in file order: the common reading of
// the small catalogues whose records read their own rows.
#include "LibSpreadsheet.h"

#include <memory>
#include <string>
#include <vector>

// Appends a T for every data row (T::LoadFromRow reads it); a missing file adds none.
template <class T>
void AppendCatalogueRows(const std::string& path, std::vector<std::unique_ptr<T>>& out) {
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        auto record = std::make_unique<T>();
        record->LoadFromRow(row);
        out.push_back(std::move(record));
    }
}
