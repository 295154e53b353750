#include "pages/plot_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "expr/plot_samples.h"
#include "kit/core_text.h"
#include "kit/desktop.h"

namespace zentova {
namespace {

// Enough points that a curve looks smooth at full view and after a few
// steps of zoom, and few enough to draw at once.
constexpr int kSamples = 801;

// Wheel zooms around the view's middle, the left button's rubber band zooms
// into its rectangle, and dragging with the right (or middle) button pans.
class CZoomPanView final : public QChartView {
  public:
    using QChartView::QChartView;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        const int steps = event->angleDelta().y();
        if (steps == 0) return;
        chart()->zoom(steps > 0 ? 1.25 : 0.8);
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
            panFrom_ = event->position();
            panning_ = true;
            setCursor(Qt::ClosedHandCursor);
            event->accept();
            return;
        }
        QChartView::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (panning_) {
            const QPointF delta = event->position() - panFrom_;
            chart()->scroll(-delta.x(), delta.y());
            panFrom_ = event->position();
            event->accept();
            return;
        }
        QChartView::mouseMoveEvent(event);
    }
    // Qt's rubber band zooms out on a right click; here the right button only
    // pans, so its release ends the pan and nothing else.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (panning_ && event->button() != Qt::LeftButton) {
            panning_ = false;
            unsetCursor();
            event->accept();
            return;
        }
        QChartView::mouseReleaseEvent(event);
    }

  private:
    QPointF panFrom_;
    bool panning_ = false;
};

// Consecutive points with values, one run per stretch between gaps: a line
// series would join across a NaN or draw nothing at all.
std::vector<std::vector<PlotPoint>> Runs(const std::vector<PlotPoint>& points) {
    std::vector<std::vector<PlotPoint>> runs(1);
    for (const PlotPoint& p : points) {
        if (std::isnan(p.y)) {
            if (!runs.back().empty()) runs.emplace_back();
        } else {
            runs.back().push_back(p);
        }
    }
    if (runs.back().empty()) runs.pop_back();
    return runs;
}

QLineSeries* Line(const std::vector<PlotPoint>& run, const QColor& colour, QObject* parent) {
    auto* series = new QLineSeries(parent);
    for (const PlotPoint& p : run)
        series->append(p.x, p.y);
    QPen pen(colour);
    pen.setWidthF(2);
    series->setPen(pen);
    return series;
}

struct Range {
    double low = INFINITY;
    double high = -INFINITY;
    void Take(double v) {
        if (!std::isfinite(v)) return;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    // A flat or empty range still gets a span to draw in, and a margin so the
    // curve does not run along the frame.
    void Open() {
        if (low > high) low = -1, high = 1;
        const double span = high - low;
        double margin = span > 0 ? span * 0.05 : std::max(1.0, std::fabs(low) * 0.1);
        if (!std::isfinite(low - margin) || !std::isfinite(high + margin)) margin = 0;
        low -= margin;
        high += margin;
    }
};

void AddAxes(QChart& chart, Range x, Range y) {
    x.Open();
    y.Open();
    auto* axisX = new QValueAxis;
    auto* axisY = new QValueAxis;
    axisX->setRange(x.low, x.high);
    axisY->setRange(y.low, y.high);
    axisX->setTitleText(QStringLiteral("x"));
    axisY->setTitleText(QStringLiteral("y"));
    // Fewer ticks up the side than along the bottom: a label that has no room
    // is elided to dots, and a chart is wider than it is high.
    axisX->setTickCount(9);
    axisY->setTickCount(6);
    for (QValueAxis* axis : {axisX, axisY}) {
        axis->setMinorTickCount(1);
        axis->setLabelFormat(QStringLiteral("%.4g"));
        axis->applyNiceNumbers();
    }
    chart.addAxis(axisX, Qt::AlignBottom);
    chart.addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
}

QString Number(double v) {
    return QString::number(v, 'g', 15);
}

// A chart lays its title out whole, however long: a box's 32767 characters
// take seconds. Its first line holds about this many; the rest would not be
// read anyway.
constexpr qsizetype kTitleFunctionLength = 80;

QString TitleFunction(const QString& function) {
    if (function.size() <= kTitleFunctionLength) return function;
    qsizetype cut = kTitleFunctionLength;
    if (function.at(cut - 1).isHighSurrogate()) --cut;  // never half a character
    return function.left(cut) + QStringLiteral("…");
}

void FillIntegral(QChart& chart, const PlotRequest& request) {
    const double from = std::min(request.lower, request.upper);
    const double to = std::max(request.lower, request.upper);
    const auto points = SampleFunction(request.integrand.toStdString(), from, to, kSamples);
    Range x, y;
    x.Take(from);
    x.Take(to);
    y.Take(0);
    const QColor curve(0x1f, 0x4e, 0x9a);
    for (const auto& run : Runs(points)) {
        auto* area = new QAreaSeries;
        auto* upper = Line(run, curve, area);
        std::vector<PlotPoint> axisRun = run;
        for (PlotPoint& p : axisRun)
            y.Take(p.y), p.y = 0;
        area->setUpperSeries(upper);
        area->setLowerSeries(Line(axisRun, Qt::transparent, area));
        area->setBrush(QColor(0x1f, 0x4e, 0x9a, 70));
        area->setPen(Qt::NoPen);
        chart.addSeries(area);
        chart.addSeries(Line(run, curve, &chart));
    }
    QString title =
        QStringLiteral("y = %1，x 从 %2 到 %3")
            .arg(TitleFunction(request.integrand), Number(request.lower), Number(request.upper));
    if (!request.integral.isEmpty()) title += QStringLiteral("，定积分 = ") + request.integral;
    chart.setTitle(title);
    AddAxes(chart, x, y);
}

void FillDerivative(QChart& chart, const PlotRequest& request) {
    const double half = PlotHalfWidthAround(request.point);
    const double from = request.point - half;
    const double to = request.point + half;
    const std::string text = request.function.toStdString();
    Range x, y;
    x.Take(from);
    x.Take(to);
    for (const auto& run : Runs(SampleFunction(text, from, to, kSamples))) {
        for (const PlotPoint& p : run)
            y.Take(p.y);
        chart.addSeries(Line(run, QColor(0x1f, 0x4e, 0x9a), &chart));
    }
    QString title = QStringLiteral("y = %1，x = %2 附近")
                        .arg(TitleFunction(request.function), Number(request.point));
    if (request.hasSlope) {
        const auto tangent = TangentLine(text, request.point, request.slope, from, to);
        if (!tangent.empty()) {
            auto* line = Line(tangent, QColor(0xc0, 0x39, 0x2b), &chart);
            line->setPen(QPen(QColor(0xc0, 0x39, 0x2b), 1.5, Qt::DashLine));
            chart.addSeries(line);
            title += QStringLiteral("，切线斜率 = ") + Number(request.slope);
            // The tangent may leave the curve's range far behind; the view
            // stays on the curve, which the person came to see.
            if (y.low > y.high) y.Take(tangent[0].y), y.Take(tangent[1].y);
        }
    }
    chart.setTitle(title);
    AddAxes(chart, x, y);
}

QChartView* MakeView(const char* name, const QString& role, QWidget* parent) {
    auto* view = new CZoomPanView(parent);
    view->setObjectName(CoreText(name));
    view->setAccessibleName(role);
    view->setToolTip(QStringLiteral("滚轮缩放，左键拖出矩形放大，右键拖动平移"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::RectangleRubberBand);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumSize(320, 200);
    return view;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(CoreText(name));
    button->setAccessibleName(QString(caption).remove(QStringLiteral("(&")).remove(')'));
    return button;
}

}  // namespace

CPlotWindow::CPlotWindow(CDesktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop) {
    setObjectName(QStringLiteral("plotWindow"));
    setWindowTitle(QStringLiteral("函数图像"));
    setAccessibleName(QStringLiteral("函数图像"));
    charts_ = new QWidget(this);
    charts_->setObjectName(QStringLiteral("plotCharts"));
    charts_->setAccessibleName(QStringLiteral("图表"));
    integralView_ = MakeView("integralChart", QStringLiteral("定积分图"), charts_);
    derivativeView_ = MakeView("derivativeChart", QStringLiteral("微分图"), charts_);
    auto* chartsLayout = new QVBoxLayout(charts_);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    chartsLayout->addWidget(integralView_);
    chartsLayout->addWidget(derivativeView_);

    auto* png = MakeButton("exportPngButton", QStringLiteral("导出 PNG(&P)"), this);
    auto* svg = MakeButton("exportSvgButton", QStringLiteral("导出 SVG(&S)"), this);
    auto* reset = MakeButton("resetZoomButton", QStringLiteral("复原(&R)"), this);
    reset->setToolTip(QStringLiteral("回到完整视图"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(png);
    buttons->addWidget(svg);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(charts_, 1);
    layout->addLayout(buttons);
    connect(png, &QPushButton::clicked, this, &CPlotWindow::ExportPng);
    connect(svg, &QPushButton::clicked, this, &CPlotWindow::ExportSvg);
    connect(reset, &QPushButton::clicked, this, &CPlotWindow::ResetZoom);
    resize(720, 680);
}

void CPlotWindow::ShowRequest(const PlotRequest& request) {
    // New charts rather than cleared ones: a chart keeps its zoom otherwise.
    auto* integral = new QChart;
    FillIntegral(*integral, request);
    auto* derivative = new QChart;
    FillDerivative(*derivative, request);
    for (QChart* chart : {integral, derivative})
        chart->legend()->hide();
    QChart* oldIntegral = integralView_->chart();
    QChart* oldDerivative = derivativeView_->chart();
    integralView_->setChart(integral);
    derivativeView_->setChart(derivative);
    delete oldIntegral;
    delete oldDerivative;
}

void CPlotWindow::ResetZoom() {
    integralView_->chart()->zoomReset();
    derivativeView_->chart()->zoomReset();
}

void CPlotWindow::ExportPng() {
    const QString path = desktop_.ChooseFileToSave(this);
    if (path.isEmpty()) return;
    Report(charts_->grab().save(path, "PNG"));
}

void CPlotWindow::ExportSvg() {
    const QString path = desktop_.ChooseFileToSave(this);
    if (path.isEmpty()) return;
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(charts_->size());
    generator.setViewBox(charts_->rect());
    generator.setTitle(windowTitle());
    QPainter painter;
    // QSvgGenerator only reports a file it cannot open by failing to begin.
    if (!painter.begin(&generator)) return Report(false);
    charts_->render(&painter);
    Report(painter.end());
}

void CPlotWindow::Report(bool saved) {
    if (!saved) desktop_.Inform(this, QStringLiteral("无法保存图片"));
}

}  // namespace zentova
