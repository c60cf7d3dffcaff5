#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMessageBox>

#include "commandline.h"
#include "mainwindow.h"
#ifdef Q_OS_UNIX
#include "demoinstrument.h"
#endif

int main(int argc, char *argv[])
{
    StartOptions options;
    if (const auto code = read_command_line(command_line_arguments(argc, argv), false, &options))
        return *code;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Laid out in device pixels, the window would shrink on a screen scaled to 150 %
    // or 200 %; Qt 6 scales by itself. A scale of 1.5 stays 1.5, as Qt 6 keeps it.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
    QApplication app(argc, argv);
    if (const auto code = read_command_line(QCoreApplication::arguments(), true, &options))
        return *code;
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/example.velmarsk.Ormeda.png")));
    app.setDesktopFileName(QStringLiteral("example.velmarsk.Ormeda")); // Wayland takes the icon from the desktop entry

    MainWindow window;

    // A build without the compiled translation is broken; 18 (0x12) is the number in the message.
    if (!QFile::exists(QStringLiteral(":/i18n/ts.qm"))) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                        QStringLiteral("Startup error 0x0012"), QMessageBox::Ok);
        box.exec();
        return 18;
    }

    window.setWindowTitle(QStringLiteral("Ormeda"));
    window.show();
#ifdef Q_OS_UNIX
    if (options.demo)
        window.demo_instrument()->showFirstBlock();
#endif
    return app.exec();
}
