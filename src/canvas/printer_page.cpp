#include "canvas/printer_page.h"


#include <QDir>
#include <QFont>
#include <QPageLayout>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

constexpr double kTwipsPerPoint = 20;

}  // namespace

QPrinter &sharedPrinter()
{
    // Never deleted: it lives as long as the program, past the last window.
    static QPrinter *const printer = [] {
        auto *p = new QPrinter(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setResolution(kPdfResolution);
        }
        p->setPageOrientation(QPageLayout::Portrait);
        return p;
    }();
    return *printer;
}

PrinterPage::PrinterPage(QPrinter *printer) : printer_(printer) {}

PrinterPage::~PrinterPage()
{
    if (painter_.isActive())
        painter_.end();
}

int PrinterPage::paperWidthTwips() const
{
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
    return int(paper.width() * kTwipsPerPoint);
}

int PrinterPage::paperHeightTwips() const
{
    const QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
    return int(paper.height() * kTwipsPerPoint);
}

bool PrinterPage::toPdfFile() const
{
    return printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
}

QString PrinterPage::fileName() const
{
    return toPdfFile() ? printer_->outputFileName() : QString();
}

bool PrinterPage::beginPdfFile()
{
    file_ = std::make_unique<QSaveFile>(printer_->outputFileName());
    if (!file_->open(QIODevice::WriteOnly))
        return false;
    pdf_ = std::make_unique<QPdfWriter>(file_.get());
    pdf_->setResolution(printer_->resolution());
    // A PDF has no unprintable border: the page is the whole sheet.
    QPageLayout layout = printer_->pageLayout();
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    pdf_->setPageLayout(layout);
    pdf_->setCreator(printer_->creator());
    pdf_->setTitle(printer_->docName());
    return painter_.begin(pdf_.get());
}

QPainter &PrinterPage::painter()
{
    // The job starts with the first drawing, after the printer dialog has
    // had its say about the printer and its settings.
    if (!started_) {
        started_ = true;
        began_ = toPdfFile() ? beginPdfFile() : painter_.begin(printer_);
        if (began_) {
            painter_.setRenderHint(QPainter::Antialiasing, true);
            painter_.setRenderHint(QPainter::TextAntialiasing, true);
        }
        scaleChanged();
    }
    return painter_;
}

QRectF PrinterPage::printableArea() const
{
    // The painter's origin is the printable area's corner; a PDF file has
    // the whole sheet.
    const QRectF area = toPdfFile() ? printer_->paperRect(QPrinter::DevicePixel)
                                    : printer_->pageRect(QPrinter::DevicePixel);
    return QRectF(0, 0, area.width(), area.height());
}

void PrinterPage::scaleChanged()
{
    // One page unit has the same length across and down: the scale's
    // rectangle (the paper's shape) is fitted into the printable area and
    // centred there.
    const QRectF area = printableArea();
    const double k = std::min(area.width() / std::abs(scaleWidth()),
                              area.height() / std::abs(scaleHeight()));
    const double w = k * std::abs(scaleWidth()), h = k * std::abs(scaleHeight());
    const QRectF device(area.center().x() - w / 2, area.center().y() - h / 2, w, h);
    mapping_ = SceneMapping(scaleLeft(), scaleTop(), scaleLeft() + scaleWidth(),
                            scaleTop() + scaleHeight(), device);
}

double PrinterPage::deviceWidth(const Pen &pen) const
{
    const QPaintDevice *device = painter_.device();
    const double dpi = device ? device->logicalDpiX() : kPdfResolution;
    return std::max(1.0, pen.width) * dpi / kPaperPenDpi;
}

void PrinterPage::setPen(const Pen &pen, bool styled)
{
    // A dash pattern counts in pen widths: dots and dashes grow with the pen.
    QPen qpen(QColor::fromRgb(pen.colour), deviceWidth(pen), Qt::SolidLine, Qt::RoundCap,
              Qt::RoundJoin);
    if (styled && pen.style == LineStyle::Dashed)
        qpen.setStyle(Qt::DashLine);
    else if (styled && pen.style == LineStyle::Dotted)
        qpen.setStyle(Qt::DotLine);
    painter().setPen(qpen);
    painter_.setBrush(Qt::NoBrush);
}

void PrinterPage::line(double x1, double y1, double x2, double y2, const Pen &pen)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    // Clipped to the paper, with room for the pen, before it is drawn.
    const double margin = deviceWidth(pen) + 2;
    const QRectF area = mapping_.device().adjusted(-margin, -margin, margin, margin);
    const auto clipped = clipLine(mapping_.toDevice(x1, y1), mapping_.toDevice(x2, y2), area);
    if (!clipped)
        return;
    setPen(pen, true);
    p.drawLine(*clipped);
}

void PrinterPage::circle(double x, double y, double r, const Pen &pen)
{
    QPainter &p = painter();
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r);
    if (!p.isActive() || !std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(rd))
        return;
    setPen(pen, false);
    p.drawEllipse(c, rd, rd);
}

void PrinterPage::dot(double x, double y, const Pen &pen)
{
    QPainter &p = painter();
    const QPointF c = mapping_.toDevice(x, y);
    if (!p.isActive() || !std::isfinite(c.x()) || !std::isfinite(c.y()))
        return;
    // A filled disc the pen's width across.
    const double r = deviceWidth(pen) / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(pen.colour));
    p.drawEllipse(c, r, r);
}

void PrinterPage::disc(double x, double y, double r, const Pen &pen)
{
    QPainter &p = painter();
    const QPointF c = mapping_.toDevice(x, y);
    const double rd = mapping_.lengthToDevice(r) + deviceWidth(pen) / 2.0;
    if (!p.isActive() || !std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(rd))
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(pen.colour));
    p.drawEllipse(c, rd, rd);
}

void PrinterPage::printText(const QString &text)
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

void PrinterPage::endDocument()
{
    painter();
    if (!painter_.isActive())
        return;
    // The last write of the job: only now is a file complete, or the job
    // handed to the printer.
    finished_ = painter_.end() && (!file_ || file_->commit());
}

}  // namespace canvas
