#include "ui/print/ReportTitleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/LabelCaption.h"
#include "base/Settings.h"

namespace voltaro {

namespace {
const std::string kForm = "frmTitle";
std::string Key(size_t i) {
    return "Title" + std::to_string(i + 1);
}
}  // namespace

ReportTitleDialog::ReportTitleDialog(Settings& stores, QWidget* parent) : QDialog(parent), stores_(stores) {
    setObjectName(QStringLiteral("frmTitle"));
    setWindowTitle(QStringLiteral("Set Title"));
    auto* grid = new QGridLayout(this);
    for (size_t i = 0; i < Text1.size(); ++i) {
        Label1[i] = new QLabel(QStringLiteral("Title (%1):").arg(i + 1), this);
        Text1[i] = new QLineEdit(this);
        grid->addWidget(Label1[i], static_cast<int>(i), 0);
        grid->addWidget(Text1[i], static_cast<int>(i), 1);
    }
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    grid->addWidget(Command1, 0, 2);
    grid->addWidget(Command2, 1, 2);
    grid->setColumnMinimumWidth(1, 320);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportTitleDialog::ReadTitle() {
    for (size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(Latin1(stores_.SettingGet(kForm, Key(i), "")));
}

void ReportTitleDialog::SaveTitle() {
    for (size_t i = 0; i < Text1.size(); ++i) stores_.SettingSave(kForm, Key(i), Latin1(Text1[i]->text()));
}

std::array<std::string, 3> ReportTitleDialog::Titles() const {
    std::array<std::string, 3> titles;
    for (size_t i = 0; i < titles.size(); ++i) titles[i] = stores_.SettingGet(kForm, Key(i), "");
    return titles;
}

void ReportTitleDialog::done(int result) {
    if (result == Accepted) SaveTitle();
    // What was typed and not confirmed is not kept for the next showing.
    ReadTitle();
    QDialog::done(result);
    emit closed();
}

}  // namespace voltaro
