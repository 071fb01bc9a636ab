// TForm3: the main window: documents, files, page setup, printing, window settings, help, About.
#pragma once

#include "app/undo_history.h"
#include "editor/unit2.h"
#include "layout/page_layout.h"
#include "platform/window_settings.h"

#include <QByteArray>
#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>

struct FileDialogRequest;
struct PageSetupData;
struct PrinterCalibration;
struct PrintOffset;
struct SheetToPrint;
struct ZrdDocument;

// The name with ".zrd" appended unless it ends in exactly that (the comparison is case-sensitive).
QString EnsureExtension(const QString &fileName);

class TForm3 : public TForm2, public CardSize
{
    Q_OBJECT
public:
    explicit TForm3(const QStringList &arguments = {}, QWidget *parent = nullptr);

    QString CurrentFileName;
    QString DefaultFileName;
    bool DocumentOpen = false;
    bool StartupPending = true;
    QByteArray ProgramVersion; // 8 bytes: "2.0j" and zero bytes
    bool LegacyLayoutLoaded = false;
    QByteArray LoadedFileVersion;
    ::PageLayout PageLayout;
    ::WindowSettings WindowSettings;

    // Enables the document buttons as DocumentOpen says, then the paste command.
    void UpdateDocumentCommands();
    // The version text without its padding, for display.
    QString ProgramVersionText() const;

    // Runs each time the window becomes the active window.
    void FormActivate();
    void Contents1Click();
    void About1Click();
    void FileExitClick();
    void FilePrintSetupClick();
    // The print preview, modal, placed as it was last left.
    void FilePreviewClick();
    // The printer that previews and prints, made on first use (the system's default printer, or a PDF
    // printer when there is none).
    QPrinter &Printer();
    // The print dialog, then the sheet on the chosen printer; nothing on cancel. A printer that fails
    // throws EPrinterError, and the document stays as it was.
    void FilePrintClick();
    // What printing reads of the open document.
    SheetToPrint sheetToPrint() const;
    // The printer's entry in the position offsets file, as page setup shows it; the printer's offset.
    PrinterCalibration PrinterCalibrationNow();
    PrintOffset PrinterOffsetNow();
    // Where the offsets file is (the per-user configuration folder unless a test says otherwise).
    QString PrinterOffsetsFile;

    // Documents. SaveDocument throws a file error when the file cannot be written, and then leaves the
    // previous file and Modified as they were. LoadDocument returns 0, or -1 after showing why not; a
    // document that cannot be read leaves the worksheet as it was.
    int SaveDocument(const QString &path);
    int LoadDocument(const QString &path);

    // Undo and redo (unit3_undo.cpp). Text being typed is undone in its editor first; the card's
    // steps are restored through the document reader.
    void EditUndoClick();
    void EditRedoClick();
    // Records the change made since the last step now instead of when the event loop next runs.
    void FlushUndoStep();
    const UndoHistory &History() const { return history_; }
    // Enables the undo and redo commands when there is something to undo or redo.
    void UpdateUndoCommands();

    // File commands.
    void FileMenuClick();
    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void WorkSheetClearClick();
    // 0 when the document was saved, -1 when the save dialog was cancelled.
    int SaveDocumentAs();
    // Shows the start-up wizard at `startPage` (1 at start-up, 2 from New) and carries out its choice:
    // the Open command, a new document through page setup, or a template loaded as a new document.
    void ShowWizard(int startPage);
    // Opens the one document named on the command line: 0 when it did, 1 otherwise.
    int OpenFromCommandLine();
    // Whether the window may close; asks about unsaved changes.
    bool FormCloseQuery();

    // Where the open and save dialogs start: the current document's folder, or the user's documents.
    QString DocumentDialogFolder() const;

    // Reads norve.con and places the window as it says.
    void ReadWindowSettings();
    // The window size that shows a card of `card` pixels and every panel without scroll bars.
    QSize SizeShowingCard(QSize card) const;
    // Writes norve.con; a maximized window keeps the geometry it had before it was maximized.
    void WriteWindowSettings();

protected:
    void CardChanged() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct LoadedDocument;
    // The header and records SaveDocument writes.
    // `reuse`: records parsed from a file (a card just loaded from it); each component stream of the
    // card that the file holds in the same place takes the file's bytes instead of being written again.
    ZrdDocument documentRecords(const ZrdDocument *reuse = nullptr) const;
    // The card as one undo state: the saved records, and the old layout record where it keeps the
    // page setup's preset index and old-layout indication.
    ZrdDocument cardState(const ZrdDocument *reuse = nullptr) const;
    // Puts the card back in a recorded state through the document reader; throws and leaves the
    // worksheet as it was when the state cannot be read.
    void restoreCard(const CardState &state);
    // An empty history that starts from the present card (none when no worksheet exists); a card just
    // loaded shares the bytes of the records it was read from.
    void startHistory(const ZrdDocument *loaded = nullptr);
    void queueUndoStep(int delayMs);
    UndoHistory history_;
    bool stepPending_ = false;
    bool stepQueued_ = false;
    std::unique_ptr<LoadedDocument> readRecords(const ZrdDocument &document);
    void adoptDocument(LoadedDocument &loaded);
    // Replaces the worksheet with the records' card; throws, leaving the worksheet as it was, when a
    // record cannot be read.
    void loadRecords(const ZrdDocument &document);
    // The title line: the program's name, two blanks and the document's name.
    void ShowTitleLine();
    // After a failed load: no worksheet, nothing open, nothing to save.
    void DiscardFailedDocument();
    // Loads a document and makes it the current one; on failure leaves no worksheet.
    bool OpenDocument(const QString &path);
    // The unsaved-changes prompt of New and Open: false when the command is to be abandoned.
    bool QuerySaveChanges();
    FileDialogRequest documentDialog(const QString &title, const QString &fileName) const;
    // The save dialog with the overwrite prompt, the extension added; nothing when cancelled.
    std::optional<QString> ChooseSaveName();
    void NewFromPageSetup();
    // The document's card size and layout as the page setup dialog takes them, and taken back.
    PageSetupData pageSetupData() const;
    void takePageSetupData(const PageSetupData &document);
    void storePrinterOffset(const PrinterCalibration &calibration);
    QString offsetsFile() const;

    // The window's place and size while it was last neither maximized nor minimized.
    QRect normalGeometry_;
    void rememberNormalGeometry();
    // Without a settings file: a size that shows the default card, centred on the screen.
    void placeForFirstStart();
    // Window settings are fitted into this area of the screen the window is on.
    QRect availableScreenArea() const;
    static QSize smallestWindowSize(const QWidget &window);
    // Moves a dialog to a stored position, kept on the screen.
    void placeDialog(QWidget &dialog, int left, int top) const;
    QStringList arguments_;
    std::unique_ptr<QPrinter> printer_;
};
