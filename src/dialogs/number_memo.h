// The dialogs' number field: right-aligned, a length limit in bytes, a modified mark and an exit signal.
#pragma once

#include <QLineEdit>

class TNumberMemo : public QLineEdit
{
    Q_OBJECT
public:
    // `maxBytes` limits what the user types or pastes, counted in CP932 bytes; text the program sets
    // with SetText is never cut.
    explicit TNumberMemo(int maxBytes, QWidget *parent = nullptr);

    // Writes a value from the program. Like typing, this raises the change signal when the text differs.
    void SetText(const QString &text);

    int MaxBytes() const { return maxBytes_; }
    // Set by the dialogs' change handlers, cleared when they have taken the value.
    bool Modified = false;

signals:
    // Focus moved to another control of the same window.
    void Exit();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void limitUserInput();

    int maxBytes_;
    int previousBytes_ = 0;
    bool programWrite_ = false;
};
