#pragma once

#include <QString>

#include <stdexcept>

namespace toolkit {

// A run-time failure: a picture that cannot be loaded, a text that is not a
// number, an overflow. It carries a description in Greek for the learner and,
// where a file is to blame, that file's absolute path.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description, const QString &file = {})
        : std::runtime_error(description.toStdString()), description_(description), file_(file) {}

    const QString &description() const noexcept { return description_; }
    const QString &file() const noexcept { return file_; }

private:
    QString description_;
    QString file_;
};

} // namespace toolkit
