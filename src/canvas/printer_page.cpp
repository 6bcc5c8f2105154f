#include "canvas/printer_page.h"

#include "canvas/dialogs.h"
#include "canvas/file_error.h"

#include <QDir>
#include <QFont>
#include <QPageLayout>
#include <QPrinterInfo>
#include <cmath>

namespace canvas {

namespace {

constexpr double kTwipsPerPoint = 20;

}  // namespace

void PreparePrinter(QPrinter &printer, const QString &pdfFileName)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFileName);
        printer.setResolution(kPdfResolution);
    }
    printer.setPageOrientation(QPageLayout::Portrait);
}

void PrintOnSystemPrinter(Dialogs &dialogs, const QString &pdfName,
                          const std::function<void(PageSurface &)> &printOut)
{
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, QDir::home().filePath(pdfName));
    PrinterPage page(&printer);
    printOut(page);
    if (page.started())
        return;
    if (!printer.outputFileName().isEmpty())
        dialogs.ErrorBox(QStringLiteral("Der Ausdruck konnte nicht in die Datei „%1“ "
                                        "geschrieben werden.\n%2")
                             .arg(printer.outputFileName(),
                                  openErrorText(printer.outputFileName())));
    else
        dialogs.ErrorBox(QStringLiteral("Der Ausdruck konnte nicht gestartet werden."));
}

PrinterPage::PrinterPage(QPrinter *printer) : printer_(printer) {}

PrinterPage::~PrinterPage()
{
    if (painter_.isActive())
        painter_.end();
}

int PrinterPage::Width() const
{
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
    return int(paper.width() * kTwipsPerPoint);
}

int PrinterPage::Height() const
{
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
    return int(paper.height() * kTwipsPerPoint);
}

QPainter &PrinterPage::painter()
{
    // The job starts with the first drawing, after the printer dialog has
    // had its say about the printer and its settings.
    if (!started_) {
        started_ = true;
        began_ = painter_.begin(printer_);
        if (began_) {
            painter_.setRenderHint(QPainter::Antialiasing, true);
            painter_.setRenderHint(QPainter::TextAntialiasing, true);
        }
        scaleChanged();
    }
    return painter_;
}

void PrinterPage::scaleChanged()
{
    // The scale spans the printable area, whose origin is the painter's.
    const QRectF area = printer_->pageRect(QPrinter::DevicePixel);
    mapping_ = SceneMapping(ScaleLeft(), ScaleTop(), ScaleLeft() + ScaleWidth(),
                            ScaleTop() + ScaleHeight(), QRectF(0, 0, area.width(), area.height()));
}

void PrinterPage::setPen(QRgb colour, bool styled)
{
    QPen pen(QColor::fromRgb(colour), drawWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (styled && drawStyle() == kDashed)
        pen.setStyle(Qt::DashLine);
    else if (styled && drawStyle() == kDotted)
        pen.setStyle(Qt::DotLine);
    painter().setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PrinterPage::Line(double x1, double y1, double x2, double y2, QRgb colour)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    // Clipped to the paper, with room for the pen, before it is drawn.
    const double margin = drawWidth() + 2;
    const QRectF area = mapping_.device().adjusted(-margin, -margin, margin, margin);
    const auto clipped = clipLine(mapping_.toDevice(x1, y1), mapping_.toDevice(x2, y2), area);
    if (!clipped)
        return;
    setPen(colour, true);
    p.drawLine(*clipped);
}

void PrinterPage::Circle(double x, double y, double r, QRgb colour)
{
    QPainter &p = painter();
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r);
    if (!p.isActive() || !std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(rd))
        return;
    setPen(colour, false);
    p.drawEllipse(c, rd, rd);
}

void PrinterPage::PSet(double x, double y, QRgb colour)
{
    QPainter &p = painter();
    const QPointF c = mapping_.toDevice(x, y);
    if (!p.isActive() || !std::isfinite(c.x()) || !std::isfinite(c.y()))
        return;
    setPen(colour, false);
    p.drawPoint(c);
}

void PrinterPage::Print(const QString &text)
{
    QPainter &p = painter();
    if (!p.isActive() || text.isEmpty())
        return;
    QFont font = p.font();
    font.setPointSizeF(fontSize());
    p.setFont(font);
    p.setPen(QColor(Qt::black));
    const QPointF at = mapping_.toDevice(currentX(), currentY());
    p.drawText(QRectF(at, QSizeF(mapping_.device().width() * 4, mapping_.device().height())),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void PrinterPage::EndDoc()
{
    painter();
    if (painter_.isActive())
        painter_.end();
}

}  // namespace canvas
