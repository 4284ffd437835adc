#include <QApplication>

#include "app/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    voltaro::frmMain form;
    form.show();
    return app.exec();
}
