// A label that opens a link when clicked: blue normally, red while the mouse
// is over it, with the pointing-hand cursor.
#pragma once

#include <QColor>
#include <QString>

#include "kit/transparent_controls.h"

namespace zentova {

class CDesktop;

// Attaching with this text makes a label that only changes colour.
inline constexpr char kNoLink[] = "NoLink!";

class CHyperLink : public CTransparentStatic {
    Q_OBJECT
  public:
    CHyperLink(CDesktop& desktop, QWidget* parent = nullptr);

    // Sets the colours and the link; `link` equal to "NoLink!" leaves the link
    // empty. Returns false (and changes nothing) for a label not on a page.
    bool Attach(const QColor& normal, const QColor& hover, const QString& link);

    bool hovering() const { return hovering_; }
    QString link() const { return link_; }
    QColor currentColour() const { return hovering_ ? hover_ : normal_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void SetHovering(bool hovering);

    CDesktop& desktop_;
    bool hovering_ = false;
    QString link_;
    QColor normal_{0, 0, 255};
    QColor hover_{255, 0, 0};
};

// The colours both users of the links give them.
inline const QColor kLinkColour{0, 0, 255};
inline const QColor kLinkHoverColour{255, 0, 0};

}  // namespace zentova
