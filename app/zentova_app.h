// The application object: sets up Qt for the program and creates the main
// window. Zentova keeps no settings and has no document files.
#pragma once

#include <QApplication>
#include <memory>

#include "app/desktop.h"

namespace zentova {

class CMainFrame;

class CZentovaApp : public QApplication {
    Q_OBJECT
  public:
    CZentovaApp(int& argc, char** argv);
    ~CZentovaApp() override;

    // Creates and shows the main window; false when it could not be created.
    bool InitInstance();
    CMainFrame* MainFrame() const { return frame_; }

    // Settings every window of the program relies on, also used by the tests:
    // C number formatting, the style, the fonts and the resources.
    static void Prepare();

  private:
    CQtDesktop desktop_;
    CMainFrame* frame_ = nullptr;
};

}  // namespace zentova
