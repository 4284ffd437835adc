#include <QApplication>
#include <QProcess>
#include <QSessionManager>
#include <QStandardPaths>
#include <csignal>

#include "base/Clock.h"
#include "app/EndSignals.h"
#include "ui/widgets/QtFileDialogs.h"
#include "ui/widgets/MessageBoxQt.h"
#include "base/ProgramFolder.h"
#include "ui/widgets/QtBeeper.h"
#include "base/QtSettingsStore.h"
#include "ui/main/MainWindow.h"
#include "link/QtSerialPort.h"
#include "ui/print/QtPrinters.h"

int main(int argc, char** argv) {
    using namespace voltaro;
    QApplication app(argc, argv);

    SystemClock clock;
    QtSettingsStore store;
    MessageBoxQt messages;
    QtBeeper beeper;
    QtFileDialogs fileDialogs;
    QtPrinters printers;
    ProgramContext ctx;
    ctx.store = &store;
    ctx.messages = &messages;
    ctx.clock = &clock;
    ctx.beeper = &beeper;
    ctx.fileDialogs = &fileDialogs;
    ctx.printers = &printers;
    ctx.makePort = [](const PortTable& table) { return std::make_unique<QtSerialPort>(table); };
    ctx.programFolder = DefaultProgramFolder();
    ctx.applicationName = ExecutableTitle();
    ctx.executablePath = QCoreApplication::applicationFilePath().toStdString();
    // Chosen when the program is built, never by the build type: see VOLTARO_DEBUG_MODE.
    ctx.DebugMode = VOLTARO_DEBUG_MODE != 0;
    ctx.htmlBrowser = QStandardPaths::findExecutable(QStringLiteral("xdg-open")).toStdString();
    ctx.startProgram = [](const std::string& program, const std::vector<std::string>& args) {
        QStringList list;
        for (const std::string& a : args) list << QString::fromStdString(a);
        QProcess::startDetached(QString::fromStdString(program), list);
    };

    QApplication::setOverrideCursor(Qt::WaitCursor);
    MainWindow form(ctx);
    // A notice said on the way out (where a recording went) stays until it is read when the user
    // ended the program; a kill or the end of the session waits for nobody.
    // A last save that failed ends the program with status 1, for the logs of whatever ended it.
    bool endedWithoutAsking = false;
    bool lastSaveFailed = false;
    QObject::connect(
        &form, &MainWindow::programEnded, &app,
        [&messages, &endedWithoutAsking, &lastSaveFailed] {
            if (!endedWithoutAsking) messages.WaitUntilPressed();
            QCoreApplication::exit(lastSaveFailed ? 1 : 0);
        },
        Qt::QueuedConnection);
    const bool loaded = form.Form_Load();
    if (!loaded) {
        QApplication::restoreOverrideCursor();
        messages.WaitUntilPressed();
        return 1;
    }
    // A kill, a logout or a shutdown ends the program as the close box would, but saves the
    // readings without asking, since nobody may be there to answer; so does the end of the
    // session and any other way out of the event loop.
    // A second signal, when the first has saved and the program still has not gone (a box
    // waits, a device hangs), ends it the signal's own way.
    EndSignals endSignals;
    const auto endWithoutAsking = [&form, &endedWithoutAsking, &lastSaveFailed] {
        if (form.IsEnded()) return;
        endedWithoutAsking = true;
        lastSaveFailed = !form.EndSession();
    };
    QObject::connect(&endSignals, &EndSignals::received, &form, [&form, endWithoutAsking](int signalNumber) {
        if (form.IsEnded()) {
            std::signal(signalNumber, SIG_DFL);
            std::raise(signalNumber);
        }
        endWithoutAsking();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [endWithoutAsking](QSessionManager&) { endWithoutAsking(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, endWithoutAsking);
    form.show();
    QApplication::restoreOverrideCursor();
    form.ShowStartDialogs();
    return app.exec();
}
