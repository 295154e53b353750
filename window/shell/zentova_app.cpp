#include "shell/zentova_app.h"

#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <clocale>

#include "kit/page_base.h"
#include "kit/pictures.h"
#include "shell/main_frame.h"

namespace zentova {

CZentovaApp::CZentovaApp(int& argc, char** argv, PageTableView pages)
    : QApplication(argc, argv), pages_(pages) {
    setApplicationName(QStringLiteral("Zentova"));
    setApplicationVersion(QStringLiteral(ZENTOVA_VERSION));
    setDesktopFileName(QStringLiteral("zentova"));
    Prepare();
}

CZentovaApp::~CZentovaApp() {
    delete frame_;
}

void CZentovaApp::Prepare() {
    // Qt adopts the user's locale on start; the engine formats and reads
    // numbers with the C library, which must keep the "." decimal point.
    std::setlocale(LC_NUMERIC, "C");
    LoadResources();
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    QApplication::setFont(PageFont());
    QToolTip::setFont(PageFont());
}

bool CZentovaApp::InitInstance() {
    frame_ = new CMainFrame(desktop_, pages_);
    frame_->show();
    return true;
}

}  // namespace zentova
