#include "toolkit/MsgBox.h"

#include <QMessageBox>

namespace toolkit {

namespace {

QMessageBox::Icon iconOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkOnly:
        return QMessageBox::NoIcon;
    case Buttons::Exclamation:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void msgBox(const QString &prompt, Buttons buttons, const std::optional<QString> &title)
{
    QMessageBox box(iconOf(buttons), title.value_or(QString::fromUtf16(programName)), prompt, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace toolkit
