#pragma once

#include "toolkit/Failure.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

// A fixed table of texts indexed from 1 to Rows, as the system numbers its
// classes and models. Every read is bounds-tested; this is the one place that
// turns a row number into an array index.
template <std::size_t Rows>
class FixedTable {
public:
    static constexpr int first = 1;
    static constexpr int last = static_cast<int>(Rows);

    const QString &operator()(int row) const { return rows_[indexOf(row)]; }

    // Stores every row, row 1 first, from the text that rowText gives for it.
    template <class RowText>
    void fill(RowText rowText)
    {
        for (int row = first; row <= last; ++row)
            rows_[indexOf(row)] = rowText(row);
    }

    // Stores every row, row 1 first, from a source written in row order.
    void fill(const std::array<std::u16string_view, Rows> &source)
    {
        fill([&source](int row) {
            const std::u16string_view text = source[indexOf(row)];
            return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
        });
    }

private:
    static std::size_t indexOf(int row)
    {
        if (row < first || row > last)
            throw toolkit::Failure(QStringLiteral("Δείκτης πίνακα εκτός ορίων."));
        return static_cast<std::size_t>(row - first);
    }

    std::array<QString, Rows> rows_{};
};
