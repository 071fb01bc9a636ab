// TWizardDlg: the start-up wizard asking how to begin: open a document, start an empty one, or start
// from a template, with a half-size preview of the selected template.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;

// Builds the preview of a template from its file's bytes: a hidden widget at preview size, or nothing
// when the preview stays hidden. May throw what reading the template throws. The main window hands in
// the card copy's template preview, which lives above this layer.
using TemplatePreviewBuilder = std::function<std::unique_ptr<QWidget>(const QByteArray &file)>;

class TWizardDlg : public QDialog
{
    Q_OBJECT
public:
    // Lists the templates in "Template" below `applicationDirectory` at once.
    explicit TWizardDlg(TemplatePreviewBuilder preview, const QString &applicationDirectory,
                        QWidget *parent = nullptr);
    ~TWizardDlg() override;

    // Set by the caller before showing: 1, 2 or 3, the first page shown.
    int StartPage = 1;
    // Read by the caller after OK: 1 open a document, 2 new without template, 3 new from TemplatePath.
    int WizardChoice = 0;
    QString TemplatePath;
    // The search pattern of the templates and the names found (with extension), sorted.
    QString TemplatePattern;
    QStringList TemplateFiles;

    // Controls.
    QStackedWidget *PageControl;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;
    QGroupBox *GroupBox1;
    QRadioButton *NewRBtn;
    QRadioButton *OpenRBtn;
    QLabel *Image2;
    QGroupBox *NewGroupBox;
    QRadioButton *TemplateRBtn;
    QRadioButton *NotTemplateRBtn;
    QLabel *Image1;
    QListWidget *TemplateListBox;
    QScrollArea *ScrollBox1;
    QPushButton *BackBtn;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;

    // The page shown, 1 to 3.
    int CurrentPage() const;
    // The preview panel in ScrollBox1, or null.
    QWidget *PreviewPanel() const;

    // Handlers.
    void FormActivate();
    void NewRBtnClick();
    void OpenRBtnClick();
    void TemplateRBtnClick();
    void NotTemplateRBtnClick();
    void OKBtnClick();
    void BackBtnClick();
    void TemplateListBoxClick();
    void TemplateListBoxDblClick();

    // The designed size of the client area.
    static constexpr int ClientWidth = 465;
    static constexpr int ClientHeight = 300;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void showPage(int page);
    void setOkCaption(bool closes);
    void choose(int choice);
    // The selected template's row, or -1.
    int selectedRow() const;
    void selectedTemplatePath();
    void buildPreview();
    void dropPreview();

    TemplatePreviewBuilder preview_;
    bool activated_ = false;
};
