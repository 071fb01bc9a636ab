// The dialog that asks for the name under which a layout is registered as a user preset.
#include "layout/setnamein.h"

#include "platform/application.h"
#include "platform/cp932.h"
#include "platform/strings.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

TSetNameInDlg::TSetNameInDlg(const PresetTable &table, QWidget *parent) : QDialog(parent), table_(table)
{
    setWindowTitle(QStringLiteral("設定名入力"));
    setFixedSize(318, 195);
    PromptLabel = new QLabel(QStringLiteral("この設定を保存する名前を入力してください"), this);
    PromptLabel->setGeometry(24, 24, 270, 20);
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(24, 56, 270, 24);
    NameEdit->installEventFilter(this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(64, 120, 80, 28);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(174, 120, 80, 28);
    // Neither button is the default: Enter in the name field does not close the dialog.
    for (QPushButton *button : {OKBtn, CancelBtn}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetNameInDlg::NameEditExit()
{
    const QString text = NameEdit->text();
    qsizetype first = 0, end = text.size();
    while (first < end && text[first].unicode() <= 0x20)
        ++first;
    while (end > first && text[end - 1].unicode() <= 0x20)
        --end;
    if (first != 0 || end != text.size())
        NameEdit->setText(text.mid(first, end - first));
}

QByteArray TSetNameInDlg::Name() const
{
    return Cp932Encode(NameEdit->text());
}

int TSetNameInDlg::RefusalFor(const QString &name, const PresetTable &table)
{
    if (name.isEmpty())
        return Str::PresetNameRequired;
    // The preset file holds CP932 text, one preset a line, the name between double quotes.
    const bool unstorable = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 0x20 || c == u'"' || c.unicode() == 0x7F;
    });
    if (unstorable || !Cp932CanEncode(name))
        return Str::PresetNameUnstorable;
    const QByteArray bytes = Cp932Encode(name);
    if (bytes.size() > PresetNameMaxBytes)
        return Str::PresetNameTooLong;
    for (int i = 0; i < table.Total(); ++i)
        if (PresetNameText(table.Entries[size_t(i)].PresetName) == bytes)
            return Str::PresetNameTaken;
    return 0;
}

void TSetNameInDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        NameEditExit();
        if (const int refusal = RefusalFor(NameEdit->text(), table_)) {
            Application().MessageBox(LoadStr(refusal), LoadStr(Str::MessageCaption), MB_OK);
            NameEdit->setFocus();
            return;
        }
    }
    QDialog::done(result);
}

bool TSetNameInDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == NameEdit && event->type() == QEvent::FocusOut)
        NameEditExit();
    return QDialog::eventFilter(watched, event);
}
