#include "shell/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "kit/credits.h"
#include "kit/hyperlink.h"
#include "kit/page_base.h"
#include "kit/pictures.h"
#include "kit/units.h"

namespace zentova {

CAboutDlg::CAboutDlg(CDesktop& desktop, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    setFont(PageFont());
    setFixedSize(DluRect(0, 0, 235, 67).size());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(PictureIcon(QString::fromUtf8(picture::kAppIcon), {32, 32}).pixmap(32, 32));
    icon->setGeometry(DluRect(10, 10, 22, 22));

    auto addLabel = [this](const char* name, const char* text, QRect where) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString::fromUtf8(name));
        label->setGeometry(where);
        return label;
    };
    addLabel("aboutVersion", credit::kAboutVersion, DluRect(40, 6, 130, 12));
    addLabel("aboutAuthor", credit::kAuthorLine, DluRect(40, 19, 130, 12));

    auto addLink = [this, &desktop](int id, const char* name, const char* text, const char* link,
                                    QRect where) {
        auto* label = new CHyperLink(desktop, this);
        label->setText(QString::fromUtf8(text));
        label->setObjectName(QString::fromUtf8(name));
        label->setProperty("controlId", id);
        label->setGeometry(where);
        label->Attach(kLinkColour, kLinkHoverColour, QString::fromUtf8(link));
    };
    addLink(kEmailLinkId, "emailLink", credit::kEmailLabel, credit::kEmailLink,
            DluRect(40, 34, 190, 12));
    addLink(kHomePageLinkId, "homePageLink", credit::kHomePageLabel, credit::kHomePageLink,
            DluRect(40, 48, 190, 12));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zentova
