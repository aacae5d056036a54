#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dispatch.h"
#include "toolkit/EntryList.h"
#include "toolkit/Font.h"

#include <cstdint>

namespace toolkit {

class ListBoxWidget;

// A list of texts in the order they were appended, one of which at a time may
// be current (highlighted). Appending makes no entry current. The learner's
// pick of an entry, by mouse or keyboard, raises `clicked`.
class ListBox : public Control, public EntryList {
public:
    ListBox(Form &form, const Rect &place, std::optional<Font> font, int tabIndex);

    void clear() override;
    void append(const QString &entry) override;

    // The current entry's position from 0, or -1 when none is current.
    std::int16_t currentEntry() const;

    int count() const;
    QString entry(int position) const;

    Event clicked;

private:
    ListBoxWidget *list_;
};

} // namespace toolkit
