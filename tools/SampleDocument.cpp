#include "tools/SampleDocument.h"

#include "tools/SampleBearings.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <stdexcept>

namespace tools {
namespace {

// Qt's offscreen platform warns about a missing runtime folder and the like;
// the catalogue tool is no GUI program, so only real errors are shown.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The writer stamps the time of writing as creation date, which would make
// every run's bytes differ. The time zone is made UTC first, so the stamp has a
// fixed length, and its digits are then overwritten with a fixed date; the
// cross-reference offsets of the document stay valid.
void fixCreationDate(QByteArray& pdf) {
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    if (at < 0)
        return;
    const QByteArray fixed = "20000401000000";
    const qsizetype digits = at + key.size();
    for (qsizetype i = 0; i < fixed.size() && digits + i < pdf.size(); ++i)
        if (pdf[digits + i] >= '0' && pdf[digits + i] <= '9')
            pdf[digits + i] = fixed[i];
}

class PdfPages {
public:
    explicit PdfPages(QPdfWriter& writer) : m_writer(writer), m_painter(&writer) { m_mm = writer.resolution() / 25.4; }

    double mm(double value) const { return value * m_mm; }

    void text(double xMm, double yMm, const QString& text, int points, bool bold = false) {
        QFont font("DejaVu Sans");
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter.setFont(font);
        m_painter.drawText(QPointF(mm(xMm), mm(yMm)), text);
    }

    void rule(double yMm) { m_painter.drawLine(QPointF(mm(Left), mm(yMm)), QPointF(mm(Right), mm(yMm))); }

    // Moves down by lineMm, starting a new page when the line would not fit.
    double nextLine(double lineMm) {
        m_y += lineMm;
        if (m_y > Bottom) {
            footer();
            m_writer.newPage();
            ++m_page;
            m_y = Top + lineMm;
        }
        return m_y;
    }
    void skipTo(double yMm) { m_y = yMm; }
    void footer() { text(Left, 287, QString("Bearing Catalogue, sample edition  -  page %1").arg(m_page), 8); }

    static constexpr double Left = 18;
    static constexpr double Right = 192;
    static constexpr double Top = 20;
    static constexpr double Bottom = 272;

private:
    QPdfWriter& m_writer;
    QPainter m_painter;
    double m_mm = 1;
    double m_y = Top;
    int m_page = 1;
};

QString millimetres(double value) {
    return QString::number(value, 'g', 6);
}

void drawCatalogue(QPdfWriter& writer) {
    PdfPages pages(writer);
    pages.text(PdfPages::Left, 30, "BEARING CATALOGUE", 22, true);
    pages.text(PdfPages::Left, 40, "Sample edition", 12);
    pages.text(PdfPages::Left, 50,
               "Bearings for front and rear suspension, timing belt tensioners and clutch release, listed by "
               "application.",
               9);
    pages.text(PdfPages::Left, 55, "Dimensions in millimetres: bore d, outside diameter D, width B.", 9);
    pages.text(PdfPages::Left, 60, "Closure: 2RS rubber seals on both sides, ZZ metal shields on both sides.", 9);
    pages.text(PdfPages::Left, 65,
               "In the parts lists the mark \"*\" in the last column stands for a part of another make.", 9);
    pages.skipTo(75);

    const double columns[] = {PdfPages::Left, 50, 128, 145, 163, 178};
    for (const SampleUse use : {SampleUse::FrontSuspension, SampleUse::RearSuspension, SampleUse::TimingBeltTensioner,
                                SampleUse::ClutchRelease}) {
        pages.text(PdfPages::Left, pages.nextLine(10), QString::fromStdString(sampleUseTitle(use)), 13, true);
        const double heading = pages.nextLine(7);
        const char* const titles[] = {"Bearing No", "Type", "d", "D", "B", "Closure"};
        for (int i = 0; i < 6; ++i)
            pages.text(columns[i], heading, titles[i], 9, true);
        pages.rule(heading + 1.5);
        for (const SampleBearing& bearing : sampleBearings()) {
            if (bearing.use != use)
                continue;
            const double y = pages.nextLine(5.5);
            const QString cells[] = {QString::fromStdString(bearing.number),
                                     QString::fromStdString(bearing.kind),
                                     millimetres(bearing.bore),
                                     millimetres(bearing.outside),
                                     millimetres(bearing.width),
                                     QString::fromStdString(bearing.closure)};
            for (int i = 0; i < 6; ++i)
                pages.text(columns[i], y, cells[i], 9);
        }
    }
    pages.footer();
}

void useUtc() {
#ifdef _WIN32
    _putenv_s("TZ", "UTC");
    _tzset();
#else
    setenv("TZ", "UTC", 1);
    tzset();
#endif
}

} // namespace

void SampleDocument::write(const std::filesystem::path& file) {
    useUtc();
    // Qt's hashes are seeded at random in each process, and the PDF writer
    // lays out the embedded font subsets in hash order.
    QHashSeed::setDeterministicGlobalSeed();
    const QtMessageHandler previous = qInstallMessageHandler(quietMessages);
    struct RestoreHandler {
        QtMessageHandler handler;
        ~RestoreHandler() { qInstallMessageHandler(handler); }
    } restore{previous};

    std::unique_ptr<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vexorin-catalog";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle("Bearing Catalogue");
        writer.setCreator("vexorin-catalog sample");
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        drawCatalogue(writer);
    }
    if (pdf.isEmpty())
        throw std::runtime_error("the catalogue document could not be drawn");
    fixCreationDate(pdf);

    QFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(pdf) != pdf.size())
        throw std::runtime_error("cannot write " + file.string() + ": " + out.errorString().toStdString());
}

} // namespace tools
