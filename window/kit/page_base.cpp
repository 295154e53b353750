#include "kit/page_base.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/box_exchange.h"
#include "kit/desktop.h"
#include "kit/hyperlink.h"
#include "kit/key_button.h"
#include "kit/pictures.h"
#include "kit/transparent_controls.h"
#include "kit/units.h"

namespace zentova {
namespace {

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

QWidget* MakeControl(const ControlRow& row, CPageBase& page) {
    const QString caption = FromUtf8(row.caption);
    switch (row.kind) {
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(&page);
            edit->setReadOnly(row.kind == ControlKind::ReadOnlyEdit);
            return edit;
        }
        case ControlKind::List: {
            auto* list = new QListWidget(&page);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            return list;
        }
        case ControlKind::Label:
        case ControlKind::CentredLabel: {
            auto* label = new CTransparentStatic(&page);
            label->setText(caption);
            label->setAlignment(row.kind == ControlKind::CentredLabel
                                    ? Qt::AlignCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::Radio:
            return new QRadioButton(caption, &page);
        case ControlKind::Group: {
            auto* group = new CTransparentButton(&page);
            group->setTitle(caption);
            return group;
        }
        case ControlKind::PushButton:
            return new QPushButton(caption, &page);
        case ControlKind::Key: {
            auto* key = new CKeyButton(QStringLiteral(":/keys/key%1.svg").arg(row.id),
                                       QStringLiteral(":/keys/key%1_down.svg").arg(row.id), &page);
            key->setText(caption);
            return key;
        }
        case ControlKind::Link: {
            auto* link = new CHyperLink(page.Desktop(), &page);
            link->setText(caption);
            return link;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(&page);
            icon->setPixmap(PictureIcon(FromUtf8(picture::kAppIcon), {32, 32}).pixmap(32, 32));
            return icon;
        }
    }
    return new QWidget(&page);
}

class CPageKeyRouter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::FocusIn) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        CPageBase* page = nullptr;
        // Only controls inside a page window count: a popup (a combo box's
        // list, a menu) is a window of its own and keeps its keys.
        for (QWidget* w = widget; w != nullptr && page == nullptr; w = w->parentWidget()) {
            page = qobject_cast<CPageBase*>(w);
            if (w->isWindow()) break;
        }
        if (page == nullptr) return false;
        if (type == QEvent::FocusIn) {
            if (widget != page) page->RememberFocus(widget);
            return false;
        }
        return page->FilterKey(*static_cast<QKeyEvent*>(event));
    }
};

}  // namespace

QFont PageFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK")});
    font.setPixelSize(12);
    return font;
}

void InstallPageKeyRouter(QObject* owner) {
    if (qApp != nullptr) qApp->installEventFilter(new CPageKeyRouter(owner));
}

CPageBase::CPageBase(CDesktop& desktop, QWidget* parent, const char* backgroundPicture)
    : QWidget(parent), desktop_(desktop), background_(FromUtf8(backgroundPicture)) {
    setFixedSize(kPageSize);
    setFont(PageFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CPageBase::FilterKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            OnEscapeKey();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return OnEnterKey();
        default:
            return false;
    }
}

void CPageBase::RememberFocus(QWidget* control) {
    lastFocus_ = control;
}

void CPageBase::CreateControls(std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* control = MakeControl(row, *this);
        control->setObjectName(FromUtf8(row.name));
        control->setAccessibleName(
            FromUtf8(row.accessibleName != nullptr ? row.accessibleName : row.caption));
        control->setProperty("controlId", row.id);
        control->setGeometry(DluRect(row.x, row.y, row.width, row.height));
        controls_.insert(row.id, control);
    }
}

QString CPageBase::ReadText(int id) const {
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(control)) return rich->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

void CPageBase::WriteText(int id, const QString& text) {
    if (ReadText(id) == text) return;
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        rich->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

void CPageBase::FailReading(int id, const char* prompt) {
    desktop_.Inform(this, FromUtf8(prompt));
    if (QWidget* control = Control(id)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    }
}

bool CPageBase::ReadDouble(int id, double& field) {
    const auto value = ReadDoubleBox(ReadText(id).toStdString());
    if (!value) {
        FailReading(id, msg::kEnterNumber.data());
        return false;
    }
    field = *value;
    return true;
}

bool CPageBase::ReadInt(int id, int& field) {
    const auto value = ReadIntBox(ReadText(id).toStdString());
    if (!value) {
        FailReading(id, msg::kEnterInteger.data());
        return false;
    }
    field = *value;
    return true;
}

void CPageBase::WriteDouble(int id, double value) {
    WriteText(id, QString::fromStdString(WriteDoubleBox(value)));
}

void CPageBase::WriteInt(int id, int value) {
    WriteText(id, QString::fromStdString(WriteIntBox(value)));
}

void CPageBase::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (backgroundCache_.isNull() || backgroundCache_.devicePixelRatio() != ratio) {
        backgroundCache_ = RenderPicture(background_, size(), ratio);
    }
    QPainter painter(this);
    if (backgroundCache_.isNull()) {
        painter.fillRect(rect(), palette().window());
    } else {
        painter.drawPixmap(0, 0, backgroundCache_);
    }
}

void CPageBase::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    auto canTake = [this](QWidget* w) {
        return w != nullptr && w->isVisibleTo(this) && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus) != 0;
    };
    QWidget* target = canTake(lastFocus_) ? lastFocus_.data() : nullptr;
    if (target == nullptr) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (canTake(control)) {
                target = control;
                break;
            }
        }
    }
    if (target != nullptr) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace zentova
