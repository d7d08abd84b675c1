#include "mainwindow/form1.h"
#include "numora/version.h"
#include "platform/runtime.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numora"));
    QApplication::setApplicationVersion(QString::fromLatin1(numora::version::numeric));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(numora::version::appid));
    platform::setupapplication(app);
    auto engine = std::make_unique<numora::Module1>();
    Form1 form(*engine);
    return app.exec();
}
