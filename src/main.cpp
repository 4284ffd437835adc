#include <QApplication>
#include <QProcess>
#include <QSessionManager>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

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

namespace {

// --help and --version are answered before any GUI object exists, so that they work without a
// display; every other argument is left to Qt and otherwise ignored, as before. Returns the exit
// status when one of them was given.
std::optional<int> AnswerInfoOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("voltaro " VOLTARO_VERSION);
            return 0;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs("usage: voltaro [--help | --version]\n"
                       "Voltaro, the desktop companion of a serial-line digital multimeter: shows the\n"
                       "meter's readings, records them, draws and prints them. Takes no other arguments.\n"
                       "The command-line companion is voltaro-cli, the simulated meter voltaro-meter.\n",
                       stdout);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace voltaro;
    if (const auto status = AnswerInfoOption(argc, argv)) return *status;
    QApplication app(argc, argv);
    // Ties the window to its desktop entry (its icon in docks and task switchers).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.voltaro.voltaro"));

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
    const bool loaded = form.Load();
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
