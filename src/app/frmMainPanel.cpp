#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

#include "app/PictureBox.h"
#include "app/QtCaption.h"
#include "app/frmMain.h"
#include "display/QtDrawingSurface.h"

namespace voltaro {

namespace {

// The tint of the liquid-crystal cells and the bargraph behind them.
const QColor kLcdBackground(200, 210, 188);

void ShowLabel(QLabel* label, const std::string& text, const std::string& typeface, bool bold) {
    const QFont now = label->font();
    QFont f = FontFor(typeface, now.pointSizeF(), bold);
    label->setFont(f);
    label->setText(ScreenText(text, typeface));
}

}  // namespace

PanelModes frmMain::Modes() const {
    return PanelModes{ChkREL->isChecked(), ChkdB->isChecked()};
}

void frmMain::UpdatePanel(std::optional<float> value, const std::string& digits) {
    modShow.UpdatePanel(reading, value, digits, Modes(), stats, decibels, meterRange, RecordCount());
    ShowPanel();
}

void frmMain::ShowPanel() {
    for (size_t i = 0; i < Picture1.size(); ++i) {
        QImage& image = Picture1[i]->Image();
        QPainter p(&image);
        QtDrawingSurface cell(p, QRectF(image.rect()), kLcdBackground);
        cell.Clear();
        DrawGlyph(cell, modShow.Picture1[i]);
        Picture1[i]->Refresh();
    }
    ShowLabel(LabType0, modShow.LabType0, "Arial", true);
    ShowLabel(LabVolts, modShow.LabVolts, "Times New Roman", true);
    ShowLabel(LabType, modShow.LabType, modShow.LabTypeFace, true);
    LabType->setVisible(true);
    // The bargraph is drawn only while the window is shown.
    if (!isVisible()) return;
    QImage& image = PicPro->Image();
    QPainter p(&image);
    QtDrawingSurface bar(p, QRectF(image.rect()), kLcdBackground);
    bar.SetTypeface("Arial");
    bar.SetFontSize(PicPro->font().pointSizeF());
    modShow.DrawBargraph(bar, ColourFromValue(settings.BarProgress));
    PicPro->Refresh();
}

void frmMain::UpdateStatsDisplay() {
    modShow.UpdateStatsDisplay(stats, Modes(), decibels, formats, ctx.clock->Now(), RecordCount());
    for (size_t i = 0; i < Label2.size(); ++i) {
        Label2[i]->setText(Latin1(modShow.Label2[i]));
        Label3[i]->setText(Latin1(modShow.Label3[i]));
    }
}

void frmMain::RefreshCounters() {
    labBcntx->setText(QString::number(RecordCount()));
    LabSH->setText(QString::number(HScroll1->value()));
    UpdateStatsDisplay();
}

}  // namespace voltaro
