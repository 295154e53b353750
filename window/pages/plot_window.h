// A picture of the calculus page's two functions: the integrand over the
// limits with the integral's area shaded, and the function to differentiate
// around its point with the tangent. Opened from the page when wanted; the
// page's boxes stay the place where the numbers are read.
#pragma once

#include <QString>
#include <QWidget>

class QChart;
class QChartView;

namespace zentova {

class CDesktop;

struct PlotRequest {
    QString integrand;
    double lower = 0;
    double upper = 0;
    QString integral;  // the value shown in the title; empty when not computed for these inputs
    QString function;
    double point = 0;
    bool hasSlope = false;  // the derivative was computed for this function and point
    double slope = 0;
};

class CPlotWindow : public QWidget {
    Q_OBJECT
  public:
    CPlotWindow(CDesktop& desktop, QWidget* parent);

    // Draws both charts anew from the request, at full view.
    void ShowRequest(const PlotRequest& request);

    // The two export buttons: a path through the desktop, then the picture
    // of both charts as they are now zoomed.
    void ExportPng();
    void ExportSvg();
    void ResetZoom();

  private:
    void Report(bool saved);

    CDesktop& desktop_;
    QWidget* charts_;
    QChartView* integralView_;
    QChartView* derivativeView_;
};

}  // namespace zentova
