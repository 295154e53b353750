// A window that draws the graph typed on the graph page, laid out by
// Graphviz, with the last answer marked; it saves the drawing as PNG or SVG.
// The layout runs on a worker: the window opens at once and shows the drawing
// when it is ready.
#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "graph/graph_drawing.h"

class QLabel;
class QPushButton;
class QSvgRenderer;

namespace zentova {

class CGraphCanvas;
class CDesktop;

// The worker that lays out every drawing of the program with the one
// Graphviz context, which it alone uses.
GraphLayoutWorker& GraphvizLayoutWorker();

class CGraphDrawingWindow : public QWidget {
    Q_OBJECT
  public:
    // `worker` lays the drawings out and outlives the window.
    CGraphDrawingWindow(CDesktop& desktop, QWidget* parent,
                        GraphLayoutWorker& worker = GraphvizLayoutWorker());
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
    GraphLayoutWorker& worker_;
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
