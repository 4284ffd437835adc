#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "ui/widgets/PictureBox.h"
#include "ui/widgets/LabelCaption.h"
#include "ui/main/MainWindow.h"
#include "display/QtDrawingSurface.h"

namespace voltaro {

namespace {

// The tint of the liquid-crystal cells and the bargraph behind them.
const QColor kLcdBackground(200, 210, 188);
// Around the white plot area of the trend graph.
const QColor kGraphBackground(236, 236, 236);

void ShowLabel(QLabel* label, const std::string& text, const std::string& typeface, bool bold) {
    const QFont now = label->font();
    QFont f = FontFor(typeface, now.pointSizeF(), bold);
    label->setFont(f);
    label->setText(ScreenText(text, typeface));
}

}  // namespace

PanelModes MainWindow::Modes() const {
    return PanelModes{ChkREL->isChecked(), ChkdB->isChecked()};
}

void MainWindow::UpdatePanel(std::optional<float> value, const std::string& digits) {
    lcdPanel.UpdatePanel(reading, value, digits, Modes(), stats, decibels, meterRange, RecordCount());
    ShowPanel();
}

void MainWindow::ShowPanel() {
    for (size_t i = 0; i < Picture1.size(); ++i) {
        QImage& image = Picture1[i]->Image();
        QPainter p(&image);
        QtDrawingSurface cell(p, QRectF(image.rect()), kLcdBackground);
        cell.Clear();
        DrawGlyph(cell, lcdPanel.Picture1[i]);
        Picture1[i]->Refresh();
    }
    ShowLabel(LabType0, lcdPanel.LabType0, "Arial", true);
    ShowLabel(LabVolts, lcdPanel.LabVolts, "Times New Roman", true);
    ShowLabel(LabType, lcdPanel.LabType, lcdPanel.LabTypeFace, true);
    LabType->setVisible(true);
    // The bargraph is drawn only while the window is shown.
    if (!isVisible()) return;
    QImage& image = PicPro->Image();
    QPainter p(&image);
    QtDrawingSurface bar(p, QRectF(image.rect()), kLcdBackground);
    bar.SetTypeface("Arial");
    bar.SetFontSize(PicPro->font().pointSizeF());
    lcdPanel.DrawBargraph(bar, ColourFromValue(settings.BarProgress));
    PicPro->Refresh();
}

void MainWindow::UpdateStatsDisplay() {
    lcdPanel.UpdateStatsDisplay(stats, Modes(), decibels, formats, ctx.clock->Now(), RecordCount());
    for (size_t i = 0; i < Label2.size(); ++i) {
        Label2[i]->setText(Latin1(lcdPanel.Label2[i]));
        Label3[i]->setText(Latin1(lcdPanel.Label3[i]));
    }
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
    QImage& image = PicBox->Image();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QtDrawingSurface box(p, QRectF(image.rect()), kGraphBackground);
    box.SetFontSize(PicBox->font().pointSizeF());
    trendGraph.DrawTrendGraph(box, 2, true, GraphInput());
    PicBox->Refresh();
}

void MainWindow::Picbox_MouseDown(QPointF at) {
    // The graph's logical units: 0 .. 120 across the box.
    const double X = PicBox->width() > 0 ? at.x() * 120.0 / PicBox->width() : 0;
    const GraphClick click =
        trendGraph.Picbox_MouseDown(X, GraphInput(), HScroll1->minimum(), HScroll1->maximum());
    if (click.box >= 0) {
        Timer1.stop();
        Picture2[0]->setVisible(false);
        Picture2[1]->setVisible(false);
        for (int j = 0; j < 3; ++j) Label1[3 * click.box + j]->setText(Latin1(click.Label1[j]));
        Picture2[click.box]->setVisible(true);
        Picture2[click.box]->raise();
    }
    if (click.cursor) HScroll1->setValue(*click.cursor);
    // The read-out boxes go two seconds after the last click.
    Timer1.start(2000);
}

void MainWindow::RefreshCounters() {
    labBcntx->setText(QString::number(RecordCount()));
    LabSH->setText(QString::number(HScroll1->value()));
    UpdateStatsDisplay();
}

}  // namespace voltaro
