#include "ui/print/ReportWindow.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "base/Clock.h"
#include "base/Messages.h"
#include "ui/widgets/LabelCaption.h"
#include "print/Printers.h"
#include "print/QtPrinter.h"
#include "print/ReportPrint.h"
#include "ui/print/ReportTitleDialog.h"

namespace voltaro {

// The report lines as the list view shows them: the item text, then columns 1 to 8.
class ReportTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetLines(std::vector<ReportLine> lines) {
        beginResetModel();
        lines_ = std::move(lines);
        endResetModel();
    }
    const std::vector<ReportLine>& Lines() const { return lines_; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(kReportTitles.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        const ReportLine& line = lines_[static_cast<size_t>(index.row())];
        const int c = index.column();
        return Latin1(c == 0 ? line.item : line.col[static_cast<size_t>(c - 1)]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= static_cast<int>(kReportTitles.size()))
            return {};
        return QString::fromLatin1(kReportTitles[static_cast<size_t>(section)]);
    }

private:
    std::vector<ReportLine> lines_;
};

ReportWindow::ReportWindow(Settings& stores, Printers& printers, MessageSeam& messages, Clock& clock,
                     QWidget* parent)
    : QDialog(parent), printers_(printers), messages_(messages), clock_(clock) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("Print Report"));
    setModal(false);
    setSizeGripEnabled(true);
    menu = new QMenuBar(this);
    printAction = menu->addAction(QStringLiteral("Print"));
    setTitleAction = menu->addAction(QStringLiteral("Set Title"));
    exitAction = menu->addAction(QStringLiteral("Exit"));

    model_ = new ReportTableModel(this);
    table = new QTreeView(this);
    table->setModel(model_);
    table->setRootIsDecorated(false);
    table->setItemsExpandable(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->header()->setSectionsClickable(true);
    table->header()->setStretchLastSection(true);

    // The list view fills the window whatever its size.
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setMenuBar(menu);
    all->addWidget(table);
    resize(760, 480);

    title = new ReportTitleDialog(stores, this);
    title->setWindowModality(Qt::WindowModal);
    title->ReadTitle();

    connect(printAction, &QAction::triggered, this, &ReportWindow::PrintClicked);
    connect(setTitleAction, &QAction::triggered, this, &ReportWindow::SetTitleClicked);
    connect(exitAction, &QAction::triggered, this, &QDialog::reject);
    connect(table->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        setWindowTitle(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    });
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::ReadListData(Report& report, const RecordStore& store, const DateTimeFormat& formats,
                             double vmax, double vmin) {
    model_->SetLines(report.ReadListData(store, formats, vmax, vmin));
    recordingFile_ = store.RecordingFile;
    formats_ = &formats;
}

const std::vector<ReportLine>& ReportWindow::Lines() const {
    return model_->Lines();
}

void ReportWindow::SetTitleClicked() {
    title->ReadTitle();
    title->show();
    title->raise();
}

void ReportWindow::PrintClicked() {
    // The pages offered are those the table holds, numbered as their markers are: a later
    // chunk's pages go on from the earlier chunks'.
    const auto [firstPage, lastPage] = ReportPrint::PageNumbers(Lines());
    if (firstPage == 0) {
        messages_.ShowMessage("The report holds no readings to print.", MessageKind::Info);
        return;
    }
    PrinterDialogRequest request;
    request.title = "Print Resport";
    request.pages = true;
    request.minPage = firstPage;
    request.maxPage = lastPage;
    request.fromPage = request.minPage;
    request.toPage = request.maxPage;
    printers_.Device().setDocName(QFileInfo(Latin1(recordingFile_)).completeBaseName());
    if (!printers_.ChoosePrinter(request, this)) return;
    FromPage = request.fromPage;
    ToPage = request.toPage;
    Copies = request.copies;
    const std::string problem = printers_.OutputProblem();
    if (!problem.empty()) {
        messages_.ShowMessage(kReportFailedMessage + "\r\n" + problem, MessageKind::Error);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = false;
    {
        QtPrinter printer(printers_.Device(), printers_.DocumentsShareOneFile());
        ok = PrintRep(printer) && printer.Finish();
    }
    QApplication::restoreOverrideCursor();
    if (!ok)
        messages_.ShowMessage(kReportFailedMessage, MessageKind::Error);
    else if (PagesPrinted == 0)
        messages_.ShowMessage("No report page lies in the pages chosen.", MessageKind::Info);
}

bool ReportWindow::PrintRep(Printer& printer) {
    ReportPrintJob job;
    job.RecordingFile = recordingFile_;
    job.titles = title->Titles();
    job.firstPage = FromPage;
    job.lastPage = ToPage;
    job.now = clock_.Now();
    job.stamps = formats_;
    job.progress = progress;
    if (progressShown) progressShown("Print - " + recordingFile_);
    PagesPrinted = ReportPrint().PrintRep(printer, Lines(), job);
    if (progressEnded) progressEnded();
    return !printer.Failed();
}

void ReportWindow::done(int result) {
    title->hide();
    QDialog::done(result);
    emit closed();
}

}  // namespace voltaro
