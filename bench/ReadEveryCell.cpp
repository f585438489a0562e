#include "bench/ReadEveryCell.h"

#include <benchmark/benchmark.h>

namespace tavrik {

std::size_t ReadEveryCell(StoreQuery& query) {
    std::size_t rows = 0;
    while (query.Step()) {
        for (int column = 0; column < query.ColumnCount(); ++column)
            if (!query.IsNull(column))
                benchmark::DoNotOptimize(query.TextView(column));
        ++rows;
    }
    return rows;
}

} // namespace tavrik
