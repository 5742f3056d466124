#pragma once

#include <ostream>

// A failing row of a parameterised test is printed by its name rather than as raw bytes.
// Use it right after the row's type, in the same namespace: gtest looks for PrintTo there.
#define PRINT_ROW_BY_NAME(Row, member)                                                                                 \
    [[maybe_unused]] inline void PrintTo(const Row& row, std::ostream* out)                                            \
    {                                                                                                                  \
        *out << row.member;                                                                                            \
    }
