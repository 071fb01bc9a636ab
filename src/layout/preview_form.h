// The print preview window: the sheet as the printer will carry it, at two screen pixels per millimetre,
// with one copy of the card per layout cell; page setup and printing are reached from it.
#pragma once

#include "document/sheet_values.h"
#include "layout/preview_placement.h"
#include "layout/print_offset.h"
#include "platform/printer_measures.h"

#include <QDialog>
#include <QList>
#include <functional>

class QPushButton;
class QScrollArea;
class TForm2;
class TPanel;

// The main window's commands the preview offers. An empty one leaves its button disabled.
struct PreviewCommands
{
    std::function<void()> PageSetup;
    std::function<void()> Print;
};

class TPreviewForm : public QDialog
{
    Q_OBJECT
public:
    // Reads the card from `editor`, its size from `card`, the layout from `grid` and the paper from
    // `measurePrinter` on every build, so a change made through a command shows at the next one.
    TPreviewForm(const TForm2 &editor, const CardSize &card, const CardGrid &grid,
                 std::function<PrinterMeasures()> measurePrinter, PreviewCommands commands,
                 QWidget *parent = nullptr);
    ~TPreviewForm() override;

    QWidget *Panel1;
    QPushButton *ExitBtn;
    QPushButton *PageSetDlgBtn;
    QPushButton *PrintBtn;
    QScrollArea *ScrollBox1;
    TPanel *PreviewPanel;         // the paper; its grey rim is the printer's unprintable margin
    TPanel *SheetPanel = nullptr; // the printable area, holding the card panels; rebuilt by BuildPreview

    // The bounds to restore to while maximized, and whether the window was maximized by the user or
    // opened so.
    QRect RestoreBounds;
    bool WasMaximized = false;

    // Handlers.
    void FormActivate();
    void ExitBtnClick();
    void PageSetDlgBtnClick();
    void PrintBtnClick();
    // Rebuilds the paper, the printable area and the cards from the printer and the layout. Throws
    // EPrinterError when the printer reports no paper, leaving the paper empty.
    void BuildPreview();

    // The measured printer's position offset, read on every build; none shows the cards unmoved.
    std::function<PrintOffset()> PrinterOffset;

    // The card panels on the sheet, columns outer and rows inner.
    QList<TPanel *> CardPanels() const;

    // Places the window as saved; a saved maximized window opens maximized and restores to the saved
    // bounds.
    void ApplyPlacement(const PreviewPlacement &saved);
    // What to save of the window's place after it closes.
    PreviewPlacement PlacementToSave() const;

    // The designed size of the client area.
    static constexpr int ClientWidth = 587;
    static constexpr int ClientHeight = 375;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // One card at (x, y) of the sheet: a white panel with a dotted outline under copies of what
    // `cardTemplate` holds.
    void PlacePreviewCard(const TPanel &cardTemplate, int x, int y);
    void rememberNormalBounds();
    void fitScrollRange();
    // The build on activation. A failure is reported once: the message box itself takes the
    // activation away and gives it back, and the same failure would be shown again and again.
    void activated();
    bool activationFailed_ = false;

    const TForm2 &editor_;
    const CardSize &card_;
    const CardGrid &grid_;
    std::function<PrinterMeasures()> measurePrinter_;
    PreviewCommands commands_;
    QWidget *scrollContent_ = nullptr;
    // Bounds while last neither maximized nor minimized.
    QRect normalBounds_;
    // Set when shown and cleared by the first build, for a window that is never activated.
    bool buildPending_ = false;
};
