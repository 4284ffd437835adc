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
    return PanelModes{relBox->isChecked(), decibelsBox->isChecked()};
}

void MainWindow::UpdatePanel(std::optional<float> value, const std::string& digits) {
    lcdPanel.UpdatePanel(reading, value, digits, Modes(), stats, decibels, meterRange, RecordCount());
    ShowPanel();
}

void MainWindow::ShowPanel() {
    readingGroup->Show(lcdPanel, settings.BarProgress);
}

void MainWindow::UpdateStatsDisplay() {
    lcdPanel.UpdateStatsDisplay(stats, Modes(), decibels, formats, ctx.clock->Now(), RecordCount());
    readingGroup->ShowStats(lcdPanel);
}

TrendGraphInput MainWindow::GraphInput() const {
    TrendGraphInput in{recording->store, graphRange};
    in.RangeBottom = meterRange.RangeBottom;
    in.cursor = graphCursor->value();
    in.decibels = decibelsBox->isChecked();
    in.db = const_cast<Decibels*>(&decibels);
    in.impedanceText = stores.SettingGet("frmDeciBels", "dBm", "");
    in.specialMode = reading.specialMode;
    in.alarmHighText = Latin1(alarmHighEdit->text());
    in.alarmLowText = Latin1(alarmLowEdit->text());
    in.stamps = &formats;
    return in;
}

void MainWindow::DrawTrendGraph() {
    if (!recording) return;
    graphView->Draw(trendGraph, GraphInput());
}

void MainWindow::RefreshCounters() {
    readingCountLabel->setText(QString::number(RecordCount()));
    cursorLabel->setText(QString::number(graphCursor->value()));
    UpdateStatsDisplay();
}

}  // namespace voltaro
