#pragma once

#include "toolkit/Failure.h"

#include <memory>
#include <vector>

namespace toolkit {

// A control array: members reached by index from 0; an index outside the
// array is a run-time failure.
template <class Member>
class ControlArray {
public:
    Member &operator[](int index) const
    {
        if (index < 0 || index >= count())
            throw Failure(QStringLiteral("Δείκτης στοιχείου ελέγχου εκτός ορίων."));
        return *members_[static_cast<std::size_t>(index)];
    }

    int count() const { return static_cast<int>(members_.size()); }

    template <class... Args>
    Member &add(Args &&...args)
    {
        members_.push_back(std::make_unique<Member>(std::forward<Args>(args)...));
        return *members_.back();
    }

private:
    std::vector<std::unique_ptr<Member>> members_;
};

} // namespace toolkit
