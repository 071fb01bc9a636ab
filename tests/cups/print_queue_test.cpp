// A real print queue: a CUPS server of the test's own (its own configuration, spool and socket, in a
// mount namespace where the PDF queue's settings are ours) with a cups-pdf queue, printed to through
// QPrinter exactly as the print command does; the queue's PDF must hold the ten cards.
#include "app/sheet_samples.h"
#include "app/unit3.h"
#include "layout/print_geometry.h"
#include "layout/print_sheet.h"
#include "platform/printer_measures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("VelmoraTestPDF");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// How the server's mount namespace is made: "private" where the root is a mount point of its own. In
// a chroot it is not, and unshare cannot change the root's propagation; there "unchanged" is as safe as
// long as no mount here is shared (then nothing mounted inside can show outside). Empty: neither.
QString mountPropagation()
{
    static const QString chosen = [] {
        QProcess probe;
        probe.start(QStringLiteral("unshare"), {"--mount", "--propagation", "private", "true"});
        if (probe.waitForFinished(10000) && probe.exitCode() == 0)
            return QStringLiteral("private");
        QFile mounts(QStringLiteral("/proc/self/mountinfo"));
        if (!mounts.open(QIODevice::ReadOnly) || mounts.readAll().contains("shared:"))
            return QString();
        return QStringLiteral("unchanged");
    }();
    return chosen;
}

// Why this machine cannot run the test; empty when it can.
QString missingPrerequisite()
{
    if (::geteuid() != 0)
        return QStringLiteral("it must run as root: cupsd runs the cups-pdf backend only as root");
    for (const char *tool : {"cupsd", "lpadmin", "unshare", "mount", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool),
                                           {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
                .isEmpty())
            return QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it)").arg(tool);
    if (!QFileInfo::exists(kBackend) || !QFileInfo::exists(kPpd))
        return QStringLiteral(
            "printer-driver-cups-pdf is not installed (scripts/install-deps.sh installs it)");
    if (mountPropagation().isEmpty())
        return QStringLiteral("no private mount namespace can be made here (unshare --mount failed, and "
                              "some mount here is shared, so a mount made for the server could reach the "
                              "system)");
    return {};
}

// cupsd on a socket in a private folder; cups-pdf reads its settings from /etc/cups, which the server's
// mount namespace replaces with a folder of ours, so the system's files are neither read nor touched.
class PrivateCups
{
public:
    QTemporaryDir root;
    QString socket, out, error;

    bool start()
    {
        const QString r = root.path();
        // The server's helpers run as lp and must reach the spool through the folder.
        QFile::setPermissions(r, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const char *sub :
             {"etc", "spool", "spool/tmp", "cache", "state", "log", "out", "pdf-etc", "pdf-spool"})
            QDir(r).mkpath(QString::fromLatin1(sub));
        socket = r + QStringLiteral("/cups.sock");
        out = r + QStringLiteral("/out");
        const bool written =
            writeFile(r + QStringLiteral("/etc/cupsd.conf"),
                      QStringLiteral(
                          "LogLevel debug\nListen %1\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                          "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                          .arg(socket)) &&
            writeFile(r + QStringLiteral("/etc/cups-files.conf"),
                      QStringLiteral(
                          "ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                          "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                          "PageLog %1/log/page_log\nServerBin /usr/lib/cups\n"
                          "DataDir /usr/share/cups\nUser lp\nGroup lp\nSystemGroup root\nFileDevice No\n")
                          .arg(r)) &&
            writeFile(
                r + QStringLiteral("/pdf-etc/cups-pdf.conf"),
                QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdf-spool\nLog %1/log\nGrp root\n"
                               "UserUMask 0022\nLogType 7\n")
                    .arg(r));
        if (!written)
            return fail(QStringLiteral("cannot write the server's configuration in %1").arg(r));
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start(QStringLiteral("unshare"),
                     {"--mount", "--propagation", mountPropagation(), "--", "sh", "-c",
                      "mount --bind \"$1\" /etc/cups && exec cupsd -f -c \"$2\" -s \"$3\"", "sh",
                      r + QStringLiteral("/pdf-etc"), r + QStringLiteral("/etc/cupsd.conf"),
                      r + QStringLiteral("/etc/cups-files.conf")});
        if (!server.waitForStarted(10000))
            return fail(QStringLiteral("cupsd did not start: ") + server.errorString());
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(socket)) {
            if (server.state() != QProcess::Running || waited.elapsed() > 20000)
                return fail(
                    QStringLiteral("cupsd did not open its socket (%1): %2\n%3")
                        .arg(server.state() == QProcess::Running
                                 ? QStringLiteral("still running: ") + whereItWaits(server.processId())
                                 : QStringLiteral("exit status %1").arg(server.exitCode()),
                             QString::fromLocal8Bit(server.readAll().right(4000)), log()));
            // Waiting on the process, not sleeping: without an event loop only this notices that it
            // ended, and takes in what it wrote.
            server.waitForFinished(100);
        }
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"),
                      {"-h", socket, "-p", kQueue, "-E", "-v", "cups-pdf:/", "-P", kPpd});
        if (!lpadmin.waitForFinished(30000) || lpadmin.exitCode() != 0)
            return fail(QStringLiteral("lpadmin could not add the queue: ") +
                        QString::fromLocal8Bit(lpadmin.readAllStandardError()) + log());
        return true;
    }

    ~PrivateCups()
    {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(10000))
                server.kill();
            server.waitForFinished(5000);
        }
    }

    // What a process that hangs and the processes it started are doing: name, state, the kernel
    // function they wait in and the system call they are in.
    static QString whereItWaits(qint64 pid)
    {
        const auto read = [](qint64 id, const QString &what) {
            QFile file(QStringLiteral("/proc/%1/%2").arg(id).arg(what));
            return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                                  : QString();
        };
        QString report;
        QList<qint64> pending{pid};
        while (!pending.isEmpty()) {
            const qint64 id = pending.takeFirst();
            const QString state = read(id, QStringLiteral("stat")).section(u' ', 2, 2);
            report += QStringLiteral("[%1 %2 %3 wchan=%4 syscall=%5] ")
                          .arg(id)
                          .arg(read(id, QStringLiteral("comm")), state, read(id, QStringLiteral("wchan")),
                               read(id, QStringLiteral("syscall")).section(u' ', 0, 1));
            for (const QString &child :
                 read(id, QStringLiteral("task/%1/children").arg(id)).split(u' ', Qt::SkipEmptyParts))
                pending.append(child.toLongLong());
        }
        return report;
    }

    QString log() const
    {
        QFile file(root.path() + QStringLiteral("/log/error_log"));
        file.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(file.readAll().right(4000));
    }

    // The PDF the queue wrote, waiting for it to be complete.
    QString waitForPdf(int milliseconds)
    {
        QElapsedTimer waited;
        waited.start();
        qint64 lastSize = -1;
        while (waited.elapsed() < milliseconds) {
            const QFileInfoList found = QDir(out).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
            if (!found.isEmpty()) {
                const qint64 size = found.first().size();
                if (size > 0 && size == lastSize)
                    return found.first().absoluteFilePath();
                lastSize = size;
            }
            QThread::msleep(500);
        }
        return {};
    }

private:
    QProcess server;
    bool fail(const QString &why)
    {
        error = why;
        return false;
    }
};

} // namespace

TEST(PrintQueue, TenCardsReachACupsPdfQueue)
{
    const QString missing = missingPrerequisite();
    if (!missing.isEmpty())
        FAIL() << "THE PRINT QUEUE TEST CANNOT RUN ON THIS MACHINE: " << missing.toStdString();

    PrivateCups cups;
    ASSERT_TRUE(cups.start()) << cups.error.toStdString();
    // Every CUPS client of this process, Qt's printer support included, talks to the private server.
    qputenv("CUPS_SERVER", cups.socket.toLocal8Bit());

    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(kQueue))
        << QPrinterInfo::availablePrinterNames().join(u' ').toStdString();
    WriteSheetCard(cups.root.filePath(QStringLiteral("card.zrd")));
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(cups.root.filePath(QStringLiteral("card.zrd"))), 0);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    ASSERT_TRUE(printer.isValid());
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("velmora-sheet"));
    PrintSheet(printer, form.sheetToPrint());

    const QString pdf = cups.waitForPdf(90000);
    ASSERT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF; the server's log ends:\n"
                                << cups.log().toStdString();
    QString error;
    constexpr int dpi = 150;
    const QImage page = RasterisePdf(pdf, dpi, &error);
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    // Each card's corner marker where the program put it on the queue's page (its printer pixels from the
    // printable area's corner, which the queue's whole-millimetre measures place up to a few tenths of a
    // millimetre from the nominal cell), within a quarter of a millimetre.
    const PrinterMeasures m = MeasurePrinter(printer);
    const double toPage = double(dpi) / printer.resolution();
    int cards = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 5; ++j) {
            const QPoint sent = PrintCellOrigin(form.Card(), form.PageLayout, m, i, j);
            const int x = int((sent.x() + m.PhysicalOffsetX) * toPage + 0.5);
            const int y = int((sent.y() + m.PhysicalOffsetY) * toPage + 0.5);
            EXPECT_NEAR(x, Px(14 + 91 * i, dpi), Px(1, dpi));
            EXPECT_NEAR(y, Px(11 + 55 * j, dpi), Px(1, dpi));
            const QRect corner =
                DarkBox(page, QRect(x - Px(1, dpi), y - Px(1, dpi), Px(3.5, dpi), Px(3.5, dpi)));
            const bool found = !corner.isEmpty() && std::abs(corner.left() - x) <= Px(0.25, dpi) &&
                               std::abs(corner.top() - y) <= Px(0.25, dpi) &&
                               std::abs(corner.width() - Px(2, dpi)) <= Px(0.5, dpi);
            EXPECT_TRUE(found) << "card " << i << "," << j << " at " << corner.x() << "," << corner.y()
                               << ", sent to " << x << "," << y;
            cards += found;
        }
    EXPECT_EQ(cards, 10);
}
