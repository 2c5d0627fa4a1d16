// What the detail panel shows for each kind and line: the rows' labels and
// the record field behind each row. The rows follow the panel's order; the
// index says where the row's amount stands in its record group, which is
// not always the same order (taxes, investments).
#pragma once

#include "data/CFinData.h"

#include <string_view>

enum class DetailKind : int { Assets = 0, Liabilities = 1, Loans = 2, Budget = 3 };

inline constexpr int kDetailMaxRows = 11;

struct DetailRow {
    const char* label; // null past the last row
    int index;         // in the record group
};

struct DetailLine {
    DetailKind kind;
    int line;
    int (CFinData::*get)(int) const;
    void (CFinData::*set)(int, std::string_view);
    DetailRow rows[kDetailMaxRows];
    // A slot of the group that is not shown but is kept as it is, or -1.
    int hiddenSlot = -1;
};

// The line of `kind`, or null when the kind has no such line.
const DetailLine* FindDetailLine(DetailKind kind, int line);
// The number of rows the panel shows for the line.
int RowCount(const DetailLine& line);
// The sum of the line's sub-items in `record`, the kept slot included;
// those not entered count 0.
long long SubItemSum(const CFinData& record, DetailKind kind, int line);
