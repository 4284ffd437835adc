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
    for (size_t i = 0; i < titleBoxes.size(); ++i) {
        lineLabels[i] = new QLabel(QStringLiteral("Title (%1):").arg(i + 1), this);
        titleBoxes[i] = new QLineEdit(this);
        grid->addWidget(lineLabels[i], static_cast<int>(i), 0);
        grid->addWidget(titleBoxes[i], static_cast<int>(i), 1);
    }
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    grid->addWidget(okButton, 0, 2);
    grid->addWidget(cancelButton, 1, 2);
    grid->setColumnMinimumWidth(1, 320);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ReportTitleDialog::ReadTitle() {
    for (size_t i = 0; i < titleBoxes.size(); ++i)
        titleBoxes[i]->setText(Latin1(stores_.SettingGet(kForm, Key(i), "")));
}

void ReportTitleDialog::SaveTitle() {
    for (size_t i = 0; i < titleBoxes.size(); ++i) stores_.SettingSave(kForm, Key(i), Latin1(titleBoxes[i]->text()));
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
