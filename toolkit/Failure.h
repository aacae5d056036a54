#pragma once

#include <QString>

#include <stdexcept>

namespace toolkit {

// A run-time failure: a picture that cannot be loaded, a text that is not a
// number, an overflow. It carries a description in Greek for the learner.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString()), description_(description) {}

    const QString &description() const noexcept { return description_; }

private:
    QString description_;
};

} // namespace toolkit
