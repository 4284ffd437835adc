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

    labRs232 = Place(NewLabel(this, "RS-232"), "labRs232", 120, 210, 720, 240, 8, kSansFace, true);
    labRs232->setStyleSheet(QStringLiteral("color: rgb(0,128,0)"));
    labRs232->setVisible(false);
    labAUTO = Place(NewLabel(this), "labAUTO", 900, 210, 780, 240, 8, kSansFace, true);
    labDC = Place(NewLabel(this), "labDC", 1740, 210, 480, 240, 8, kSansFace, true);
    Image2 = Place(NewLabel(this), "Image2", 2280, 180, 420, 300, 8);
    LabERROR = Place(NewLabel(this), "LabERROR", 4800, 210, 780, 240, 8);
    LabERROR->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    LabType0 = Place(NewLabel(this), "LabType0", 120, 480, 330, 1080, 28, kSansFace, true);
    for (int i = 0; i < 4; ++i) {
        Picture1[i] = Place(new PictureBox(this), "Picture1", 480 + i * 720, 480, 660, 1080, 8);
        Picture1[i]->setProperty("index", i);
    }
    LabVolts = Place(NewLabel(this), "LabVolts", 3360, 720, 600, 720, 20, kSerifFace, true);
    LabVolts->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    LabType = Place(NewLabel(this), "LabType", 3960, 720, 1560, 720, 20, kSerifFace, true);
    LabType->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    PicPro = Place(new PictureBox(this), "PicPro", 120, 1590, 5460, 480, 8);

    static const char* const kStatTitles[4] = {"MAX", "MIN", "AVG", "REL"};
    for (int i = 0; i < 4; ++i) {
        const int top = 2100 + i * 225;
        LabStatTitle[i] =
            Place(NewLabel(this, kStatTitles[i]), "LabStatTitle", 120, top, 540, 225, 8, kSansFace, true);
        Label2[i] = Place(NewLabel(this), "Label2", 660, top, 2100, 225, 8);
        Label3[i] = Place(NewLabel(this), "Label3", 2820, top, 2760, 225, 8);
        for (QLabel* l : {LabStatTitle[i], Label2[i], Label3[i]}) l->setProperty("index", i);
        EnableStatRow(i, false);
    }
}

void LcdPanelWidget::Show(LcdPanel& panel, long long barColour) {
    for (size_t i = 0; i < Picture1.size(); ++i) {
        QImage& image = Picture1[i]->Image();
        QPainter p(&image);
        QtDrawingSurface cell(p, QRectF(image.rect()), kLcdBackground);
        cell.Clear();
        DrawGlyph(cell, panel.Picture1[i]);
        Picture1[i]->Refresh();
    }
    ShowLabel(LabType0, panel.LabType0, "Arial", true);
    ShowLabel(LabVolts, panel.LabVolts, "Times New Roman", true);
    ShowLabel(LabType, panel.LabType, panel.LabTypeFace, true);
    LabType->setVisible(true);
    // The bargraph is drawn only while the window is shown.
    if (!window()->isVisible()) return;
    QImage& image = PicPro->Image();
    QPainter p(&image);
    QtDrawingSurface bar(p, QRectF(image.rect()), kLcdBackground);
    bar.SetTypeface("Arial");
    bar.SetFontSize(PicPro->font().pointSizeF());
    panel.DrawBargraph(bar, ColourFromValue(barColour));
    PicPro->Refresh();
}

void LcdPanelWidget::ShowStats(const LcdPanel& panel) {
    for (size_t i = 0; i < Label2.size(); ++i) {
        Label2[i]->setText(Latin1(panel.Label2[i]));
        Label3[i]->setText(Latin1(panel.Label3[i]));
    }
}

void LcdPanelWidget::EnableStatRow(int row, bool on) {
    Label2[static_cast<size_t>(row)]->setEnabled(on);
    Label3[static_cast<size_t>(row)]->setEnabled(on);
}

}  // namespace voltaro
