#include "shell/zentova_app.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QTranslator>
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
    LoadQtTranslation();
}

void CZentovaApp::LoadQtTranslation() {
    // Every text of the program is Chinese, so what Qt itself supplies (file
    // dialogs, the context menus of boxes, standard buttons) is too, whatever
    // the user's locale. Without the translation package the texts stay
    // English and nothing else changes.
    static QTranslator* translator = nullptr;
    if (translator != nullptr) return;
    auto* loaded = new QTranslator(qApp);
    if (loaded->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(loaded);
        translator = loaded;
    } else {
        delete loaded;
    }
}

void CZentovaApp::InitInstance() {
    frame_ = new CMainFrame(desktop_, pages_);
    frame_->show();
}

}  // namespace zentova
