// The print preview window: its controls, handlers and the window placement rules.
#include "layout/preview_form.h"

#include "editor/drawpanel.h"
#include "editor/glyphs.h"
#include "platform/application.h"

#include <QEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace {

QPushButton *barButton(const char *name, const QString &text, Glyph glyph, QWidget *bar, int x, int width)
{
    auto *b = new QPushButton(GlyphIcon(glyph), text, bar);
    b->setObjectName(QLatin1String(name));
    b->setIconSize(QSize(22, 22));
    b->setGeometry(x, 12, width, 33);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TPreviewForm::TPreviewForm(const TForm2 &editor, const CardSize &card, const CardGrid &grid,
                           std::function<PrinterMeasures()> measurePrinter, PreviewCommands commands,
                           QWidget *parent)
    : QDialog(parent), editor_(editor), card_(card), grid_(grid), measurePrinter_(std::move(measurePrinter)),
      commands_(std::move(commands))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("印刷プレビュー画面"));
    buildControls();
    resize(ClientWidth, ClientHeight);
    rememberNormalBounds();

    connect(ExitBtn, &QPushButton::clicked, this, Guarded(this, &TPreviewForm::ExitBtnClick));
    connect(PageSetDlgBtn, &QPushButton::clicked, this, Guarded(this, &TPreviewForm::PageSetDlgBtnClick));
    connect(PrintBtn, &QPushButton::clicked, this, Guarded(this, &TPreviewForm::PrintBtnClick));
    PageSetDlgBtn->setEnabled(bool(commands_.PageSetup));
    PrintBtn->setEnabled(bool(commands_.Print));
}

TPreviewForm::~TPreviewForm() = default;

void TPreviewForm::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(57);
    ExitBtn = barButton("ExitBtn", QStringLiteral("戻る"), Glyph::Back, Panel1, 16, 96);
    PageSetDlgBtn =
        barButton("PageSetDlgBtn", QStringLiteral("ページ設定"), Glyph::PageSetup, Panel1, 128, 128);
    PrintBtn = barButton("PrintBtn", QStringLiteral("印刷"), Glyph::Print, Panel1, 272, 96);
    layout->addWidget(Panel1);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    scrollContent_ = new QWidget;
    PreviewPanel = new TPanel(scrollContent_);
    PreviewPanel->SetName(QStringLiteral("PreviewPanel"));
    PreviewPanel->SetColor(clBtnShadow);
    PreviewPanel->setGeometry(80, 16, 420, 594);
    ScrollBox1->setWidget(scrollContent_);
    fitScrollRange();
    layout->addWidget(ScrollBox1, 1);
}

void TPreviewForm::fitScrollRange()
{
    // The scroll range reaches the paper's right and bottom edges.
    const QRect paper = PreviewPanel->geometry();
    scrollContent_->setMinimumSize(paper.x() + paper.width(), paper.y() + paper.height());
}

QList<TPanel *> TPreviewForm::CardPanels() const
{
    QList<TPanel *> panels;
    if (SheetPanel)
        for (QObject *child : SheetPanel->children())
            if (auto *panel = dynamic_cast<TPanel *>(child))
                panels.append(panel);
    return panels;
}

void TPreviewForm::FormActivate()
{
    buildPending_ = false;
    BuildPreview();
}

void TPreviewForm::activated()
{
    if (!activationFailed_) {
        activationFailed_ = !RunGuarded([this] { FormActivate(); });
        return;
    }
    try {
        FormActivate();
        activationFailed_ = false;
    } catch (const std::exception &) {
        // Shown at the first failure; the preview stays as incomplete as it was then.
    }
}

void TPreviewForm::ExitBtnClick()
{
    close();
}

void TPreviewForm::PageSetDlgBtnClick()
{
    if (commands_.PageSetup)
        commands_.PageSetup();
    BuildPreview();
}

void TPreviewForm::PrintBtnClick()
{
    if (commands_.Print)
        commands_.Print();
    BuildPreview();
}

void TPreviewForm::ApplyPlacement(const PreviewPlacement &saved)
{
    move(saved.bounds.topLeft());
    resize(saved.bounds.size());
    rememberNormalBounds();
    WasMaximized = saved.maximized;
    if (saved.maximized) {
        RestoreBounds = saved.bounds;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

PreviewPlacement TPreviewForm::PlacementToSave() const
{
    const PreviewWindowState state = isMinimized()   ? PreviewWindowState::Minimized
                                     : isMaximized() ? PreviewWindowState::Maximized
                                                     : PreviewWindowState::Normal;
    return PlacementToKeep(state, QRect(pos(), size()), RestoreBounds, WasMaximized);
}

void TPreviewForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        const bool wasNormal = !(old & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        if (isMaximized() && wasNormal) {
            // Maximized by the user: restore to where it stood before.
            RestoreBounds = normalBounds_;
            WasMaximized = true;
        } else if ((old & Qt::WindowMaximized) && !isMaximized() && !isMinimized()) {
            WasMaximized = false;
        }
    }
}

void TPreviewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Without a window manager the window may never be activated; it is built all the same.
    buildPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (buildPending_)
            activated();
    });
}

void TPreviewForm::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    rememberNormalBounds();
}

void TPreviewForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    rememberNormalBounds();
}

void TPreviewForm::rememberNormalBounds()
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        normalBounds_ = QRect(pos(), size());
}
