// The About box and the program icon.
#include "app/about.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

QIcon ProgramIconImage()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 110), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(2.5, 7.5, 27, 17), 2, 2);
    p.setPen(QPen(QColor(180, 30, 40), 2));
    p.drawLine(QPointF(6, 13), QPointF(18, 13));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(6, 17), QPointF(25, 17));
    p.drawLine(QPointF(6, 20), QPointF(22, 20));
    return QIcon(pixmap);
}

TAboutBox::TAboutBox(const QString &versionText, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(280, 168);
    ProgramIcon = new QLabel(this);
    ProgramIcon->setGeometry(16, 16, 41, 41);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setFrameStyle(QFrame::NoFrame);
    ProgramIcon->setPixmap(ProgramIconImage().pixmap(32, 32));
    ProductName = new QLabel(QStringLiteral("ヴェルモラ"), this);
    ProductName->setGeometry(80, 20, 180, 20);
    QFont big = ProductName->font();
    big.setPixelSize(16);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(QStringLiteral("Version ") + versionText, this);
    Version->setGeometry(80, 48, 180, 18);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(102, 118, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
