#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "ui/main/LcdPanelWidget.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TrendGraphView.h"
#include "ui/widgets/LabelCaption.h"

namespace voltaro {

PanelModes MainWindow::Modes() const {
    return PanelModes{ChkREL->isChecked(), ChkdB->isChecked()};
}

void MainWindow::UpdatePanel(std::optional<float> value, const std::string& digits) {
    lcdPanel.UpdatePanel(reading, value, digits, Modes(), stats, decibels, meterRange, RecordCount());
    ShowPanel();
}

void MainWindow::ShowPanel() {
    Frame3->Show(lcdPanel, settings.BarProgress);
}

void MainWindow::UpdateStatsDisplay() {
    lcdPanel.UpdateStatsDisplay(stats, Modes(), decibels, formats, ctx.clock->Now(), RecordCount());
    Frame3->ShowStats(lcdPanel);
}

TrendGraphInput MainWindow::GraphInput() const {
    TrendGraphInput in{recording->store, graphRange};
    in.RangeBottom = meterRange.RangeBottom;
    in.cursor = HScroll1->value();
    in.decibels = ChkdB->isChecked();
    in.db = const_cast<Decibels*>(&decibels);
    in.impedanceText = stores.SettingGet("frmDeciBels", "dBm", "");
    in.specialMode = reading.specialMode;
    in.TextAlarmHI = Latin1(TextAlarmHI->text());
    in.TextAlarmLO = Latin1(TextAlarmLO->text());
    in.stamps = &formats;
    return in;
}

void MainWindow::DrawTrendGraph() {
    if (!recording) return;
    PicBox->Draw(trendGraph, GraphInput());
}

void MainWindow::RefreshCounters() {
    labBcntx->setText(QString::number(RecordCount()));
    LabSH->setText(QString::number(HScroll1->value()));
    UpdateStatsDisplay();
}

}  // namespace voltaro
