// The page setup dialog: the printer position offset group and the calibration sheet button.
#include "layout/pageset.h"

#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "platform/application.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <tuple>

void TPageSetDlg::buildOffsetControls()
{
    // Under the scroll box, so that nothing above moves and the diagram keeps its place.
    OffsetGB = new QGroupBox(QStringLiteral("印刷位置の補正"), this);
    OffsetGB->setObjectName(QStringLiteral("OffsetGB"));
    OffsetGB->setGeometry(8, ClientHeight + 2, ClientWidth - 16, OffsetStripHeight - 10);
    const auto field = [this](const char *name, const char *dirName, const QString &caption, int x,
                              const QStringList &directions, TNumberMemo *&memo, QLabel *&unit,
                              QComboBox *&direction) {
        auto *label = new QLabel(caption, OffsetGB);
        label->setGeometry(x, 23, 28, 22);
        memo = new TNumberMemo(5, OffsetGB);
        memo->setObjectName(QLatin1String(name));
        memo->setGeometry(x + 30, 22, 60, 24);
        unit = new QLabel(OffsetGB);
        unit->setGeometry(x + 94, 23, 40, 22);
        direction = new QComboBox(OffsetGB);
        direction->setObjectName(QLatin1String(dirName));
        direction->addItems(directions);
        direction->setGeometry(x + 136, 22, 70, 24);
    };
    field("OffsetXMemo", "OffsetXDirCB", QStringLiteral("横"), 10,
          {QStringLiteral("右へ"), QStringLiteral("左へ")}, OffsetXMemo, OffsetXUnitLabel, OffsetXDirCB);
    field("OffsetYMemo", "OffsetYDirCB", QStringLiteral("縦"), 226,
          {QStringLiteral("下へ"), QStringLiteral("上へ")}, OffsetYMemo, OffsetYUnitLabel, OffsetYDirCB);
    CalibSheetBtn = new QPushButton(QStringLiteral("補正用シートを印刷"), OffsetGB);
    CalibSheetBtn->setObjectName(QStringLiteral("CalibSheetBtn"));
    CalibSheetBtn->setGeometry(OffsetGB->width() - 158, 20, 148, 28);
    CalibSheetBtn->setAutoDefault(false);
    OffsetPrinterLabel = new QLabel(OffsetGB);
    OffsetPrinterLabel->setObjectName(QStringLiteral("OffsetPrinterLabel"));
    OffsetPrinterLabel->setGeometry(10, 48, OffsetGB->width() - 20, 20);

    for (TNumberMemo *m : {OffsetXMemo, OffsetYMemo}) {
        connect(m, &QLineEdit::textChanged, this, Guarded([this, m] { DecimalMemoChange(m); }));
        connect(m, &TNumberMemo::Exit, this, Guarded(this, &TPageSetDlg::OffsetMemoExit));
    }
    for (QComboBox *c : {OffsetXDirCB, OffsetYDirCB})
        connect(c, &QComboBox::activated, this, Guarded(this, &TPageSetDlg::OffsetMemoExit));
    connect(CalibSheetBtn, &QPushButton::clicked, this, Guarded(this, &TPageSetDlg::CalibSheetBtnClick));
    CalibSheetBtn->setEnabled(false);
}

void TPageSetDlg::SetCalibration(const PrinterCalibration &calibration)
{
    Calibration = calibration;
    OffsetPrinterLabel->setText(QStringLiteral("プリンタ: %1（右と下への移動が＋）").arg(calibration.Title));
    showOffset();
}

void TPageSetDlg::showOffset()
{
    const bool inches = MeasureUnit == UnitInches;
    const PrintOffset &o = Calibration.Offset;
    for (auto [memo, mm, unit, direction] : {std::tuple{OffsetXMemo, o.X, OffsetXUnitLabel, OffsetXDirCB},
                                             std::tuple{OffsetYMemo, o.Y, OffsetYUnitLabel, OffsetYDirCB}}) {
        memo->SetText(OffsetFieldText(mm, inches));
        memo->Modified = false; // the program's own write
        unit->setText(inches ? QStringLiteral("インチ") : QStringLiteral("mm"));
        direction->setCurrentIndex(mm < 0 ? 1 : 0);
    }
    CalibSheetBtn->setEnabled(bool(PrintCalibration));
}

void TPageSetDlg::OffsetMemoExit()
{
    const bool inches = MeasureUnit == UnitInches;
    PrintOffset taken = Calibration.Offset;
    // Both read before either is kept, so a field that is no number leaves the offset as it was.
    for (auto [memo, mm, direction] :
         {std::tuple{OffsetXMemo, &taken.X, OffsetXDirCB}, std::tuple{OffsetYMemo, &taken.Y, OffsetYDirCB}}) {
        const bool negative = direction->currentIndex() == 1;
        if (!memo->Modified)
            *mm = OffsetFieldMM(std::fabs(*mm), false, negative);
        else
            *mm = OffsetFieldMM(memo->text().isEmpty() ? 0.0 : StrToFloat(memo->text()), inches, negative);
    }
    Calibration.Offset = taken;
    showOffset();
}

void TPageSetDlg::CalibSheetBtnClick()
{
    if (!PrintCalibration)
        return;
    OffsetMemoExit();
    // The sheet goes on the paper of the layout being set up.
    if (const std::optional<PrinterCalibration> printed = PrintCalibration(Paper()))
        if (printed->Key != Calibration.Key)
            SetCalibration(*printed);
}
