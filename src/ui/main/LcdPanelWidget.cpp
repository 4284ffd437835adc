#include "ui/main/LcdPanelWidget.h"

#include <QLabel>
#include <QPainter>

#include "display/Glyphs.h"
#include "display/LcdPanel.h"
#include "display/QtDrawingSurface.h"
#include "ui/main/DesignPlacement.h"
#include "ui/widgets/LabelCaption.h"
#include "ui/widgets/PictureBox.h"

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

LcdPanelWidget::LcdPanelWidget(QWidget* window)
    : QGroupBox(QStringLiteral("READING-DIGITAL DISPLAY"), window) {
    Place(this, "Frame3", 60, 60, 5700, 3060, 8, kSansFace, true);

    linkLabel = Place(NewLabel(this, "RS-232"), "labRs232", 120, 210, 720, 240, 8, kSansFace, true);
    linkLabel->setStyleSheet(QStringLiteral("color: rgb(0,128,0)"));
    linkLabel->setVisible(false);
    rangeModeLabel = Place(NewLabel(this), "labAUTO", 900, 210, 780, 240, 8, kSansFace, true);
    couplingLabel = Place(NewLabel(this), "labDC", 1740, 210, 480, 240, 8, kSansFace, true);
    functionPicture = Place(NewLabel(this), "Image2", 2280, 180, 420, 300, 8);
    noDataLabel = Place(NewLabel(this), "LabERROR", 4800, 210, 780, 240, 8);
    noDataLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    signLabel = Place(NewLabel(this), "LabType0", 120, 480, 330, 1080, 28, kSansFace, true);
    for (int i = 0; i < 4; ++i) {
        digitCells[i] = Place(new PictureBox(this), "Picture1", 480 + i * 720, 480, 660, 1080, 8);
        digitCells[i]->setProperty("index", i);
    }
    prefixLabel = Place(NewLabel(this), "LabVolts", 3360, 720, 600, 720, 20, kSerifFace, true);
    prefixLabel->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    unitLabel = Place(NewLabel(this), "LabType", 3960, 720, 1560, 720, 20, kSerifFace, true);
    unitLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    bargraph = Place(new PictureBox(this), "PicPro", 120, 1590, 5460, 480, 8);

    static const char* const kStatTitles[4] = {"MAX", "MIN", "AVG", "REL"};
    for (int i = 0; i < 4; ++i) {
        const int top = 2100 + i * 225;
        statTitles[i] =
            Place(NewLabel(this, kStatTitles[i]), "LabStatTitle", 120, top, 540, 225, 8, kSansFace, true);
        statValues[i] = Place(NewLabel(this), "Label2", 660, top, 2100, 225, 8);
        statDetails[i] = Place(NewLabel(this), "Label3", 2820, top, 2760, 225, 8);
        for (QLabel* l : {statTitles[i], statValues[i], statDetails[i]}) l->setProperty("index", i);
        EnableStatRow(i, false);
    }
}

void LcdPanelWidget::Show(LcdPanel& panel, long long barColour) {
    for (size_t i = 0; i < digitCells.size(); ++i) {
        QImage& image = digitCells[i]->Image();
        QPainter p(&image);
        QtDrawingSurface cell(p, QRectF(image.rect()), kLcdBackground);
        cell.Clear();
        DrawGlyph(cell, panel.digitGlyphs[i]);
        digitCells[i]->Refresh();
    }
    ShowLabel(signLabel, panel.signText, "Arial", true);
    ShowLabel(prefixLabel, panel.prefixText, "Times New Roman", true);
    ShowLabel(unitLabel, panel.unitText, panel.LabTypeFace, true);
    unitLabel->setVisible(true);
    // The bargraph is drawn only while the window is shown.
    if (!window()->isVisible()) return;
    QImage& image = bargraph->Image();
    QPainter p(&image);
    QtDrawingSurface bar(p, QRectF(image.rect()), kLcdBackground);
    bar.SetTypeface("Arial");
    bar.SetFontSize(bargraph->font().pointSizeF());
    panel.DrawBargraph(bar, ColourFromValue(barColour));
    bargraph->Refresh();
}

void LcdPanelWidget::ShowStats(const LcdPanel& panel) {
    for (size_t i = 0; i < statValues.size(); ++i) {
        statValues[i]->setText(Latin1(panel.statValueTexts[i]));
        statDetails[i]->setText(Latin1(panel.statDetailTexts[i]));
    }
}

void LcdPanelWidget::EnableStatRow(int row, bool on) {
    statValues[static_cast<size_t>(row)]->setEnabled(on);
    statDetails[static_cast<size_t>(row)]->setEnabled(on);
}

}  // namespace voltaro
