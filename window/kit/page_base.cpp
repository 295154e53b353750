#include "kit/page_base.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include "common/box_exchange.h"
#include "common/outcome.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "kit/units.h"

namespace zentova {
namespace {

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
        // A key that the focused control left unused travels on to its
        // parents; the page saw it already when it reached that control.
        const QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && widget != focus && widget->isAncestorOf(focus)) return false;
        return page->FilterKey(*static_cast<QKeyEvent*>(event), widget);
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
    : QWidget(parent), desktop_(desktop), background_(CoreText(backgroundPicture)) {
    setFixedSize(kPageSize);
    setFont(PageFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CPageBase::FilterKey(const QKeyEvent& event, QWidget* receiver) {
    switch (event.key()) {
        case Qt::Key_Escape:
            OnEscapeKey();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return OnEnter(receiver);
        default:
            return false;
    }
}

int CPageBase::ControlIdOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
        if (w->parentWidget() == this) {
            const QVariant id = w->property("controlId");
            return id.isValid() ? id.toInt() : kNoControlId;
        }
    }
    return kNoControlId;
}

void CPageBase::RouteEnter(std::initializer_list<int> controls, EnterRoute route) {
    for (const int id : controls)
        enterRoutes_.insert(id, route);
}

void CPageBase::RouteOtherEnter(EnterRoute route) {
    otherEnter_ = route;
}

bool CPageBase::OnEnter(QWidget* receiver) {
    const int id = ControlIdOf(receiver);
    const EnterRoute route = enterRoutes_.value(id, otherEnter_);
    switch (route.rule) {
        case EnterRule::Consume:
            return true;
        case EnterRule::Control:
            return false;
        case EnterRule::DialogPath:
            return FollowDialogPath(Control(id));
        case EnterRule::Click:
            if (auto* button = ControlAs<QAbstractButton>(route.button)) button->click();
            return true;
    }
    return true;
}

bool CPageBase::FollowDialogPath(QWidget* control) {
    if (auto* box = qobject_cast<QPlainTextEdit*>(control); box != nullptr && !box->isReadOnly()) {
        return false;
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->click();
        return true;
    }
    for (QWidget* candidate : std::as_const(controls_)) {
        auto* button = qobject_cast<QPushButton*>(candidate);
        if (button != nullptr && button->isDefault()) {
            button->click();
            break;
        }
    }
    return true;
}

bool CPageBase::ShowOutcome(const Outcome& outcome, int resultBoxId) {
    QString text = CoreText(outcome.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    switch (outcome.kind) {
        case Outcome::Kind::Refused:
            desktop_.Inform(this, text);
            return false;
        case Outcome::Kind::Stopped:
            return false;
        case Outcome::Kind::Failure:
            if (resultBoxId == kNoControlId) {
                desktop_.Inform(this, text);
                return true;
            }
            break;
        case Outcome::Kind::Value:
            if (resultBoxId == kNoControlId) return true;
            break;
    }
    WriteText(resultBoxId, text);
    if (auto* line = ControlAs<QLineEdit>(resultBoxId)) line->home(false);
    return true;
}

void CPageBase::RememberFocus(QWidget* control) {
    lastFocus_ = control;
}

void CPageBase::CreateControls(std::span<const ControlRow> rows) {
    controls_.insert(zentova::CreateControls(*this, rows, desktop_));
    for (const ControlRow& row : rows) {
        if (IsBox(row.kind) && row.id != kNoControlId) boxes_.append(row.id);
    }
}

void CPageBase::FocusFirstBox() {
    for (const int id : std::as_const(boxes_)) {
        QWidget* box = Control(id);
        if (CanTakeFocus(box)) {
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

bool CPageBase::CanTakeFocus(const QWidget* control) const {
    return control != nullptr && control->isVisibleTo(this) && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) != 0;
}

QString CPageBase::ReadText(int id) const {
    QWidget* control = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(control)) return rich->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) return spin->text();
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
    } else if (qobject_cast<QLabel*>(control) != nullptr) {
        SetCaption(*control, text);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(text.trimmed().toInt());
    }
}

void CPageBase::FailReading(int id, const char* prompt) {
    desktop_.Inform(this, CoreText(prompt));
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
    WriteText(id, CoreText(WriteDoubleBox(value)));
}

void CPageBase::WriteInt(int id, int value) {
    WriteText(id, CoreText(WriteIntBox(value)));
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
    QWidget* target = CanTakeFocus(lastFocus_) ? lastFocus_.data() : nullptr;
    if (target == nullptr) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (CanTakeFocus(control)) {
                target = control;
                break;
            }
        }
    }
    if (target != nullptr) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace zentova
