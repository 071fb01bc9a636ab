// TWizardDlg: the pages' state table, the template list and the preview.
#include "dialogs/wizard.h"

#include "dialogs/wizard_templates.h"
#include "document/zrd_format.h"
#include "platform/strings.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>

TWizardDlg::TWizardDlg(TemplatePreviewBuilder preview, const QString &applicationDirectory, QWidget *parent)
    : QDialog(parent), preview_(std::move(preview))
{
    buildControls();
    TemplatePattern = TemplateSearchPattern(applicationDirectory);
    TemplateFiles = FindTemplateFiles(TemplatePattern);
    for (const QString &name : TemplateFiles)
        TemplateListBox->addItem(TemplateListName(name));
    connectHandlers();
}

TWizardDlg::~TWizardDlg() = default;

int TWizardDlg::selectedRow() const
{
    // Selected, not merely current: a list that takes the focus makes its first entry current
    // without choosing it.
    const QList<QListWidgetItem *> selected = TemplateListBox->selectedItems();
    return selected.isEmpty() ? -1 : TemplateListBox->row(selected.first());
}

int TWizardDlg::CurrentPage() const
{
    return PageControl->currentIndex() + 1;
}

QWidget *TWizardDlg::PreviewPanel() const
{
    return ScrollBox1->widget();
}

void TWizardDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormActivate();
}

void TWizardDlg::FormActivate()
{
    activated_ = true;
    BackBtn->setEnabled(false);
    showPage(StartPage);
    if (StartPage == 3)
        OKBtn->setEnabled(false);
}

void TWizardDlg::showPage(int page)
{
    PageControl->setCurrentIndex(qBound(1, page, 3) - 1);
}

void TWizardDlg::setOkCaption(bool closes)
{
    OKBtn->setText(LoadStr(closes ? Str::WizardOk : Str::WizardNext));
}

void TWizardDlg::choose(int choice)
{
    WizardChoice = choice;
    accept();
}

void TWizardDlg::NewRBtnClick()
{
    setOkCaption(false);
}

void TWizardDlg::OpenRBtnClick()
{
    setOkCaption(true);
}

void TWizardDlg::TemplateRBtnClick()
{
    setOkCaption(false);
}

void TWizardDlg::NotTemplateRBtnClick()
{
    setOkCaption(true);
}

void TWizardDlg::OKBtnClick()
{
    switch (CurrentPage()) {
    case 1:
        if (OpenRBtn->isChecked()) {
            choose(1);
            return;
        }
        showPage(2);
        BackBtn->setEnabled(true);
        setOkCaption(NotTemplateRBtn->isChecked());
        return;
    case 2:
        if (NotTemplateRBtn->isChecked()) {
            choose(2);
            return;
        }
        showPage(3);
        setOkCaption(true);
        if (selectedRow() < 0)
            OKBtn->setEnabled(false);
        if (StartPage == 1 || StartPage == 2)
            BackBtn->setEnabled(true);
        return;
    default:
        if (selectedRow() >= 0)
            choose(3);
        return;
    }
}

void TWizardDlg::BackBtnClick()
{
    const int page = CurrentPage() - 1;
    if (page < 1)
        return;
    showPage(page);
    OKBtn->setEnabled(true);
    if (page == 1) {
        BackBtn->setEnabled(false);
        setOkCaption(OpenRBtn->isChecked());
    } else {
        setOkCaption(NotTemplateRBtn->isChecked());
        // A wizard opened by New cannot go back to its first page.
        if (StartPage == 2)
            BackBtn->setEnabled(false);
    }
}

void TWizardDlg::selectedTemplatePath()
{
    TemplatePath = TemplateFilePath(TemplatePattern, TemplateFiles.value(selectedRow()));
}

void TWizardDlg::TemplateListBoxClick()
{
    if (selectedRow() < 0)
        return;
    OKBtn->setEnabled(true);
    selectedTemplatePath();
    buildPreview();
}

void TWizardDlg::TemplateListBoxDblClick()
{
    if (selectedRow() < 0)
        return;
    selectedTemplatePath();
    choose(3);
}

void TWizardDlg::dropPreview()
{
    delete ScrollBox1->takeWidget();
}

void TWizardDlg::buildPreview()
{
    // The previous preview goes first, so a template that cannot be read never shows another's.
    dropPreview();
    // A template whose head is already bad has no preview, as one the preview itself refuses.
    const std::optional<QByteArray> file = ReadZrdFile(TemplatePath);
    std::unique_ptr<QWidget> panel = preview_ && file ? preview_(*file) : nullptr;
    if (!panel)
        return;
    // The scroll area centres a panel smaller than itself and scrolls a larger one from its corner.
    ScrollBox1->setWidget(panel.release());
    ScrollBox1->widget()->show();
}
