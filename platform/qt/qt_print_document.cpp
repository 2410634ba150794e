#include "platform/qt/qt_print_document.h"

#include <QAction>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

#include "platform/atomic_file.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/qt_top_level_window.h"

namespace tarvix {
namespace {

// Positions are measured from the sheet's corner, so the layout has no margins of its own.
QPageLayout LandscapeLetter() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lays the pages out on the device; the painter is already open on it.
void Paint(const std::vector<std::vector<QtPrintDocument::Step>>& pages, QPainter& painter,
           QPagedPaintDevice& device) {
    // Verdana is stood in by the face the window uses for it.
    PrepareFonts();
    const double dots_per_inch = device.logicalDpiX();
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) device.newPage();
        for (const QtPrintDocument::Step& step : pages[page]) {
            if (step.isFont) {
                font = QFont(ToQString(step.face));
                font.setPointSizeF(step.points);
                // Headings stand apart from the body text by weight.
                font.setBold(step.style == FontStyle::kHeading);
                painter.setFont(font);
                painter.setPen(QColor(step.colour.r, step.colour.g, step.colour.b));
                continue;
            }
            const QString text = ToQString(step.text);
            const QFontMetricsF metrics(painter.font(), &device);
            // The advance counts the blanks at either end, which move the text as they would in
            // a fixed layout.
            const double width = metrics.horizontalAdvance(text);
            double left = step.x * dots_per_inch;
            if (step.alignment == TextAlignment::kRight) left -= width;
            if (step.alignment == TextAlignment::kCentre) left -= width / 2;
            painter.drawText(QPointF(left, step.y * dots_per_inch + metrics.ascent()), text);
        }
    }
}

}  // namespace

int QtPrintDocument::StartDoc(std::string_view title) {
    // Fonts and printing need the toolkit's application object.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return 0;
    ++handle_;
    ended_ = false;
    title_ = title;
    pages_.assign(1, {});
    return handle_;
}

void QtPrintDocument::Font(int handle, FontStyle style, float points, Rgb colour,
                           std::string_view face) {
    if (!Accepts(handle)) return;
    Step step;
    step.isFont = true;
    step.style = style;
    step.points = points;
    step.colour = colour;
    step.face = face;
    pages_.back().push_back(std::move(step));
}

void QtPrintDocument::Text(int handle, float x, float y, TextAlignment alignment,
                           std::string_view text) {
    if (!Accepts(handle)) return;
    Step step;
    step.x = x;
    step.y = y;
    step.alignment = alignment;
    step.text = text;
    pages_.back().push_back(std::move(step));
}

void QtPrintDocument::NewPage(int handle) {
    if (Accepts(handle)) pages_.emplace_back();
}

void QtPrintDocument::EndDoc(int handle) {
    if (!Accepts(handle)) return;
    ended_ = true;
    if (when_ended_ == WhenEnded::kPreview) ShowPreview(preview_owner_);
}

bool QtPrintDocument::RenderPdf(const std::string& path, std::string* reason) const {
    if (reason) reason->clear();
    if (pages_.empty()) return false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(LandscapeLetter());
        writer.setResolution(1200);
        writer.setTitle(ToQString(title_));
        writer.setCreator(QStringLiteral("Tarvix"));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        Paint(pages_, painter, writer);
        if (!painter.end()) return false;
    }
    const QByteArray& bytes = buffer.data();
    std::string why;
    const bool written =
        WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), why);
    if (reason) *reason = why;
    return written;
}

namespace {

// Printing and closing by keyboard, whichever part of the preview has the focus.
void AddPreviewKeys(QPrintPreviewDialog& dialog) {
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == QPrintPreviewDialog::tr("Print")) {
            action->setShortcut(QKeySequence::Print);
            action->setShortcutContext(Qt::WindowShortcut);
        }
    }
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), &dialog);
    QObject::connect(close, &QShortcut::activated, &dialog, &QDialog::reject);
}

}  // namespace

void QtPrintDocument::ShowPreview(TopLevelWindow* owner) const {
    if (pages_.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(LandscapeLetter());
    printer.setFullPage(true);
    printer.setDocName(ToQString(title_));
    auto* window = dynamic_cast<QtTopLevelWindow*>(owner);
    QPrintPreviewDialog dialog(&printer, window ? window->Frame() : nullptr);
    dialog.setWindowTitle(ToQString(title_));
    // Large enough for the whole tool bar and a readable page.
    if (const QScreen* screen = dialog.screen()) {
        const QSize room = screen->availableGeometry().size();
        dialog.resize(std::min(room.width() * 9 / 10, 1100), std::min(room.height() * 9 / 10, 850));
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) {
                         QPainter painter;
                         if (painter.begin(target)) Paint(pages_, painter, *target);
                     });
    AddPreviewKeys(dialog);
    dialog.exec();
}

}  // namespace tarvix
