// A window that draws the graph typed on the graph page, laid out by
// Graphviz, with the last answer marked; it saves the drawing as PNG or SVG.
// The layout runs on a worker: the window opens at once and shows the drawing
// when it is ready.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "graph/graph_drawing.h"

class QLabel;
class QPushButton;
class QSvgRenderer;

namespace zentova {

class CGraphCanvas;
class CDesktop;

// What a drawing asks of the worker: the graph as Graphviz's DOT text and
// the canvas it will fill.
struct DrawingJob {
    std::string dot;
    QSize canvas;  // in device-independent pixels
    qreal pixelRatio = 1;
};

// What the worker gives back: the SVG, empty when the graph could not be laid
// out, and the drawing painted at the canvas's size, null when it could not
// be painted there.
struct LaidOutDrawing {
    QByteArray svg;
    QImage picture;
};

using DrawingWorker = GraphLayoutWorker<DrawingJob, LaidOutDrawing>;

// The worker that lays out every drawing of the program with the one
// Graphviz context, which it alone uses, and paints it: painting hundreds of
// edges and their labels takes tens of milliseconds too.
DrawingWorker& GraphvizLayoutWorker();

class CGraphDrawingWindow : public QWidget {
    Q_OBJECT
  public:
    // `worker` lays the drawings out and outlives the window.
    CGraphDrawingWindow(CDesktop& desktop, QWidget* parent,
                        DrawingWorker& worker = GraphvizLayoutWorker());
    ~CGraphDrawingWindow() override;

    // Shows the window at once and lays the graph out; `caption` says what is
    // marked. A layout asked for earlier and not yet shown is dropped.
    void Show(const GraphDrawing& drawing, const QString& caption);

    // From Show until the drawing is shown.
    bool LayingOut() const { return ticket_ != 0; }

    // The drawing as Graphviz wrote it; empty while it is laid out and when
    // the layout failed.
    const QByteArray& Svg() const { return svg_; }

    void SavePng();
    void SaveSvg();

  signals:
    void drawn();  // a layout arrived and shows

  protected:
    // Closing the window drops a layout that has not arrived.
    void closeEvent(QCloseEvent* event) override;

  private:
    void Collect();
    void DropLayout();

    // Asks where to save, adding `suffix` to a name without it; empty when
    // the person cancels.
    QString ChooseFile(const QString& suffix);
    void Save(const QString& suffix);

    CDesktop& desktop_;
    DrawingWorker& worker_;
    std::uint64_t ticket_ = 0;  // the layout awaited, or 0
    QString pendingCaption_;
    QTimer poll_;
    QByteArray svg_;
    QSvgRenderer* renderer_;
    CGraphCanvas* canvas_;
    QLabel* caption_;
    QPushButton* savePng_;
    QPushButton* saveSvg_;
};

}  // namespace zentova
