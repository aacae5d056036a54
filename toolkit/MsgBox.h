#pragma once

#include <QString>

#include <optional>

namespace toolkit {

// Button codes of a message box: always one OK button; the code picks the icon.
enum class Buttons : int {
    OkOnly = 0,
    Exclamation = 48,
};

// The program's name, the title of a message box that is given none.
inline constexpr auto programName = u"Vornath";

// Shows a modal message box and returns once the learner has closed it.
void msgBox(const QString &prompt, Buttons buttons = Buttons::OkOnly,
            const std::optional<QString> &title = std::nullopt);

} // namespace toolkit
