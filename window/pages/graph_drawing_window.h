// A window that draws the graph typed on the graph page, laid out by
// Graphviz, with the last answer marked; it saves the drawing as PNG or SVG.
#pragma once

#include <QByteArray>
#include <QWidget>

#include "graph/graph_drawing.h"

class QLabel;
class QPushButton;
class QSvgRenderer;

namespace zentova {

class CDesktop;

class CGraphDrawingWindow : public QWidget {
    Q_OBJECT
  public:
    CGraphDrawingWindow(CDesktop& desktop, QWidget* parent);

    // Lays the graph out again; `caption` says what is marked.
    void Show(const GraphDrawing& drawing, const QString& caption);

    // The drawing as Graphviz wrote it; empty when the layout failed.
    const QByteArray& Svg() const { return svg_; }

    void SavePng();
    void SaveSvg();

  private:
    // Asks where to save, adding `suffix` to a name without it; empty when
    // the person cancels.
    QString ChooseFile(const QString& suffix);
    void Save(const QString& suffix);

    CDesktop& desktop_;
    QByteArray svg_;
    QSvgRenderer* renderer_;
    QWidget* canvas_;
    QLabel* caption_;
    QPushButton* savePng_;
    QPushButton* saveSvg_;
};

}  // namespace zentova
