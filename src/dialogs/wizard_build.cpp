// TWizardDlg: building the controls at their places and connecting their handlers.
#include "dialogs/wizard.h"

#include "dialogs/wizard_art.h"
#include "platform/application.h"
#include "platform/strings.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <tuple>
#include <utility>

namespace {

constexpr int kPanel2Height = 44;
constexpr int kBorder = 5;

QPushButton *button(const char *name, const QString &text, QWidget *parent, int x)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, 10, 75, 25);
    b->setAutoDefault(false);
    return b;
}

QRadioButton *radio(const char *name, const QString &text, QWidget *parent, int y)
{
    auto *r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    r->setGeometry(24, y, 180, 24);
    return r;
}

QGroupBox *group(const char *name, const QString &title, QWidget *parent)
{
    auto *g = new QGroupBox(title, parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(14, 62, 214, 112);
    return g;
}

QLabel *picture(const char *name, const QPixmap &pixmap, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(244, 8, pixmap.width(), pixmap.height());
    l->setPixmap(pixmap);
    return l;
}

QWidget *page(const char *name, QStackedWidget *pages)
{
    auto *w = new QWidget;
    w->setObjectName(QLatin1String(name));
    pages->addWidget(w);
    return w;
}

} // namespace

void TWizardDlg::buildControls()
{
    setFixedSize(ClientWidth, ClientHeight);
    auto *panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, ClientWidth, ClientHeight - kPanel2Height);
    // A stacked widget is a page control whose tabs never show: only the buttons change pages.
    PageControl = new QStackedWidget(panel1);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(kBorder, kBorder, ClientWidth - 2 * kBorder,
                             ClientHeight - kPanel2Height - 2 * kBorder);
    PageControl->setFrameShape(QFrame::StyledPanel);
    const QSize pictureSize(196, 222);

    // Pages 1 and 2: a question with two answers, the first checked, beside a picture.
    const auto choicePage = [&](const char *name, const char *groupName, const QString &title,
                                std::pair<const char *, QString> first,
                                std::pair<const char *, QString> second, const char *pictureName,
                                const QPixmap &pixmap) {
        QWidget *sheet = page(name, PageControl);
        QGroupBox *box = group(groupName, title, sheet);
        QRadioButton *a = radio(first.first, first.second, box, 34);
        QRadioButton *b = radio(second.first, second.second, box, 66);
        a->setChecked(true);
        return std::make_tuple(sheet, box, a, b, picture(pictureName, pixmap, sheet));
    };
    std::tie(TabSheet1, GroupBox1, NewRBtn, OpenRBtn, Image2) = choicePage(
        "TabSheet1", "GroupBox1", QStringLiteral("どちらのファイルを開きますか？"),
        {"NewRBtn", QStringLiteral("新しいファイル")}, {"OpenRBtn", QStringLiteral("以前に作ったファイル")},
        "Image2", WizardOpenOrNewPicture(pictureSize));
    std::tie(TabSheet2, NewGroupBox, TemplateRBtn, NotTemplateRBtn, Image1) =
        choicePage("TabSheet2", "NewGroupBox", QStringLiteral("新規作成"),
                   {"TemplateRBtn", QStringLiteral("テンプレートを使う")},
                   {"NotTemplateRBtn", QStringLiteral("テンプレートを使わない")}, "Image1",
                   WizardTemplatePicture(pictureSize));

    TabSheet3 = page("TabSheet3", PageControl);
    auto *prompt = new QLabel(QStringLiteral("テンプレートを選択してください"), TabSheet3);
    prompt->setGeometry(8, 8, 300, 18);
    TemplateListBox = new QListWidget(TabSheet3);
    TemplateListBox->setObjectName(QStringLiteral("TemplateListBox"));
    TemplateListBox->setGeometry(8, 32, 169, 161);
    TemplateListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    // The scroll box has no frame of its own, so its whole 265 x 161 shows the card; a sunken frame
    // stands around it.
    auto *previewFrame = new QFrame(TabSheet3);
    previewFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewFrame->setGeometry(182, 31, 267, 163);
    ScrollBox1 = new QScrollArea(TabSheet3);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setGeometry(183, 32, 265, 161);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setWidgetResizable(false);
    auto *previewCaption = new QLabel(QStringLiteral("プレビュー"), TabSheet3);
    previewCaption->setGeometry(183, 198, 265, 18);
    previewCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *panel2 = new QFrame(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(0, ClientHeight - kPanel2Height, ClientWidth, kPanel2Height);
    BackBtn = button("BackBtn", QStringLiteral("戻る"), panel2, 200);
    OKBtn = button("OKBtn", LoadStr(Str::WizardNext), panel2, 280);
    CancelBtn = button("CancelBtn", QStringLiteral("キャンセル"), panel2, 375);
    HelpBtn = button("HelpBtn", QStringLiteral("ヘルプ(&H)"), panel2, 8);
    HelpBtn->hide();
    BackBtn->setEnabled(false);
    OKBtn->setDefault(true);
}

void TWizardDlg::connectHandlers()
{
    connect(NewRBtn, &QRadioButton::clicked, this, &TWizardDlg::NewRBtnClick);
    connect(OpenRBtn, &QRadioButton::clicked, this, &TWizardDlg::OpenRBtnClick);
    connect(TemplateRBtn, &QRadioButton::clicked, this, &TWizardDlg::TemplateRBtnClick);
    connect(NotTemplateRBtn, &QRadioButton::clicked, this, &TWizardDlg::NotTemplateRBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TWizardDlg::OKBtnClick);
    connect(BackBtn, &QPushButton::clicked, this, &TWizardDlg::BackBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // A template that cannot be read is reported by the default exception box; the preview stays hidden.
    connect(TemplateListBox, &QListWidget::itemSelectionChanged, this,
            Guarded([this] { TemplateListBoxClick(); }));
    connect(TemplateListBox, &QListWidget::itemDoubleClicked, this, &TWizardDlg::TemplateListBoxDblClick);
}
