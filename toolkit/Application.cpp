#include "toolkit/Application.h"

#include "toolkit/Failure.h"
#include "toolkit/Form.h"
#include "toolkit/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QWidget>

namespace toolkit {

namespace {

// The program's icon: the pictures that the build embeds under
// ":/icons/application", one for each size it is drawn at.
QIcon applicationIcon()
{
    QIcon icon;
    for (const QFileInfo &picture : QDir(QStringLiteral(":/icons/application")).entryInfoList(QDir::Files))
        icon.addFile(picture.filePath());
    return icon;
}

} // namespace

void preferX11()
{
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

void prepareApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf16(programName));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
}

bool startUp(const std::function<Form &()> &create, const std::function<void()> &load)
{
    Form *startupForm = nullptr;
    try {
        startupForm = &create();
        load();
    } catch (const Failure &failure) {
        msgBox(QStringLiteral("Το πρόγραμμα δεν μπόρεσε να ξεκινήσει: %1").arg(failure.description()),
               Buttons::Exclamation);
        return false;
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Το πρόγραμμα δεν μπόρεσε να ξεκινήσει."), Buttons::Exclamation);
        return false;
    }
    startupForm->setEndsProgramOnClose(true);
    startupForm->show();
    return true;
}

void endProgram()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace toolkit
