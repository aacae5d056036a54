#pragma once

#include <QString>

namespace toolkit {

// The two operations that fill a list: clear it, and append an entry at its end.
class EntryList {
public:
    virtual ~EntryList() = default;
    virtual void clear() = 0;
    virtual void append(const QString &entry) = 0;
};

} // namespace toolkit
