#include "ui/figures/FigureActions.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <memory>

#include "explain/ComputationText.h"
#include "explain/Explanation.h"
#include "ui/binding/ModelMirror.h"
#include "ui/figures/ComputationWindow.h"
#include "ui/figures/FigureTooltips.h"
#include "ui/figures/PanelMenu.h"
#include "ui/figures/ReportPage.h"
#include "ui/figures/WindowShortcuts.h"

namespace platomer {

namespace {

QString reportName(const TKalkulajda& form)
{
    return QString::fromUtf8("Výpočet mzdy ") + QString::fromStdString(rulesYear(form));
}

}  // namespace

QString reportFile(const TKalkulajda& form)
{
    // A file dialog shown a folder that does not exist would fall back to the working directory.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(reportName(form) + ".pdf");
}

FigureActions::FigureActions(TKalkulajda& form, const ModelMirror& mirror)
    : QObject(mirror.window().window), form_(form), computations_(form), window_(mirror.window().window)
{
    setObjectName("figureActions");
    new FigureTooltips(form, computations_, mirror, this);
}

bool FigureActions::takeKey(const QKeyEvent& event)
{
    const std::optional<WindowShortcut> shortcut = windowShortcutOf(event);
    if (!shortcut) return false;
    // A key held down repeats: the window opens once, the dialog once.
    if (event.isAutoRepeat()) return true;
    switch (*shortcut) {
    case WindowShortcut::Computation: showComputation(); break;
    case WindowShortcut::CopyComputation: copyComputation(); break;
    case WindowShortcut::Print: print(); break;
    case WindowShortcut::SavePdf: savePdf(); break;
    case WindowShortcut::OtherWindow:
        // Nothing to switch to while the window is closed.
        if (computation_ && computation_->isVisible()) computation_->enter();
        break;
    }
    return true;
}

bool FigureActions::openPanelMenu(const Control& control, QPoint at)
{
    if (control.kind() != Kind::Display) return false;
    QWidget* widget = window_->findChild<QWidget*>(QString::fromStdString(control.name()));
    popUpPanelMenu(*this, control, widget ? widget : window_, at);
    return true;
}

void FigureActions::refresh()
{
    if (computation_) computation_->refresh();
}

void FigureActions::showComputation()
{
    if (!computation_) computation_ = new ComputationWindow(*this, form_, window_);
    if (computation_->isVisible())
        computation_->enter();
    else
        computation_->present();
}

void FigureActions::copy(const std::string& text)
{
    // The clipboard the entries paste from, which is the desktop's.
    form_.platform().setClipboardText(text);
}

void FigureActions::copyAmount(const Control& panel) { copy(computations_.line(panel.name()).shown); }

void FigureActions::copyComputation() { copy(computations_.copy(form_.activePage())); }

void FigureActions::print()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(reportName(form_));
    prepareReportPage(*printer);
    auto* dialog = new QPrintDialog(printer.get(), window_);
    dialog->setObjectName("printDialog");
    // Printing to a file offers the name that "Uložit jako PDF…" offers; the printer stays the
    // user's default until they choose the file.
    if (auto* file = dialog->findChild<QLineEdit*>("filename")) file->setText(reportFile(form_));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setMinMax(1, 1);
    // Opened without a loop of its own; the printer lives as long as the dialog's connection.
    connect(dialog, &QDialog::accepted, this, [this, printer] {
        if (!paintReportPage(form_, *printer, QDate::currentDate()))
            form_.platform().message(form_.applicationTitle(), "Výpočet se nepodařilo vytisknout.", true);
    });
    dialog->open();
}

void FigureActions::savePdf()
{
    auto* dialog = new QFileDialog(window_, QString::fromUtf8("Uložit jako PDF"), reportFile(form_),
                                   QString::fromUtf8("Dokument PDF (*.pdf)"));
    dialog->setObjectName("pdfDialog");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix("pdf");
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& file) {
        if (!writeReportPdf(form_, file, QDate::currentDate()))
            form_.platform().message(window_->windowTitle().toStdString(),
                                     "Soubor " + QDir::toNativeSeparators(file).toStdString() + " nelze zapsat.", true);
    });
    dialog->open();
}

}  // namespace platomer
