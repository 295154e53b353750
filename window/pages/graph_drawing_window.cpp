#include "pages/graph_drawing_window.h"

#include <gvc.h>

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <string>

#include "common/number_text.h"
#include "kit/desktop.h"

namespace zentova {
namespace {

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

// The SVG of the layout; empty when Graphviz cannot make one.
// One Graphviz context for the program's life, used on the UI thread only:
// its text plugin keeps pointers into the context's font table from one
// layout to the next, so a context freed after a drawing would leave the next
// drawing reading freed memory.
GVC_t* GraphvizContext() {
    static GVC_t* const context = gvContext();
    return context;
}

QByteArray LayOut(const std::string& dot) {
    QByteArray svg;
    GVC_t* context = GraphvizContext();
    if (context == nullptr) return svg;
    if (Agraph_t* graph = agmemread(dot.c_str())) {
        if (gvLayoutJobs(context, graph) == 0) {
            char* data = nullptr;
            unsigned int length = 0;
            if (gvRenderData(context, graph, "svg", &data, &length) == 0 && data != nullptr)
                svg = QByteArray(data, static_cast<qsizetype>(length));
            gvFreeRenderData(data);
            gvFreeLayout(context, graph);
        }
        agclose(graph);
    }
    return svg;
}

// Paints the drawing as large as the window allows, keeping its proportions.
class CCanvas : public QWidget {
  public:
    CCanvas(QSvgRenderer& renderer, QWidget* parent) : QWidget(parent), renderer_(renderer) {
        setAccessibleName(QStringLiteral("图"));
        setMinimumSize(200, 150);
        setAutoFillBackground(true);
        QPalette shade = palette();
        shade.setColor(QPalette::Window, Qt::white);
        setPalette(shade);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!renderer_.isValid()) return;
        QSizeF size = renderer_.defaultSize();
        size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
        const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2,
                            size.width(), size.height());
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&painter, target);
    }

  private:
    QSvgRenderer& renderer_;
};

}  // namespace

CGraphDrawingWindow::CGraphDrawingWindow(CDesktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window),
      desktop_(desktop),
      renderer_(new QSvgRenderer(this)),
      canvas_(new CCanvas(*renderer_, this)),
      caption_(new QLabel(this)),
      savePng_(new QPushButton(QStringLiteral("保存为 PNG…"), this)),
      saveSvg_(new QPushButton(QStringLiteral("保存为 SVG…"), this)) {
    setObjectName(QStringLiteral("graphDrawingWindow"));
    setWindowTitle(QStringLiteral("图的绘制"));
    canvas_->setObjectName(QStringLiteral("graphCanvas"));
    caption_->setObjectName(QStringLiteral("drawingCaption"));
    caption_->setAccessibleName(QStringLiteral("标出的结果"));
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
}

void CGraphDrawingWindow::Show(const GraphDrawing& drawing, const QString& caption) {
    svg_ = LayOut(DotText(drawing));
    renderer_->load(svg_);
    caption_->setText(svg_.isEmpty() ? QStringLiteral("无法布局此图。") : caption);
    for (QPushButton* button : {savePng_, saveSvg_})
        button->setEnabled(!svg_.isEmpty());
    canvas_->update();
    if (!isVisible()) PlaceInsideScreen(this);
    show();
    raise();
    activateWindow();
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
    bool saved = false;
    if (suffix == QLatin1String("svg")) {
        QFile file(path);
        saved = file.open(QIODevice::WriteOnly) && file.write(svg_) == svg_.size();
    } else {
        // Twice Graphviz's size, so the picture stays sharp when enlarged.
        QImage image(renderer_->defaultSize() * 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer_->render(&painter);
        painter.end();
        saved = image.save(path, "PNG");
    }
    if (!saved) desktop_.Inform(this, QStringLiteral("无法保存文件 %1。").arg(path));
}

}  // namespace zentova
