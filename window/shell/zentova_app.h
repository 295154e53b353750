// The application object: sets up Qt for the program and creates the main
// window. Zentova keeps no settings and has no document files.
#pragma once

#include <QApplication>
#include <memory>

#include "kit/desktop.h"
#include "kit/page_entry.h"

namespace zentova {

class CMainFrame;

class CZentovaApp : public QApplication {
    Q_OBJECT
  public:
    CZentovaApp(int& argc, char** argv, PageTableView pages);
    ~CZentovaApp() override;

    // Creates and shows the main window with the pages of the table.
    void InitInstance();
    CMainFrame* MainFrame() const { return frame_; }
    CQtDesktop& Desktop() { return desktop_; }

    // Settings every window of the program relies on, also used by the tests:
    // C number formatting, the style, the fonts and the resources.
    static void Prepare();

    // Qt's own texts in Chinese, once per process.
    static void LoadQtTranslation();

  private:
    PageTableView pages_;
    CQtDesktop desktop_;
    CMainFrame* frame_ = nullptr;
};

}  // namespace zentova
