#include "pages/graph_drawing_window.h"

#include <gvc.h>

#include <QBuffer>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "graph/graph_messages.h"
#include "kit/control_factory.h"
#include "kit/core_text.h"
#include "kit/desktop.h"

namespace zentova {
namespace {

// How often the window looks whether the layout has arrived. The worker does
// not post it: the hand-over goes through the worker's own lock, which the
// race detector can follow.
constexpr int kLayoutPollMs = 10;

constexpr const char* kMarkColour = "#d62728";

// Graphviz's own text: the nodes by their numbers, the weights as labels. A
// graph with directions is laid out in layers, which shows where a path goes;
// one without is laid out as a spring system.
std::string DotText(const GraphDrawing& drawing) {
    const char* join = drawing.directed ? " -> " : " -- ";
    std::string dot = drawing.directed ? "digraph G {\n rankdir=LR;\n" : "graph G {\n";
    dot += " layout=";
    dot += drawing.directed ? "dot" : "neato";
    dot +=
        ";\n overlap=false; splines=true; sep=\"+8\"; bgcolor=white; pad=0.2;\n"
        " node [shape=circle, fixedsize=true, width=0.4, fontname=\"Liberation Sans\","
        " fontsize=12, style=filled, fillcolor=\"#f4f4f4\"];\n"
        " edge [fontname=\"Liberation Sans\", fontsize=10, color=\"#606060\"];\n";
    for (int v = 0; v < drawing.nodeCount; ++v) {
        dot += ' ' + std::to_string(v);
        if (drawing.markedNodes[static_cast<std::size_t>(v)])
            dot += std::string(" [color=\"") + kMarkColour + "\", penwidth=2.5, fontcolor=\"" +
                   kMarkColour + "\"]";
        dot += ";\n";
    }
    for (const GraphEdge& edge : drawing.edges) {
        dot += ' ' + std::to_string(edge.from) + join + std::to_string(edge.to) + " [label=\"" +
               FormatDouble(edge.weight) + '"';
        if (edge.marked)
            dot += std::string(", color=\"") + kMarkColour + "\", penwidth=3, fontcolor=\"" +
                   kMarkColour + "\"";
        dot += "];\n";
    }
    dot += "}\n";
    return dot;
}

// The drawing as large as `canvas` allows, keeping its proportions, on white.
QImage PaintDrawing(QSvgRenderer& renderer, QSize canvas, qreal ratio) {
    QImage picture((QSizeF(canvas) * ratio).toSize(), QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QSizeF shown = renderer.defaultSize();
    shown.scale(QSizeF(canvas), Qt::KeepAspectRatio);
    const QRectF target((canvas.width() - shown.width()) / 2,
                        (canvas.height() - shown.height()) / 2, shown.width(), shown.height());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    return picture;
}

// Graphviz's layout of DOT text as SVG, then painted; the SVG is empty when
// Graphviz cannot make one. The library is not thread-safe: its one context
// is made on the worker's thread and used there alone, for the program's
// life. Its text plugin keeps pointers into the context's font table from one
// layout to the next, so a context freed after a drawing would leave the next
// drawing reading freed memory; and freeing it at the end loses a block that
// Graphviz keeps, so it stays, reachable, until the process ends.
// Called on the worker only.
GVC_t* WorkerContext() {
    static GVC_t* const context = gvContext();
    return context;
}

class CGraphvizLayout {
  public:
    LaidOutDrawing operator()(const DrawingJob& job) const {
        LaidOutDrawing drawing;
        GVC_t* context = WorkerContext();
        if (context == nullptr) return drawing;
        if (Agraph_t* graph = agmemread(job.dot.c_str())) {
            if (gvLayoutJobs(context, graph) == 0) {
                char* data = nullptr;
                unsigned int length = 0;
                if (gvRenderData(context, graph, "svg", &data, &length) == 0 && data != nullptr)
                    drawing.svg = QByteArray(data, static_cast<qsizetype>(length));
                gvFreeRenderData(data);
                gvFreeLayout(context, graph);
            }
            agclose(graph);
        }
        // Qt 6 paints text into images on any thread.
        if (!drawing.svg.isEmpty()) {
            QSvgRenderer renderer(drawing.svg);
            if (renderer.isValid())
                drawing.picture = PaintDrawing(renderer, job.canvas, job.pixelRatio);
        }
        return drawing;
    }
};

}  // namespace

// Paints the drawing as large as the window allows, keeping its proportions,
// or says in its middle what the window waits for.
class CGraphCanvas : public QWidget {
  public:
    CGraphCanvas(QSvgRenderer& renderer, QWidget* parent) : QWidget(parent), renderer_(renderer) {
        setAccessibleName(QStringLiteral("图"));
        setMinimumSize(200, 150);
        setAutoFillBackground(true);
        QPalette shade = palette();
        shade.setColor(QPalette::Window, Qt::white);
        setPalette(shade);
    }

    // No drawing: `status` in its place.
    void SetStatus(const QString& status) {
        status_ = status;
        picture_ = QImage();
        setAccessibleDescription(status);
        update();
    }

    // The drawing, painted already for the canvas's size where it fits.
    void SetPicture(const QImage& picture) {
        status_.clear();
        picture_ = picture;
        setAccessibleDescription(QString());
        update();
    }

    QSize PixelSize() const { return (QSizeF(size()) * devicePixelRatioF()).toSize(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!renderer_.isValid()) {
            painter.setPen(QColor(0x60, 0x60, 0x60));
            painter.drawText(rect(), Qt::AlignCenter, status_);
            return;
        }
        // Painted once per size: every other paint (a window passing over
        // this one) copies the picture.
        if (picture_.size() != PixelSize())
            picture_ = PaintDrawing(renderer_, size(), devicePixelRatioF());
        painter.drawImage(QPointF(0, 0), picture_);
    }

  private:
    QSvgRenderer& renderer_;
    QString status_;
    QImage picture_;  // the drawing at the canvas's size
};

DrawingWorker& GraphvizLayoutWorker() {
    // Made on first use and ended after main returns: it waits there for a
    // layout that still runs.
    static DrawingWorker worker([] { return DrawingWorker::Layout(CGraphvizLayout()); });
    return worker;
}

CGraphDrawingWindow::CGraphDrawingWindow(CDesktop& desktop, QWidget* parent, DrawingWorker& worker)
    : QWidget(parent, Qt::Window),
      desktop_(desktop),
      worker_(worker),
      renderer_(new QSvgRenderer(this)),
      canvas_(new CGraphCanvas(*renderer_, this)),
      caption_(new QLabel(this)),
      savePng_(new QPushButton(QStringLiteral("保存为 PNG…"), this)),
      saveSvg_(new QPushButton(QStringLiteral("保存为 SVG…"), this)) {
    setObjectName(QStringLiteral("graphDrawingWindow"));
    setWindowTitle(QStringLiteral("图的绘制"));
    canvas_->setObjectName(QStringLiteral("graphCanvas"));
    caption_->setObjectName(QStringLiteral("drawingCaption"));
    savePng_->setObjectName(QStringLiteral("savePngButton"));
    saveSvg_->setObjectName(QStringLiteral("saveSvgButton"));
    for (QPushButton* button : {savePng_, saveSvg_})
        button->setAccessibleName(button->text());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(caption_, 1);
    buttons->addWidget(savePng_);
    buttons->addWidget(saveSvg_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    resize(720, 540);

    connect(savePng_, &QPushButton::clicked, this, [this] { SavePng(); });
    connect(saveSvg_, &QPushButton::clicked, this, [this] { SaveSvg(); });
    poll_.setInterval(kLayoutPollMs);
    connect(&poll_, &QTimer::timeout, this, &CGraphDrawingWindow::Collect);
}

CGraphDrawingWindow::~CGraphDrawingWindow() {
    DropLayout();
}

void CGraphDrawingWindow::Show(const GraphDrawing& drawing, const QString& caption) {
    pendingCaption_ = caption;
    svg_.clear();
    renderer_->load(svg_);
    const QString status = CoreText(msg::kLayingOut);
    SetCaption(*caption_, status);
    canvas_->SetStatus(status);
    for (QPushButton* button : {savePng_, saveSvg_})
        button->setEnabled(false);
    if (!isVisible()) PlaceInsideScreen(this);
    show();
    raise();
    activateWindow();
    // The canvas's size once the window's layout has placed it.
    layout()->activate();
    ticket_ = worker_.Request({DotText(drawing), canvas_->size(), canvas_->devicePixelRatioF()});
    poll_.start();
}

void CGraphDrawingWindow::Collect() {
    std::optional<LaidOutDrawing> drawing = worker_.Take(ticket_);
    if (!drawing) return;
    poll_.stop();
    ticket_ = 0;
    svg_ = drawing->svg;
    renderer_->load(svg_);
    const bool valid = renderer_->isValid();
    if (!valid) svg_.clear();
    SetCaption(*caption_, valid ? pendingCaption_ : CoreText(msg::kCannotLayOut));
    if (valid) {
        canvas_->SetPicture(drawing->picture);
    } else {
        canvas_->SetStatus(CoreText(msg::kCannotLayOut));
    }
    for (QPushButton* button : {savePng_, saveSvg_})
        button->setEnabled(valid);
    emit this->drawn();
}

void CGraphDrawingWindow::DropLayout() {
    if (ticket_ == 0) return;
    worker_.Drop(ticket_);
    ticket_ = 0;
    poll_.stop();
}

void CGraphDrawingWindow::closeEvent(QCloseEvent* event) {
    DropLayout();
    QWidget::closeEvent(event);
}

QString CGraphDrawingWindow::ChooseFile(const QString& suffix) {
    QString path = desktop_.ChooseFileToSave(this);
    if (path.isEmpty()) return path;
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) path += '.' + suffix;
    return path;
}

void CGraphDrawingWindow::SavePng() {
    Save(QStringLiteral("png"));
}

void CGraphDrawingWindow::SaveSvg() {
    Save(QStringLiteral("svg"));
}

void CGraphDrawingWindow::Save(const QString& suffix) {
    if (svg_.isEmpty()) return;
    const QString path = ChooseFile(suffix);
    if (path.isEmpty()) return;
    // Through a temporary file renamed into place, as every file this program
    // writes: a failed or interrupted save leaves the old picture whole.
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        bytes = svg_;
    } else {
        // Twice Graphviz's size, so the picture stays sharp when enlarged.
        QImage image(renderer_->defaultSize() * 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&painter);
        painter.end();
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) bytes.clear();
    }
    const bool saved =
        !bytes.isEmpty() &&
        WriteFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!saved) desktop_.Inform(this, QStringLiteral("无法保存文件 %1。").arg(path));
}

}  // namespace zentova
